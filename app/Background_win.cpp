#include "app/Background_win.h"

#include "controls/ControlDraw_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinImages_win.h"

namespace {

// The veil over the picture: black at alpha 0x1E.
constexpr BYTE kVeilAlpha = 0x1E;

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DrawVeil(HDC dc) {
  static const UniqueBitmap black = CreateDibSection32(1, 1, true);
  const BitmapDC source(black.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, kVeilAlpha, 0};
  const RECT& a = kPictureArea;
  AlphaBlend(dc, a.left, a.top, a.right - a.left, a.bottom - a.top, source.get(), 0, 0, 1, 1,
             blend);
}

UniqueBitmap ClientBitmap(SIZE size) {
  const UniqueDC screen = UniqueDC::ForWindow(nullptr);
  return UniqueBitmap(
      CreateCompatibleBitmap(screen.get(), size.cx > 0 ? size.cx : 1, size.cy > 0 ? size.cy : 1));
}

}  // namespace

void MainBackground::SetPicture(const std::wstring& path) {
  const std::wstring chosen = !path.empty() && FileExists(path)
                                  ? path
                                  : Paths().programFolder + L"skins\\DefaultPic\\BGDef.jpg";
  LoadPictureFile(chosen, picture_, &pictureSize_);
  Invalidate();
}

void MainBackground::DrawPicture(HDC dc) const {
  if (!picture_) return;
  const BitmapDC source(picture_.get());
  const RECT& a = kPictureArea;
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, a.left, a.top, a.right - a.left, a.bottom - a.top, source.get(), 0, 0,
             pictureSize_.cx, pictureSize_.cy, SRCCOPY);
}

void MainBackground::DrawFrame(HDC dc) {
  if (!frameLoaded_) {
    const RECT& a = kPictureArea;
    frame_ = LoadScaledPicture(Paths().programFolder + L"skins\\DefaultPic\\Frame.png",
                               a.right - a.left, a.bottom - a.top);
    frameLoaded_ = true;
  }
  BlendPremultiplied(dc, frame_.get(), kPictureArea.left, kPictureArea.top,
                     kPictureArea.right - kPictureArea.left,
                     kPictureArea.bottom - kPictureArea.top);
}

HBITMAP MainBackground::Composed(HBITMAP sheet, SIZE size) {
  UniqueBitmap& composed = composed_[sheet];
  if (composed) return composed.get();
  composed = ClientBitmap(size);
  // The picture's drawing sets modes on its DC: a DC of its own.
  const UniqueDC dc = UniqueDC::Compatible(nullptr);
  const SelectScope select(dc.get(), composed.get());
  DrawBitmap(dc.get(), sheet, 0, 0);
  if (!picture_) {
    // Without a picture the frame lies over the sheet itself.
    DrawFrame(dc.get());
    DrawVeil(dc.get());
    return composed.get();
  }
  // The picture covers its whole area: what lies over it there is the same on
  // every page and is composed once.
  if (!pictureLayer_) {
    pictureLayer_ = ClientBitmap(size);
    const UniqueDC layer = UniqueDC::Compatible(nullptr);
    const SelectScope selectLayer(layer.get(), pictureLayer_.get());
    DrawPicture(layer.get());
    DrawFrame(layer.get());
    DrawVeil(layer.get());
  }
  const BitmapDC layer(pictureLayer_.get());
  const RECT& a = kPictureArea;
  BitBlt(dc.get(), a.left, a.top, a.right - a.left, a.bottom - a.top, layer.get(), a.left, a.top,
         SRCCOPY);
  return composed.get();
}

UniqueBitmap MainBackground::ComposeBackdrop(HBITMAP sheet, SIZE size) const {
  UniqueBitmap backdrop = ClientBitmap(size);
  {
    const UniqueDC dc = UniqueDC::Compatible(nullptr);
    const SelectScope select(dc.get(), backdrop.get());
    DrawBitmap(dc.get(), sheet, 0, 0);
    DrawPicture(dc.get());
    DrawVeil(dc.get());
  }
  return backdrop;
}
