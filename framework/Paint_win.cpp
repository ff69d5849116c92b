#include "framework/Paint_win.h"

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
