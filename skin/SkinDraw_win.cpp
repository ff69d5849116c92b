#include "skin/SkinDraw_win.h"

#include "settings/WideText_win.h"
#include "skin/GdiHandles_win.h"
#include "skin/ImageFile_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"

void DrawSkinText(HDC dc, std::u16string_view section, std::u16string_view key, UINT format,
                  std::u16string_view text) {
  const SkinEntry entry = ParseSkinEntryUncut(ReadSkinValue(section, key));
  std::wstring line = Wide(SkinTextToDraw(entry, text));
  SIZE extent = {};
  GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
  RECT box = {entry.left, CentredTop(entry.top, entry.bottom, extent.cy), entry.right,
              entry.bottom};
  DrawTextW(dc, line.data(), static_cast<int>(line.size()), &box, format);
}

void DrawSkinImage(HDC dc, std::u16string_view section, std::u16string_view key,
                   std::u16string_view folder) {
  const SkinEntry entry = ParseSkinEntryUncut(ReadSkinValue(section, key));
  const long long width = static_cast<long long>(entry.right) - entry.left;
  const long long height = static_cast<long long>(entry.bottom) - entry.top;
  if (!IsSkinRelativeName(entry.text) || !IsSaneBitmapSize(width, height)) return;
  const GdiplusImage image =
      DecodeWithGdiplus(Paths().programFolder + Wide(folder) + Wide(entry.text));
  if (!image) return;
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(
      image.bitmap.get(),
      Gdiplus::Rect(entry.left, entry.top, static_cast<INT>(width), static_cast<INT>(height)));
}
