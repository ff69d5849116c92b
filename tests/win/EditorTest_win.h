// What the editor tests share: libraries in a folder of their own, the
// program's resources and skin, messages routed like the editors' modal loop,
// real clicks at controls, and a watcher that answers the warning dialog.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/WarnDlg_win.h"
#include "editors/EditorSkin_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"
#include "tests/win/ControlHost_win.h"
#include "tests/win/XInput_win.h"

// Handles the thread's messages as CDialog::DoModal does: every key and mouse
// message first passes the PreTranslateMessage of its window and the
// window's parents, so that a modeless editor behaves as when run modally.
inline void PumpDialog(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      bool handled = false;
      for (HWND h = msg.hwnd; h && !handled; h = ::GetParent(h))
        if (CWnd* wnd = CWnd::FromHandle(h)) handled = wnd->PreTranslateMessage(&msg);
      if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    Sleep(10);
  } while (GetTickCount() - start < milliseconds);
}

// Closes every warning dialog that opens while it lives and keeps their
// message numbers. Its timer runs inside the warning's own modal loop.
class WarningWatcher {
 public:
  WarningWatcher() {
    seen_.clear();
    editorSeen_ = false;
    timer_ = SetTimer(nullptr, 0, 100, &WarningWatcher::Tick);
  }
  ~WarningWatcher() { KillTimer(nullptr, timer_); }
  WarningWatcher(const WarningWatcher&) = delete;
  WarningWatcher& operator=(const WarningWatcher&) = delete;

  const std::vector<int>& seen() const { return seen_; }
  // Whether an editor window showed meanwhile.
  bool editorSeen() const { return editorSeen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (FindWindowW(nullptr, L"Kestrelon_Macro")) editorSeen_ = true;
    HWND warning = FindWindowW(nullptr, L"Kestrelon_Warning");
    if (!warning || !IsWindowVisible(warning)) return;
    auto* dialog = dynamic_cast<CWarnDlg*>(CWnd::FromHandle(warning));
    if (!dialog || !dialog->IsModalLoopRunning()) return;
    seen_.push_back(dialog->m_nMessage);
    dialog->EndDialog(IDOK);
  }
  static inline std::vector<int> seen_;
  static inline bool editorSeen_ = false;
  UINT_PTR timer_ = 0;
};

class EditorTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() / L"r58-editors";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    libraries_ = std::make_unique<Libraries>(folder_);
    libraries_->Reload();  // the eight built-in patterns
  }
  void TearDown() override {
    libraries_.reset();
    std::filesystem::remove_all(folder_);
    ControlsTest::TearDown();
  }

  // A control of `dialog` at the centre of a skin entry, moved `dx` right.
  static HWND ControlAt(HWND dialog, std::u16string_view section, std::u16string_view key,
                        int dx = 0) {
    const RECT r = EntryRect(section, key);
    const POINT centre{(r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2};
    HWND found = ChildWindowFromPointEx(dialog, centre, CWP_SKIPINVISIBLE);
    return found == dialog ? nullptr : found;
  }
  // The control's click as the platform reports it to the dialog.
  static void Press(HWND dialog, HWND control) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
  }
  // A real left click at the centre of a window.
  static void Click(HWND window) {
    ASSERT_TRUE(Xdotool(PointerAt(ScreenCentre(window)) + "click 1", PumpDialog));
  }
  static void Type(const std::string& xdotoolWords) {
    ASSERT_TRUE(Xdotool(xdotoolWords, PumpDialog));
  }

  // Saves a record as the editors do and reloads the copies.
  void Store(const LibraryEntry& record, LibraryKind kind) {
    ASSERT_EQ(libraries_->of(kind).SaveEditedRecord(record, true), kLibraryDone);
    libraries_->Reload();
  }

  std::filesystem::path folder_;
  std::unique_ptr<Libraries> libraries_;
};
