// Image routines of the skin: screen sheets, control faces, outlines and
// alpha images. A missing, oversized or undecodable file leaves the target
// empty and the caller carries on; nothing is reported.
#pragma once

#include <windows.h>

#include <string>

#include "skin/GdiHandles_win.h"

// Image files above this size are refused like undecodable ones.
constexpr std::size_t kMaxImageFileBytes = 64u << 20;

// Decodes a BMP, JPEG or GIF file (the pixels of the system picture decoder,
// through GDI+) into a 32-bit DIB in `bitmap`, replacing what it held; `size`
// (optional) gets the pixel size. On failure `bitmap` is empty and `size` is
// 0 x 0.
bool LoadPictureFile(const std::wstring& path, UniqueBitmap& bitmap, SIZE* size = nullptr);

// Decodes a PNG (or any format GDI+ reads) into a 32-bit top-down DIB with
// premultiplied alpha (each channel * alpha / 255, truncated), as AlphaBlend
// expects. On failure `bitmap` is empty.
bool LoadAlphaPng(const std::wstring& path, UniqueBitmap& bitmap);

// Decodes any picture GDI+ reads and scales it to width x height, as a 32-bit
// top-down DIB with premultiplied alpha; empty on failure.
UniqueBitmap LoadScaledPicture(const std::wstring& path, int width, int height);
// Blends such a bitmap at (x, y) with its per-pixel alpha.
void BlendPremultiplied(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

// `face` becomes a 1:1 copy of `rect` of `sheet`, as a bitmap compatible with
// `dc` (with the sheet itself when null). An empty sheet leaves `face`
// unchanged; an empty rectangle empties it. `sheet` must not be selected into
// a DC.
void CutSheetImage(UniqueBitmap& face, HDC dc, HBITMAP sheet, const RECT& rect);

// A 32-bit bottom-up DIB of that size becomes `bitmap`'s; returns it (null on failure).
HBITMAP CreateDib32(int width, int height, UniqueBitmap& bitmap);

// Region of the non-white pixels of `mask` (white = red, green and blue all
// 255), in the bitmap's coordinates; empty when there are none or the region
// cannot be built. `mask` must not be selected into a DC.
UniqueRegion RegionFromMask(HBITMAP mask);

// Shapes `window` with RegionFromMask(mask). When no region results or the
// system refuses it, shows the message box "error" and the window stays
// rectangular. After success the system owns the region.
bool ApplyWindowOutline(HWND window, HBITMAP mask);
// The same with an outline made already (SharedOutline).
bool ApplyWindowOutline(HWND window, UniqueRegion outline);
