// What the screen shows, read back through the screen's DC: under Wine that is
// what the X server holds, after the window's drawing has been flushed to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "skin/GdiHandles_win.h"

// The pixels of one screen rectangle, 0x00RRGGBB, rows top-down.
class ScreenPixels {
 public:
  explicit ScreenPixels(const RECT& screenArea);
  ScreenPixels(ScreenPixels&&) = default;
  ScreenPixels& operator=(ScreenPixels&&) = default;

  // Reads the whole area, or only `part` (in area coordinates) into its place.
  bool Read();
  bool Read(const RECT& part);

  const RECT& area() const { return area_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::uint32_t At(int offset) const { return bits_[offset] & 0xFFFFFF; }
  int size() const { return width_ * height_; }

  // A 24-bit BMP of the area.
  bool SaveBmp(const std::filesystem::path& path) const;

 private:
  RECT area_{};
  int width_ = 0, height_ = 0;
  UniqueBitmap dib_;
  std::uint32_t* bits_ = nullptr;
  UniqueDC screen_;
  UniqueDC memory_;
};

// The pixels a page switch must change: those where the page before and the
// page after differ and neither ever changed while its page stood still (a
// caret, say). `box` bounds them.
struct ChangedPixels {
  std::vector<int> offsets;
  RECT box{};
};

// Marks in `marks` the pixels where `a` and `b` differ; returns how many differ.
int MarkDifferences(const ScreenPixels& a, const ScreenPixels& b, std::vector<bool>& marks);
ChangedPixels PixelsToChange(const ScreenPixels& before, const ScreenPixels& after,
                             const std::vector<bool>& unstable);
// Whether every pixel to change shows what `after` holds.
bool ShowsPage(const ScreenPixels& live, const ScreenPixels& after, const ChangedPixels& changed);
// How many of them do not yet.
int PixelsStillWrong(const ScreenPixels& live, const ScreenPixels& after,
                     const ChangedPixels& changed);
