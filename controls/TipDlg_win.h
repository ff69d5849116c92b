// The small shaped pop-up that shows a slider's value beside its thumb.
#pragma once

#include <string>

#include "framework/Dialog_win.h"
#include "framework/Paint_win.h"

class CTipDlg : public CDialogEx {
 public:
  CTipDlg();
  ~CTipDlg() override;

  // Modeless and hidden; the slider moves, shows and hides it.
  bool CreateTip(HWND parent);
  void SetDisplayText(const std::wstring& text);
  const std::wstring& GetDisplayText() const { return text_; }

  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();

  std::wstring text_ = L"0";
};
