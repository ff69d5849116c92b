// The main window's background: the page's sheet with the background picture,
// the frame and a dark veil over the picture area. Each page's composition is
// made once and kept until the picture or the skin changes.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "skin/GdiHandles_win.h"

// Where the background picture is drawn, in client coordinates.
constexpr RECT kPictureArea{313, 0, 313 + 856, 700};

class MainBackground {
 public:
  // Shows the picture at `path` when it names an existing file, else the
  // default picture; every composition is made again.
  void SetPicture(const std::wstring& path);
  // Forgets every composition (after the skin changed).
  void Invalidate() {
    composed_.clear();
    pictureLayer_.reset();
  }

  // The page's whole background for a client of `size`, composed on first use.
  HBITMAP Composed(HBITMAP sheet, SIZE size);
  // The picture with the veil over a copy of `sheet`, without the frame: the
  // backdrop of the sliders' tracks and the image buttons.
  UniqueBitmap ComposeBackdrop(HBITMAP sheet, SIZE size) const;

 private:
  void DrawPicture(HDC dc) const;
  void DrawFrame(HDC dc);

  UniqueBitmap picture_;
  SIZE pictureSize_{};
  UniqueBitmap frame_;
  bool frameLoaded_ = false;
  // The picture area with the picture, frame and veil, shared by the pages.
  UniqueBitmap pictureLayer_;
  std::map<HBITMAP, UniqueBitmap> composed_;
};
