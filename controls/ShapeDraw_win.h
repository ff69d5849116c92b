// Simple shapes and texts the program's windows draw into their
// compositions: solid and rounded fills, white rounded frames and one-line
// texts in stored rectangles. They make no GDI objects: the DC brush and the
// stock pens do the work.
#pragma once

#include <windows.h>

#include <string_view>

// Fills `rect` with an opaque colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A rounded rectangle filled with `colour`, its corner ellipse corner x corner.
void FillRounded(HDC dc, const RECT& rect, COLORREF colour, int corner);
// A hollow rounded rectangle drawn with a white pen one pixel wide.
void FrameRoundedWhite(HDC dc, const RECT& rect, int corner);
// `rect` grown by `pixels` on every side.
RECT Grown(const RECT& rect, int pixels);
// Draws `text` into `rect` as skin texts are drawn: the top moved down to
// centre one line of the DC's current font.
void DrawLineText(HDC dc, const RECT& rect, std::u16string_view text, UINT format);
