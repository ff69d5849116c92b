// The skin's small pictures decoded once per process and shared: masks and
// the outlines made from them, tips, menu faces, icons and pictures scaled to
// a size. Windows borrow them and never delete them. Screen sheets are not
// kept here: they are large and live only while a window is built.
#pragma once

#include <windows.h>

#include <string>

#include "skin/GdiHandles_win.h"

// The picture of a file as LoadPictureFile decodes it; null when it cannot
// be decoded. `size` (optional) gets its size, 0 x 0 on failure.
HBITMAP SharedPicture(const std::wstring& path, SIZE* size = nullptr);
// A PNG as LoadAlphaPng decodes it (premultiplied alpha); null on failure.
HBITMAP SharedAlphaPng(const std::wstring& path);
// A picture as LoadScaledPicture scales it to width x height; null on failure.
HBITMAP SharedScaledPicture(const std::wstring& path, int width, int height);
// A new copy of the outline of a mask file (RegionFromMask), the caller's to
// own or to hand to SetWindowRgn; empty when the mask gives none. Only the
// outline is kept, not the mask. `size` (optional) gets the mask's size.
UniqueRegion SharedOutline(const std::wstring& maskPath, SIZE* size = nullptr);
