// Texts and pictures placed by entries of the current skin file.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/GdiHandles_win.h"
#include "skin/SkinFile.h"

// The rectangle of a parsed skin entry.
inline RECT RectOf(const SkinEntry& entry) {
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

// A text placed by a skin entry, read and parsed once (per build of the
// window that shows it) and drawn by its paints.
class SkinText {
 public:
  // `text` replaces the entry's Text when not empty. Escaped "\r\n" in the
  // text breaks the line.
  void Load(std::u16string_view section, std::u16string_view key, std::u16string_view text = {});
  // Draws into the entry's rectangle with DrawTextW and `format`, its top
  // moved down to centre one line of the DC's current font. Font, colour and
  // background mode are the caller's.
  void Draw(HDC dc, UINT format) const;
  const RECT& rect() const { return rect_; }

 private:
  RECT rect_{};
  std::wstring line_;
};

// SkinText loaded and drawn at once, for windows that paint seldom.
void DrawSkinText(HDC dc, std::u16string_view section, std::u16string_view key, UINT format,
                  std::u16string_view text = {});

// Draws program folder + `folder` + the entry's Text, scaled into the entry's
// rectangle. A missing or undecodable file, or a name leaving `folder`, draws nothing.
void DrawSkinImage(HDC dc, std::u16string_view section, std::u16string_view key,
                   std::u16string_view folder);

// The image a screen section names under `key` ("Main", "Over", "Down",
// "Disabled", "Mask"), from the skins folder; empty when the name is missing,
// leaves that folder or cannot be decoded. `size` (optional) gets its size.
UniqueBitmap LoadScreenSheet(std::u16string_view section, std::u16string_view key,
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
