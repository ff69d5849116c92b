// KBHook.dll from the program folder, driven by real input from the X server
// (xdotool): what reaches the registered window, with which parameters, and
// when nothing must.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/hook/KBHookLibrary_win.h"
#include "macro/HookMessages.h"
#include "tests/win/ProgramHarness_win.h"
#include "tests/win/TestWindow_win.h"
#include "tests/win/XInput_win.h"

namespace {

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Message&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Message& m) {
  return out << std::hex << "{0x" << m.message << ", 0x" << m.wParam << ", 0x" << m.lParam << "}"
             << std::dec;
}

// A visible window that keeps the hook reports and the input it gets itself.
class InputWindow {
 public:
  explicit InputWindow(const wchar_t* title, int x) {
    static const ATOM atom = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &InputWindow::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
      wc.lpszClassName = L"R58HookTestWindow";
      return RegisterClassExW(&wc);
    }();
    (void)atom;
    hwnd_ = CreateWindowExW(0, L"R58HookTestWindow", title, WS_POPUP | WS_VISIBLE, x, 100, 300, 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
  }
  ~InputWindow() { DestroyWindow(hwnd_); }
  InputWindow(const InputWindow&) = delete;
  InputWindow& operator=(const InputWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  std::vector<Message> reports;  // kHookKeyMessage and kHookMouseMessage
  std::vector<Message> input;    // keys and buttons the window got as usual

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(
          hwnd, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<InputWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
      if (message == kHookKeyMessage || message == kHookMouseMessage)
        self->reports.push_back({message, wParam, lParam});
      if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_LBUTTONDOWN ||
          message == WM_RBUTTONDOWN || message == WM_XBUTTONDOWN)
        self->input.push_back(
            {message, message == WM_KEYDOWN || message == WM_KEYUP ? wParam : 0, 0});
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  HWND hwnd_;
};

class KBHook : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryW((ProgramFolder() / L"KBHook.dll").c_str());
    ASSERT_NE(module, nullptr) << "KBHook.dll is missing from the program folder";
    installhook = Find<Install>("installhook");
    installmousehook = Find<Install>("installmousehook");
    hookDlg = Find<Install>("hookDlg");
    enablehook = Find<Enable>("enablehook");
    enablemousehook = Find<Enable>("enablemousehook");
    removehook = Find<Remove>("removehook");
    removemousehook = Find<Remove>("removemousehook");
    for (void* f : {(void*)installhook, (void*)installmousehook, (void*)hookDlg, (void*)enablehook,
                    (void*)enablemousehook, (void*)removehook, (void*)removemousehook})
      ASSERT_NE(f, nullptr);
    SetForegroundWindow(window.hwnd());
    SetFocus(window.hwnd());
    PumpMessages(200);
    RECT r;
    GetWindowRect(window.hwnd(), &r);
    pointer = "mousemove " + std::to_string((r.left + r.right) / 2) + " " +
              std::to_string((r.top + r.bottom) / 2) + " ";
    ASSERT_TRUE(Xdotool(pointer)) << "xdotool did not run";
  }
  void TearDown() override {
    if (!module) return;
    if (removehook) removehook();
    if (removemousehook) removemousehook();
    FreeLibrary(module);
  }

  void InstallFor(HWND target) {
    ASSERT_TRUE(installhook(target));
    ASSERT_TRUE(installmousehook(target));
  }

  using Install = BOOL (*)(HWND);
  using Enable = void (*)(BOOL);
  using Remove = BOOL (*)();
  template <typename F>
  F Find(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }

  InputWindow window{L"KBHook test", 100};
  std::string pointer;
  HMODULE module = nullptr;
  Install installhook = nullptr, installmousehook = nullptr, hookDlg = nullptr;
  Enable enablehook = nullptr, enablemousehook = nullptr;
  Remove removehook = nullptr, removemousehook = nullptr;
};

constexpr WPARAM kVkA = 'A';

TEST_F(KBHook, ReportsKeysAndButtonsToTheRegisteredWindow) {
  InstallFor(window.hwnd());
  EXPECT_TRUE(hookDlg(window.hwnd()));
  enablehook(TRUE);
  enablemousehook(TRUE);
  ASSERT_TRUE(Xdotool(pointer + "key a click 1 click 3 click 2 click 8 click 9 key Right"));
  const std::vector<Message> expected = {
      {kHookKeyMessage, kVkA, 0},
      {kHookKeyMessage, kVkA, kHookKeyReleased},
      {kHookMouseMessage, WM_LBUTTONDOWN, 0},
      {kHookMouseMessage, WM_LBUTTONUP, 0},
      {kHookMouseMessage, WM_RBUTTONDOWN, 0},
      {kHookMouseMessage, WM_RBUTTONUP, 0},
      {kHookMouseMessage, WM_MBUTTONDOWN, 0},
      {kHookMouseMessage, WM_MBUTTONUP, 0},
      {kHookMouseMessage, WM_XBUTTONDOWN, kHookBackButton},
      {kHookMouseMessage, WM_XBUTTONUP, kHookBackButton},
      {kHookMouseMessage, WM_XBUTTONDOWN, kHookForwardButton},
      {kHookMouseMessage, WM_XBUTTONUP, kHookForwardButton},
      {kHookKeyMessage, VK_RIGHT, kHookKeyExtended},
      {kHookKeyMessage, VK_RIGHT, kHookKeyExtended | kHookKeyReleased},
  };
  EXPECT_EQ(window.reports, expected);
  // The input still reaches the window under the pointer.
  const std::vector<Message> input = {
      {WM_KEYDOWN, kVkA, 0},     {WM_KEYUP, kVkA, 0},     {WM_LBUTTONDOWN, 0, 0},
      {WM_RBUTTONDOWN, 0, 0},    {WM_XBUTTONDOWN, 0, 0},  {WM_XBUTTONDOWN, 0, 0},
      {WM_KEYDOWN, VK_RIGHT, 0}, {WM_KEYUP, VK_RIGHT, 0},
  };
  EXPECT_EQ(window.input, input);
}

TEST_F(KBHook, ReportsNothingWhileDisabled) {
  InstallFor(window.hwnd());
  hookDlg(window.hwnd());
  // Installed but not yet enabled, then switched off explicitly.
  ASSERT_TRUE(Xdotool(pointer + "key b click 1"));
  enablehook(TRUE);
  enablemousehook(TRUE);
  enablehook(FALSE);
  enablemousehook(FALSE);
  ASSERT_TRUE(Xdotool(pointer + "key b click 1"));
  EXPECT_EQ(window.reports, std::vector<Message>{});
  // The events were there: the window itself got them.
  EXPECT_EQ(window.input.size(), 6u);

  // Each kind is switched on its own.
  enablehook(TRUE);
  ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
  enablehook(FALSE);
  enablemousehook(TRUE);
  ASSERT_TRUE(Xdotool(pointer + "key a click 3"));
  const std::vector<Message> expected = {
      {kHookKeyMessage, kVkA, 0},
      {kHookKeyMessage, kVkA, kHookKeyReleased},
      {kHookMouseMessage, WM_RBUTTONDOWN, 0},
      {kHookMouseMessage, WM_RBUTTONUP, 0},
  };
  EXPECT_EQ(window.reports, expected);
}

TEST_F(KBHook, InstallingAgainReplacesTheRegistration) {
  const std::vector<Message> once = {
      {kHookKeyMessage, kVkA, 0},
      {kHookKeyMessage, kVkA, kHookKeyReleased},
      {kHookMouseMessage, WM_LBUTTONDOWN, 0},
      {kHookMouseMessage, WM_LBUTTONUP, 0},
  };
  InstallFor(window.hwnd());
  hookDlg(window.hwnd());
  enablehook(TRUE);
  enablemousehook(TRUE);
  // What the macro editor does after its delay editor closes.
  InstallFor(window.hwnd());
  ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
  EXPECT_EQ(window.reports, once);

  // Installed for another window: the reports go there and only there.
  InputWindow other(L"KBHook test 2", 500);
  InstallFor(other.hwnd());
  ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
  EXPECT_EQ(other.reports, once);
  EXPECT_EQ(window.reports, once);

  EXPECT_FALSE(installhook(nullptr));
  EXPECT_FALSE(hookDlg(nullptr));
}

TEST_F(KBHook, RemovedHooksReportNothingUntilInstalledAgain) {
  InstallFor(window.hwnd());
  enablehook(TRUE);
  enablemousehook(TRUE);
  EXPECT_TRUE(removehook());
  EXPECT_TRUE(removemousehook());
  EXPECT_FALSE(removehook());  // nothing left to remove
  ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
  EXPECT_EQ(window.reports, std::vector<Message>{});
  EXPECT_EQ(window.input.size(), 3u);

  // Removing also switched reporting off: a new installation starts disabled.
  InstallFor(window.hwnd());
  ASSERT_TRUE(Xdotool(pointer + "key a"));
  EXPECT_EQ(window.reports, std::vector<Message>{});
  enablehook(TRUE);
  ASSERT_TRUE(Xdotool(pointer + "key a"));
  EXPECT_EQ(window.reports.size(), 2u);
}

TEST_F(KBHook, TheEditorsHandleWorksWithAndWithoutTheLibrary) {
  {
    KBHookLibrary missing(ProgramFolder() / L"no-such-folder");
    EXPECT_FALSE(missing.loaded());
    missing.Install(window.hwnd());
    missing.Enable(true);
  }
  {
    KBHookLibrary hook(ProgramFolder());
    ASSERT_TRUE(hook.loaded());
    hook.Install(window.hwnd());
    hook.HookDialog(window.hwnd());
    hook.Enable(false);
    ASSERT_TRUE(Xdotool(pointer + "key a"));
    EXPECT_EQ(window.reports.size(), 0u);
    hook.Enable(true);
    ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
    EXPECT_EQ(window.reports.size(), 4u);
  }
  // Closing the handle removed the hooks.
  ASSERT_TRUE(Xdotool(pointer + "key a click 1"));
  EXPECT_EQ(window.reports.size(), 4u);
}

}  // namespace
