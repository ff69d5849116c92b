// A single-line edit whose colours its owner chooses, with an optional filter
// that admits only signed whole numbers as they are typed.
#pragma once

#include "framework/Controls_win.h"
#include "framework/Paint_win.h"

class CClrEdit : public CEdit {
 public:
  CClrEdit() = default;
  ~CClrEdit() override;

  COLORREF m_textColour = RGB(255, 255, 255);
  COLORREF m_backgroundColour = RGB(0, 0, 0);

  // Only '0'..'9', '-' and backspace pass from then on; pasted text is not filtered.
  void SetSignedDigitsOnly() { signedDigitsOnly_ = true; }

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UniqueBrush background_;
  bool signedDigitsOnly_ = false;
};
