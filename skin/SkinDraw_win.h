// Texts and pictures placed by entries of the current skin file.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/GdiHandles_win.h"

// Draws `text` (the entry's Text when empty) into the entry's rectangle with
// DrawTextW and `format`, its top moved down to centre one line of the DC's
// current font. Escaped "\r\n" in the text breaks the line. Font, colour and
// background mode are the caller's.
void DrawSkinText(HDC dc, std::u16string_view section, std::u16string_view key, UINT format,
                  std::u16string_view text = {});

// Draws program folder + `folder` + the entry's Text, scaled into the entry's
// rectangle. A missing or undecodable file, or a name leaving `folder`, draws nothing.
void DrawSkinImage(HDC dc, std::u16string_view section, std::u16string_view key,
                   std::u16string_view folder);

// The sheet a screen section's key names, from the skins folder; `size`
// (optional) gets its pixel size. Empty when the name is missing, leaves the
// folder or cannot be decoded.
UniqueBitmap LoadSkinSheet(std::u16string_view section, std::u16string_view key,
                           SIZE* size = nullptr);

// A picture placed by a skin entry, as DrawSkinImage draws it but decoded and
// scaled once: windows that repaint often draw it with one blend.
class SkinPicture {
 public:
  // Reads the entry and decodes its picture at the entry's size; false (and
  // nothing to draw) when the file is missing or undecodable.
  bool Load(std::u16string_view section, std::u16string_view key, std::u16string_view folder);
  void Draw(HDC dc) const;
  const RECT& rect() const { return rect_; }

 private:
  RECT rect_{};
  UniqueBitmap bitmap_;  // premultiplied alpha, the entry's size
};
