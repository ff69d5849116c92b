#include "controls/ControlDraw_win.h"

#include <map>
#include <tuple>

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
  using Key = std::tuple<int, int, std::wstring, BYTE, BYTE>;
  static std::map<Key, UniqueFont> fonts;
  UniqueFont& font = fonts[Key{height, weight, face, quality, pitchAndFamily}];
  if (!font) font = CreateCaptionFont(height, weight, face, quality, pitchAndFamily);
  return font.get();
}

std::wstring InterfaceFace() { return Wide(InterfaceFontFace()); }

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const UniqueDC source = UniqueDC::Compatible(dc);
  const SelectScope select(source.get(), bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& area) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const UniqueDC source = UniqueDC::Compatible(dc);
  const SelectScope select(source.get(), bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(),
             0, 0, size.cx, size.cy, SRCCOPY);
}

void AlphaBlendBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const UniqueDC source = UniqueDC::Compatible(dc);
  const SelectScope select(source.get(), bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, blend);
}

void DrawWithoutBlack(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const UniqueDC source = UniqueDC::Compatible(dc);
  const SelectScope select(source.get(), bitmap);
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
