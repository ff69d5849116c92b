// The program's message box: a numbered warning or the reset confirmation,
// painted from the skin, with its texts from the current skin file.
#pragma once

#include "dialogs/DialogSkin_win.h"
#include "settings/Warnings.h"

class CWarnDlg : public CSkinDialog {
 public:
  explicit CWarnDlg(CWnd* owner = nullptr);
  ~CWarnDlg() override;

  // Set before DoModal; selects the layout and the text.
  int m_nMessage = 0;

  // Whether the two-button layout shows (Cancel exists).
  bool HasCancel() const { return cancel_.GetSafeHwnd() != nullptr; }

 protected:
  void BuildFromSkin() override;
  void PaintContent(HDC dc) override;
};

// Runs the warning dialog with message `message` over `owner`; its result.
INT_PTR ShowWarning(HWND owner, int message);
