// Painting: the off-screen buffer every window composes in.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/GdiHandles_win.h"

// The one way to paint: compose into an off-screen bitmap of the target's
// size, then copy it to the target once when the buffer goes out of scope.
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, const RECT& area);
  ~OffscreenBuffer();
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

  HDC dc() const { return memory_.get(); }
  const RECT& area() const { return area_; }

 private:
  HDC target_;
  RECT area_;
  UniqueDC memory_;
  UniqueBitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
};

// WM_PAINT of a whole window: BeginPaint, an off-screen buffer of the client
// area to compose in, and at the end of the scope one copy, then EndPaint.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  HDC dc() const { return buffer_->dc(); }
  const RECT& area() const { return buffer_->area(); }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  std::unique_ptr<OffscreenBuffer> buffer_;
};
