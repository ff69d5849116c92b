#include "skin/SkinDraw_win.h"

#include "settings/WideText_win.h"
#include "skin/GdiHandles_win.h"
#include "skin/ImageFile_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"
#include "skin/SkinImages_win.h"

void SkinText::Load(std::u16string_view section, std::u16string_view key,
                    std::u16string_view text) {
  const SkinEntry entry = ParseSkinEntryUncut(ReadSkinValue(section, key));
  rect_ = RECT{entry.left, entry.top, entry.right, entry.bottom};
  line_ = Wide(SkinTextToDraw(entry, text));
}

void SkinText::Draw(HDC dc, UINT format) const {
  SIZE extent = {};
  GetTextExtentPoint32W(dc, line_.c_str(), static_cast<int>(line_.size()), &extent);
  RECT box = {rect_.left, CentredTop(rect_.top, rect_.bottom, extent.cy), rect_.right,
              rect_.bottom};
  DrawTextW(dc, line_.c_str(), static_cast<int>(line_.size()), &box, format);
}

void DrawSkinText(HDC dc, std::u16string_view section, std::u16string_view key, UINT format,
                  std::u16string_view text) {
  SkinText skinText;
  skinText.Load(section, key, text);
  skinText.Draw(dc, format);
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

UniqueBitmap LoadScreenSheet(std::u16string_view section, std::u16string_view key, SIZE* size) {
  UniqueBitmap sheet;
  if (size) *size = SIZE{};
  const std::u16string name = ReadSkinValue(section, key);
  if (!name.empty() && IsSkinRelativeName(name))
    LoadPictureFile(Paths().programFolder + L"skins\\" + Wide(name), sheet, size);
  return sheet;
}

bool SkinPicture::Load(std::u16string_view section, std::u16string_view key,
                       std::u16string_view folder) {
  bitmap_.reset();
  const SkinEntry entry = ParseSkinEntryUncut(ReadSkinValue(section, key));
  rect_ = RECT{entry.left, entry.top, entry.right, entry.bottom};
  if (!IsSkinRelativeName(entry.text)) return false;
  bitmap_ = LoadScaledPicture(Paths().programFolder + Wide(folder) + Wide(entry.text),
                              entry.right - entry.left, entry.bottom - entry.top);
  return static_cast<bool>(bitmap_);
}

void SkinPicture::Draw(HDC dc) const {
  BlendPremultiplied(dc, bitmap_.get(), rect_.left, rect_.top, rect_.right - rect_.left,
                     rect_.bottom - rect_.top);
}
