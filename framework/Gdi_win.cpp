#include "framework/Gdi_win.h"

#include <gdiplus.h>

OffscreenBuffer::OffscreenBuffer(HDC target, const RECT& area)
    : target_(target), area_(area), memory_(UniqueDC::Compatible(target)) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  bitmap_.reset(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1));
  oldBitmap_ = SelectObject(memory_.get(), bitmap_.get());
  // Drawing code uses the target's coordinates.
  SetViewportOrgEx(memory_.get(), -area.left, -area.top, nullptr);
}

OffscreenBuffer::~OffscreenBuffer() {
  SetViewportOrgEx(memory_.get(), 0, 0, nullptr);
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
         memory_.get(), 0, 0, SRCCOPY);
  SelectObject(memory_.get(), oldBitmap_);
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

BufferedPaint::BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
  HDC dc = BeginPaint(hwnd, &paint_);
  RECT client{};
  GetClientRect(hwnd, &client);
  buffer_ = std::make_unique<OffscreenBuffer>(dc, client);
}

BufferedPaint::~BufferedPaint() {
  buffer_.reset();  // the copy to the window comes before EndPaint
  EndPaint(hwnd_, &paint_);
}
