// The program's message box: a numbered warning or the reset confirmation,
// painted from the skin, with its texts from the current skin file.
#pragma once

#include "controls/BitmapBtn_win.h"
#include "framework/Dialog_win.h"
#include "framework/Paint_win.h"
#include "settings/Warnings.h"

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

// Runs the warning dialog with message `message` over `owner`; its result.
INT_PTR ShowWarning(HWND owner, int message);
