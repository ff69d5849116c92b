#include "skin/GdiHandles_win.h"

#include <gdiplus.h>

#include <vector>

namespace {

struct PooledDC {
  UniqueDC dc;
  bool busy = false;
};

std::vector<PooledDC>& DcPool() {
  thread_local std::vector<PooledDC> pool;
  return pool;
}

}  // namespace

BitmapDC::BitmapDC(HBITMAP bitmap) {
  auto& pool = DcPool();
  for (slot_ = 0; slot_ < pool.size() && pool[slot_].busy; ++slot_) {
  }
  if (slot_ == pool.size()) pool.push_back(PooledDC{UniqueDC::Compatible(nullptr)});
  pool[slot_].busy = true;
  dc_ = pool[slot_].dc.get();
  if (dc_ && bitmap) old_ = SelectObject(dc_, bitmap);
}

BitmapDC::~BitmapDC() {
  if (dc_ && old_) SelectObject(dc_, old_);
  DcPool()[slot_].busy = false;
}

bool IsSaneBitmapSize(long long width, long long height) {
  return width > 0 && height > 0 && width <= 32767 && height <= 32767 &&
         width * height <= (64ll << 20);
}

UniqueBitmap CreateDibSection32(int width, int height, bool topDown, void** bits) {
  if (bits) *bits = nullptr;
  if (!IsSaneBitmapSize(width, height)) return {};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = topDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (dib && bits) *bits = pixels;
  return dib;
}

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}
