#include "controls/ControlDraw_win.h"

#include <vector>

#include "framework/Wnd_win.h"
#include "settings/WideText_win.h"
#include "skin/SkinFile.h"

UniqueFont CreateCaptionFont(int height, int weight, const std::wstring& face, BYTE quality,
                             BYTE pitchAndFamily) {
  return UniqueFont(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, pitchAndFamily,
                                face.c_str()));
}

HFONT CachedFont(int height, int weight, const std::wstring& face, BYTE quality,
                 BYTE pitchAndFamily) {
  struct Cached {
    int height, weight;
    BYTE quality, pitchAndFamily;
    std::wstring face;
    UniqueFont font;
  };
  // A handful of fonts: a look-up that makes nothing, for the paints.
  static std::vector<Cached> fonts;
  for (const Cached& c : fonts)
    if (c.height == height && c.weight == weight && c.quality == quality &&
        c.pitchAndFamily == pitchAndFamily && c.face == face)
      return c.font.get();
  fonts.push_back(Cached{height, weight, quality, pitchAndFamily, face,
                         CreateCaptionFont(height, weight, face, quality, pitchAndFamily)});
  return fonts.back().font.get();
}

const std::wstring& InterfaceFace() {
  static std::u16string source;
  static std::wstring face;
  if (source != InterfaceFontFace()) {
    source = InterfaceFontFace();
    face = Wide(source);
  }
  return face;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

BufferStart StartUnder(HBITMAP bitmap, const RECT& area) {
  const SIZE size = BitmapSize(bitmap);
  return size.cx >= area.right - area.left && size.cy >= area.bottom - area.top
             ? BufferStart::kCoveredByDrawing
             : BufferStart::kBlack;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const BitmapDC source(bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& area) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const BitmapDC source(bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(),
             0, 0, size.cx, size.cy, SRCCOPY);
}

void AlphaBlendBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const BitmapDC source(bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, blend);
}

void DrawWithoutBlack(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const BitmapDC source(bitmap);
  TransparentBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, RGB(0, 0, 0));
}

UniqueBitmap LoadResourceBitmap(int id) {
  return UniqueBitmap(static_cast<HBITMAP>(
      LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

UniqueBitmap CopyBitmap(HBITMAP bitmap) {
  if (!bitmap) return {};
  return UniqueBitmap(
      static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}
