// The macro and pattern pop-ups run modally as the button page runs them,
// driven from a timer with the messages their controls send.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "controls/ControlMessages.h"
#include "editors/SelMacroDlg_win.h"
#include "macro/Library.h"
#include "macro/Patterns.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "tests/win/ControlHost_win.h"

namespace {

class SelectionPopup : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() / L"r58-selection-popup";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    ControlsTest::TearDown();
  }

  // Macros "Reload" (number 3, plays once) and "Burst" (number 7, repeats
  // while held), or none.
  Library Macros(bool empty = false) {
    const std::filesystem::path path = folder_ / L"MacroSetting";
    std::ofstream out(path, std::ios::binary);
    if (!empty)
      out << "[Setting]\r\nTotal=2\r\n0=3\r\n1=7\r\n[MacroProfile3]\r\nName=Reload\r\n"
             "[MacroProfile7]\r\nName=Burst\r\nReaptType=2\r\n";
    out.close();
    Library library(LibraryKind::kMacro, path);
    library.LoadLibraryFile();
    return library;
  }

  std::filesystem::path folder_;
};

// What the timer does once the pop-up shows; then it presses `end`.
CSelEntryDlg* g_dialog = nullptr;
std::function<void(CSelEntryDlg&)> g_steps;

void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_dialog || !g_dialog->m_hWnd || !IsWindowVisible(*g_dialog)) return;
  KillTimer(nullptr, id);
  g_steps(*g_dialog);
}

INT_PTR RunPopUp(CSelEntryDlg& dialog, std::function<void(CSelEntryDlg&)> steps) {
  g_dialog = &dialog;
  g_steps = std::move(steps);
  SetTimer(nullptr, 0, 100, &Drive);
  const INT_PTR result = dialog.DoModal();
  g_dialog = nullptr;
  return result;
}

void Press(CSelEntryDlg& dialog, HWND button) {
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PickRepeat(CSelEntryDlg& dialog, int command) {
  ::SendMessageW(dialog, UM_MENU_PICK, 0, MAKELPARAM(0, command));
}

TEST_F(SelectionPopup, RepeatCommandsSetTheTypeAndOnlyRepeatNTimesTakesACount) {
  const Library macros = Macros();
  ButtonSlot slot{};
  slot.code = 0xA1;
  CSelMacroDlg dialog(nullptr, macros, MacroSelectionStart(macros, slot));
  struct Step {
    int command;
    std::uint8_t type;  // after the pick
  };
  const Step steps[] = {{97, 1},  {96, 0}, {98, 2},  {99, 3}, {97, 1},
                        {100, 1}, {95, 1}, {111, 1}, {0, 1}};
  std::vector<std::string> failures;
  RunPopUp(dialog, [&](CSelEntryDlg& d) {
    EXPECT_EQ(d.SelectedPosition(), 0) << "a button without a macro starts on the first row";
    EXPECT_EQ(d.List().GetCurSel(), 0);
    for (const Step& s : steps) {
      PickRepeat(d, s.command);
      if (d.Repeat().type != s.type) failures.push_back("type after " + std::to_string(s.command));
      if ((d.CountBox().IsWindowEnabled() != FALSE) != (s.type == 1))
        failures.push_back("count box after " + std::to_string(s.command));
    }
    EXPECT_EQ(d.RepeatButton().GetButtonText(), Wide(GetFuncString(97)));
    CaptureWindow(d, L"popup_macro_in_process");
    Press(d, d.OkButton());
  });
  EXPECT_TRUE(failures.empty()) << failures.front();
  EXPECT_EQ(dialog.Repeat().type, 1);
}

TEST_F(SelectionPopup, TheCountBoxStopsAtFifteen) {
  const Library macros = Macros();
  ButtonSlot slot{};
  AssignMacro(slot, 7, 1, 4);
  CSelMacroDlg dialog(nullptr, macros, MacroSelectionStart(macros, slot));
  const INT_PTR result = RunPopUp(dialog, [](CSelEntryDlg& d) {
    EXPECT_EQ(d.SelectedPosition(), 1) << "on the row of the button's macro";
    EXPECT_EQ(d.CountBox().GetWindowText(), L"4");
    d.CountBox().SetWindowText(L"20");
    MSG release = QueuedMessage(d.CountBox(), WM_KEYUP, '0', 0);
    d.PreTranslateMessage(&release);
    EXPECT_EQ(d.CountBox().GetWindowText(), L"15");
    EXPECT_EQ(d.Repeat().count, 15);
    Press(d, d.OkButton());
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.Repeat(), (RepeatChoice{1, 15}));
}

TEST_F(SelectionPopup, OnlyRowsOfTheListAreChosenAndTheRepeatFollowsThem) {
  const Library macros = Macros();
  ButtonSlot slot{};
  slot.code = 0xA1;
  CSelMacroDlg dialog(nullptr, macros, MacroSelectionStart(macros, slot));
  const INT_PTR result = RunPopUp(dialog, [](CSelEntryDlg& d) {
    ::SendMessageW(d, UM_LIST_SELECT, 1, 0);
    EXPECT_EQ(d.SelectedPosition(), 1);
    EXPECT_EQ(d.Repeat(), (RepeatChoice{2, 0})) << "Burst's own repeat";
    EXPECT_FALSE(d.CountBox().IsWindowEnabled());
    for (WPARAM stale : {WPARAM{2}, WPARAM{0xFFFF}, static_cast<WPARAM>(-1)}) {
      ::SendMessageW(d, UM_LIST_SELECT, stale, 0);
      EXPECT_EQ(d.SelectedPosition(), 1) << stale;
    }
    Press(d, d.OkButton());
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.SelectedPosition(), 1);
}

TEST_F(SelectionPopup, OkWithoutARowActsAsCancel) {
  const Library empty = Macros(true);
  ButtonSlot slot{};
  CSelMacroDlg dialog(nullptr, empty, MacroSelectionStart(empty, slot));
  const INT_PTR result = RunPopUp(dialog, [](CSelEntryDlg& d) {
    EXPECT_EQ(d.List().GetCount(), 0);
    ::SendMessageW(d, UM_LIST_SELECT, 0, 0);  // an empty list reports row 0 too
    Press(d, d.OkButton());
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(SelectionPopup, ThePatternPopUpKeepsItsRepeatWhateverTheRow) {
  const std::filesystem::path path = folder_ / L"BulletSetting";
  Library patterns(LibraryKind::kPattern, path);
  ASSERT_TRUE(CreateBuiltInPatterns(path));
  patterns.LoadLibraryFile();
  ButtonSlot slot{};
  AssignPattern(slot, 4);
  slot.repeatType = 3;
  CSelPressureGunDlg dialog(nullptr, patterns, PatternSelectionStart(patterns, slot));
  const INT_PTR result = RunPopUp(dialog, [](CSelEntryDlg& d) {
    EXPECT_EQ(d.SelectedPosition(), 4);
    ::SendMessageW(d, UM_LIST_SELECT, 6, 0);
    EXPECT_EQ(d.SelectedPosition(), 6);
    EXPECT_EQ(d.Repeat().type, 3);
    CaptureWindow(d, L"popup_pattern_in_process");
    Press(d, d.OkButton());
  });
  EXPECT_EQ(result, IDOK);
}

}  // namespace
