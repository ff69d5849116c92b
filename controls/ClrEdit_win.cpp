#include "controls/ClrEdit_win.h"

CClrEdit::~CClrEdit() = default;

BOOL CClrEdit::PreTranslateMessage(MSG* msg) { return CEdit::PreTranslateMessage(msg); }

BOOL CClrEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC)
    return CEdit::OnChildNotify(message, wParam, lParam, result);
  HDC dc = reinterpret_cast<HDC>(wParam);
  background_.reset(CreateSolidBrush(m_backgroundColour));
  SetTextColor(dc, m_textColour);
  SetBkColor(dc, m_backgroundColour);
  *result = reinterpret_cast<LRESULT>(background_.get());
  return TRUE;
}

LRESULT CClrEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      // The edit paints its background with the colour query's brush.
      return TRUE;
    case WM_CHAR:
      if (signedDigitsOnly_ && !(wParam >= L'0' && wParam <= L'9') && wParam != L'-' && wParam != 8)
        return 0;
      break;
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
