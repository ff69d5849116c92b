#include "skin/SkinImages_win.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "settings/FileIo.h"
#include "skin/ImageFile_win.h"

namespace {

bool IsWhite(std::uint32_t pixel) { return (pixel & 0x00FFFFFF) == 0x00FFFFFF; }

// One-pixel-high rectangles collected in region data and made into a region
// 2000 at a time, each batch OR-combined into the result, so the buffer never
// holds more than one batch.
class RegionBatches {
 public:
  void Add(LONG left, LONG right, LONG y) {
    if (count_ == capacity_) Grow();
    Rects()[count_++] = RECT{left, y, right, y + 1};
    bounds_.left = std::min(bounds_.left, left);
    bounds_.right = std::max(bounds_.right, right);
    bounds_.top = std::min(bounds_.top, y);
    bounds_.bottom = std::max(bounds_.bottom, y + 1);
    if (count_ == kBatch) Flush();
  }

  // The union of everything added; empty when nothing was or a step failed.
  UniqueRegion Finish() {
    Flush();
    if (failed_) return {};
    return std::move(result_);
  }

 private:
  static constexpr DWORD kBatch = 2000;
  static constexpr DWORD kGrowth = 100;

  RECT* Rects() { return reinterpret_cast<RECT*>(buffer_.data() + sizeof(RGNDATAHEADER)); }

  void Grow() {
    capacity_ += kGrowth;
    buffer_.resize(sizeof(RGNDATAHEADER) + capacity_ * sizeof(RECT));
  }

  void Flush() {
    if (count_ == 0 || failed_) return;
    auto* data = reinterpret_cast<RGNDATA*>(buffer_.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = count_;
    data->rdh.nRgnSize = count_ * sizeof(RECT);
    data->rdh.rcBound = bounds_;
    UniqueRegion part(
        ExtCreateRegion(nullptr, sizeof(RGNDATAHEADER) + count_ * sizeof(RECT), data));
    count_ = 0;
    bounds_ = kNoBounds;
    if (!part) {
      failed_ = true;
      return;
    }
    if (!result_) {
      result_ = std::move(part);
      return;
    }
    if (CombineRgn(result_.get(), result_.get(), part.get(), RGN_OR) == ERROR) failed_ = true;
  }

  static constexpr RECT kNoBounds = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  std::vector<unsigned char> buffer_;  // RGNDATAHEADER, then the rectangles
  DWORD capacity_ = 0;
  DWORD count_ = 0;
  RECT bounds_ = kNoBounds;
  UniqueRegion result_;
  bool failed_ = false;
};

}  // namespace

UniqueStream ImageFileStream(const std::wstring& path) {
  std::string bytes;
  if (ReadWholeFile(path, bytes, kMaxImageFileBytes) != ReadResult::kOk || bytes.empty()) return {};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return {};
  void* memory = GlobalLock(block);
  if (!memory) {
    GlobalFree(block);
    return {};
  }
  std::memcpy(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
    GlobalFree(block);
    return {};
  }
  return UniqueStream(stream);
}

GdiplusImage DecodeWithGdiplus(const std::wstring& path) {
  GdiplusImage image;
  image.stream = ImageFileStream(path);
  if (!image.stream) return {};
  image.bitmap.reset(Gdiplus::Bitmap::FromStream(image.stream.get()));
  if (!image.bitmap || image.bitmap->GetLastStatus() != Gdiplus::Ok) return {};
  if (!IsSaneBitmapSize(image.bitmap->GetWidth(), image.bitmap->GetHeight())) return {};
  return image;
}

bool LoadPictureFile(const std::wstring& path, UniqueBitmap& bitmap, SIZE* size) {
  bitmap.reset();
  if (size) *size = SIZE{0, 0};
  // GDI+ gives the same pixels as the system picture decoder, faster.
  GdiplusImage image = DecodeWithGdiplus(path);
  if (!image) return false;
  const int width = static_cast<int>(image.bitmap->GetWidth());
  const int height = static_cast<int>(image.bitmap->GetHeight());
  void* bits = nullptr;
  UniqueBitmap dib = CreateDibSection32(width, height, true, &bits);
  if (!dib) return false;
  // Decoded straight into the DIB's pixels.
  Gdiplus::Rect area(0, 0, width, height);
  Gdiplus::BitmapData data = {};
  data.Width = static_cast<UINT>(width);
  data.Height = static_cast<UINT>(height);
  data.Stride = width * 4;
  data.PixelFormat = PixelFormat32bppRGB;
  data.Scan0 = bits;
  if (image.bitmap->LockBits(&area, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                             PixelFormat32bppRGB, &data) != Gdiplus::Ok)
    return false;
  image.bitmap->UnlockBits(&data);
  bitmap = std::move(dib);
  if (size) *size = SIZE{width, height};
  return true;
}

bool LoadAlphaPng(const std::wstring& path, UniqueBitmap& bitmap) {
  bitmap.reset();
  GdiplusImage image = DecodeWithGdiplus(path);
  if (!image) return false;
  const int width = static_cast<int>(image.bitmap->GetWidth());
  const int height = static_cast<int>(image.bitmap->GetHeight());
  void* bits = nullptr;
  UniqueBitmap dib = CreateDibSection32(width, height, true, &bits);
  if (!dib) return false;
  Gdiplus::Rect area(0, 0, width, height);
  Gdiplus::BitmapData data = {};
  if (image.bitmap->LockBits(&area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
      Gdiplus::Ok)
    return false;
  // Premultiplied alpha, as AlphaBlend with AC_SRC_ALPHA expects.
  auto* out = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    const auto* in =
        static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride;
    for (int x = 0; x < width; ++x, in += 4, out += 4) {
      const unsigned alpha = in[3];
      out[0] = static_cast<std::uint8_t>(in[0] * alpha / 255);
      out[1] = static_cast<std::uint8_t>(in[1] * alpha / 255);
      out[2] = static_cast<std::uint8_t>(in[2] * alpha / 255);
      out[3] = static_cast<std::uint8_t>(alpha);
    }
  }
  image.bitmap->UnlockBits(&data);
  bitmap = std::move(dib);
  return true;
}

UniqueBitmap LoadScaledPicture(const std::wstring& path, int width, int height) {
  if (!IsSaneBitmapSize(width, height)) return {};
  const GdiplusImage image = DecodeWithGdiplus(path);
  if (!image) return {};
  void* bits = nullptr;
  UniqueBitmap dib = CreateDibSection32(width, height, true, &bits);
  if (!dib) return {};
  // GDI+ scales into the DIB's own pixels, premultiplied as AlphaBlend wants.
  Gdiplus::Bitmap target(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits));
  Gdiplus::Graphics graphics(&target);
  if (graphics.DrawImage(image.bitmap.get(), Gdiplus::Rect(0, 0, width, height)) != Gdiplus::Ok)
    return {};
  return dib;
}

void BlendPremultiplied(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap) return;
  const BitmapDC source(bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, width, height, source.get(), 0, 0, width, height, blend);
}

void CutSheetImage(UniqueBitmap& face, HDC dc, HBITMAP sheet, const RECT& rect) {
  if (!sheet) return;
  face.reset();
  const long long width = static_cast<long long>(rect.right) - rect.left;
  const long long height = static_cast<long long>(rect.bottom) - rect.top;
  if (!IsSaneBitmapSize(width, height)) return;
  // Without a DC the face takes the sheet's own format: a memory DC holding
  // the sheet makes it, far cheaper than the screen's DC.
  const BitmapDC source(sheet);
  UniqueBitmap cut(CreateCompatibleBitmap(dc ? dc : source.get(), static_cast<int>(width),
                                          static_cast<int>(height)));
  if (!cut) return;
  {
    const BitmapDC target(cut.get());
    BitBlt(target.get(), 0, 0, static_cast<int>(width), static_cast<int>(height), source.get(),
           rect.left, rect.top, SRCCOPY);
  }
  face = std::move(cut);
}

HBITMAP CreateDib32(int width, int height, UniqueBitmap& bitmap) {
  bitmap = CreateDibSection32(width, height, false);
  return bitmap.get();
}

UniqueRegion RegionFromMask(HBITMAP mask) {
  BITMAP info = {};
  if (!mask || !GetObjectW(mask, sizeof info, &info) ||
      !IsSaneBitmapSize(info.bmWidth, info.bmHeight))
    return {};
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  const std::unique_ptr<std::uint32_t[]> pixels(
      new (std::nothrow) std::uint32_t[static_cast<std::size_t>(width) * height]);
  if (!pixels) return {};
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  const UniqueDC dc = UniqueDC::Compatible(nullptr);
  if (GetDIBits(dc.get(), mask, 0, height, pixels.get(), &format, DIB_RGB_COLORS) != height)
    return {};

  RegionBatches region;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.get() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width;) {
      while (x < width && IsWhite(row[x])) ++x;
      if (x == width) break;
      const int start = x;
      while (x < width && !IsWhite(row[x])) ++x;
      region.Add(start, x, y);
    }
  }
  return region.Finish();
}

bool ApplyWindowOutline(HWND window, HBITMAP mask) {
  return ApplyWindowOutline(window, RegionFromMask(mask));
}

bool ApplyWindowOutline(HWND window, UniqueRegion outline) {
  if (outline && SetWindowRgn(window, outline.get(), TRUE)) {
    outline.release();  // the window owns it now
    return true;
  }
  MessageBoxW(window, L"error", nullptr, MB_OK);
  return false;
}
