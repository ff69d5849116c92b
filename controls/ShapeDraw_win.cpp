#include "controls/ShapeDraw_win.h"

#include <string>

#include "settings/WideText_win.h"
#include "skin/GdiHandles_win.h"
#include "skin/SkinFile.h"

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillRounded(HDC dc, const RECT& rect, COLORREF colour, int corner) {
  const SelectScope pen(dc, GetStockObject(NULL_PEN));
  const SelectScope brush(dc, GetStockObject(DC_BRUSH));
  const COLORREF old = SetDCBrushColor(dc, colour);
  // Without a pen the shape leaves its right and bottom edge: one pixel more.
  RoundRect(dc, rect.left, rect.top, rect.right + 1, rect.bottom + 1, corner, corner);
  SetDCBrushColor(dc, old);
}

void FrameRoundedWhite(HDC dc, const RECT& rect, int corner) {
  const SelectScope pen(dc, GetStockObject(WHITE_PEN));
  const SelectScope brush(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner, corner);
}

RECT Grown(const RECT& rect, int pixels) {
  return RECT{rect.left - pixels, rect.top - pixels, rect.right + pixels, rect.bottom + pixels};
}

void DrawLineText(HDC dc, const RECT& rect, std::u16string_view text, UINT format) {
  const std::wstring line = Wide(text);
  SIZE extent{};
  GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
  RECT box{rect.left, CentredTop(rect.top, rect.bottom, extent.cy), rect.right, rect.bottom};
  DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &box, format);
}
