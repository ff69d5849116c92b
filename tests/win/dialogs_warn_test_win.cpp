// The warning dialog's two layouts and results, run modally as the program does.
#include <functional>
#include <string>
#include <utility>

#include "controls/BitmapBtn_win.h"
#include "device/WindowTitles.h"
#include "dialogs/WarnDlg_win.h"
#include "settings/WideText_win.h"
#include "tests/win/ControlHost_win.h"

namespace {

using DialogsWarn = ControlsTest;

// While the dialog runs: captures it into `shot`, presses button `press` (an
// index in creation order) and records what it saw.
struct WarningRun {
  WarningRun(std::wstring shotName, int pressed) : shot(std::move(shotName)), press(pressed) {}
  std::wstring shot;
  int press;
  int buttons = 0;
  std::wstring title;
  RECT okRect{};
};
WarningRun* g_run = nullptr;

BOOL CALLBACK CollectButtons(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

void CALLBACK OnDialogShown(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindWindowW(nullptr, WidePtr(kWarningWindowTitle));
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, id);
  UpdateWindow(dialog);
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  g_run->title = title;
  std::vector<HWND> buttons;
  EnumChildWindows(dialog, &CollectButtons, reinterpret_cast<LPARAM>(&buttons));
  g_run->buttons = static_cast<int>(buttons.size());
  CaptureWindow(dialog, g_run->shot);
  if (buttons.size() > 1) {
    GetWindowRect(buttons[1], &g_run->okRect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&g_run->okRect), 2);
  }
  ::SendMessageW(buttons.at(g_run->press), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  ::SendMessageW(buttons.at(g_run->press), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

INT_PTR RunWarning(int number, WarningRun& run) {
  g_run = &run;
  SetTimer(nullptr, 0, 300, &OnDialogShown);
  CWarnDlg dialog;
  dialog.m_nMessage = number;
  const INT_PTR result = dialog.DoModal();
  g_run = nullptr;
  return result;
}

TEST_F(DialogsWarn, ConfirmationShowsThreeButtonsAndOnlyOkConfirms) {
  struct Case {
    int press;  // close, OK, Cancel
    INT_PTR result;
  } cases[] = {{1, IDOK}, {2, IDCANCEL}, {0, IDCANCEL}};
  for (const Case& c : cases) {
    WarningRun run{L"warning_19", c.press};
    EXPECT_EQ(RunWarning(kWarnConfirmReset, run), c.result) << "button " << c.press;
    EXPECT_EQ(run.buttons, 3);
    EXPECT_EQ(run.title, WidePtr(kWarningWindowTitle));
    // OK stands 69 pixels right of its one-button place.
    const SkinEntry ok = ParseSkinEntry(ReadSkinValue(u"WARN_POS", u"2"));
    EXPECT_EQ(run.okRect.left, ok.left + 69);
  }
}

TEST_F(DialogsWarn, NoticesShowCloseAndOk) {
  for (int number : {11, 12, 13, 14, 16, 17, 18}) {
    WarningRun run{L"warning_" + std::to_wstring(number), 1};
    EXPECT_EQ(RunWarning(number, run), IDOK) << number;
    EXPECT_EQ(run.buttons, 2) << number;
    const SkinEntry ok = ParseSkinEntry(ReadSkinValue(u"WARN_POS", u"2"));
    EXPECT_EQ(run.okRect.left, ok.left);
  }
}

}  // namespace
