// The program's message box: a numbered warning or the reset confirmation,
// painted from the skin, with its texts from the current skin file.
#pragma once

#include "controls/BitmapBtn_win.h"
#include "framework/Dialog_win.h"
#include "framework/Gdi_win.h"

// Warning numbers; each has its text under "WARN_TEXT" of the skin file.
constexpr int kWarnNoPrimaryButton = 11;
constexpr int kWarnTooManyProfiles = 12;
constexpr int kWarnLibraryFull = 13;
constexpr int kWarnRecordingFull = 14;
constexpr int kWarnDuplicateProfileName = 16;
constexpr int kWarnTooManyMacroButtons = 17;
constexpr int kWarnEntryInUse = 18;
// The one confirmation: OK (result 1) resets the current profile.
constexpr int kWarnConfirmReset = 19;

constexpr wchar_t kWarningTitle[] = L"Kestrelon_Warning";

class CWarnDlg : public CDialog {
 public:
  explicit CWarnDlg(CWnd* owner = nullptr);
  ~CWarnDlg() override;

  // Set before DoModal; selects the layout and the text.
  int m_nMessage = 0;

  // Whether the two-button layout shows (Cancel exists).
  bool HasCancel() const { return cancel_.GetSafeHwnd() != nullptr; }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildFromSkin();
  void OnPaint();

  UniqueBitmap background_;
  CBitmapBtn close_;
  CBitmapBtn ok_;
  CBitmapBtn cancel_;
};
