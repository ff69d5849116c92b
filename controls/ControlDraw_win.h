// Drawing pieces the skinned controls share: caption fonts, copying and
// blending their images, bitmap resources.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Paint_win.h"

// A caption font: the given height and weight, default character set, the
// Swiss family; `face` empty lets the platform pick a Swiss face.
UniqueFont CreateCaptionFont(int height, int weight, const std::wstring& face,
                             BYTE quality = DEFAULT_QUALITY, BYTE pitchAndFamily = FF_SWISS);
// The same font made once and kept for the life of the process: controls and
// windows that paint often share one font per height, weight and face.
HFONT CachedFont(int height, int weight, const std::wstring& face, BYTE quality = DEFAULT_QUALITY,
                 BYTE pitchAndFamily = FF_SWISS);
// The interface face of the skin (InterfaceFontFace) as a wide string.
const std::wstring& InterfaceFace();

SIZE BitmapSize(HBITMAP bitmap);
// How a buffer of `area` starts when `bitmap` is copied to its top-left
// corner first: covered when the bitmap is at least that large.
BufferStart StartUnder(HBITMAP bitmap, const RECT& area);
// Copies `bitmap` 1:1 to (x, y); nothing for an empty bitmap.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Copies `bitmap` stretched into `area`.
void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& area);
// Blends a 32-bit premultiplied-alpha bitmap at (x, y), per-pixel alpha.
void AlphaBlendBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Draws `bitmap` at (x, y) with black left out.
void DrawWithoutBlack(HDC dc, HBITMAP bitmap, int x, int y);

// A bitmap resource of ResourceModule(); empty when absent.
UniqueBitmap LoadResourceBitmap(int id);
// A deep copy of a bitmap (the device-independent section it may be).
UniqueBitmap CopyBitmap(HBITMAP bitmap);

// The client point a mouse message carries.
inline POINT PointFromLParam(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
