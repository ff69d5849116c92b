// Painting: the off-screen buffer every window composes in.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/GdiHandles_win.h"

// What a buffer starts with: black, or whatever it held, for drawing that
// covers every pixel of it anyway (a face, a composed background).
enum class BufferStart { kBlack, kCoveredByDrawing };

// The one way to paint: compose into an off-screen bitmap of the target's
// size, then copy it to the target once when the buffer goes out of scope.
// The memory DCs and bitmaps are kept and reused: painting makes no GDI
// objects. Each use starts with the DC's default state.
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, const RECT& area, BufferStart start = BufferStart::kBlack);
  ~OffscreenBuffer();
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

  HDC dc() const;
  const RECT& area() const { return area_; }

  struct Scratch;

 private:
  HDC target_;
  RECT area_;
  Scratch* scratch_;
  int savedState_ = 0;
};

// WM_PAINT of a whole window: BeginPaint, an off-screen buffer to compose in,
// and at the end of the scope one copy, then EndPaint. Drawing uses client
// coordinates; only the part that needs painting is kept and copied.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd, BufferStart start = BufferStart::kBlack);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  HDC dc() const { return buffer_->dc(); }
  // The whole client area, which drawing code lays out in.
  const RECT& area() const { return client_; }
  // The part of it that is painted.
  const RECT& dirty() const { return buffer_->area(); }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  RECT client_{};
  std::unique_ptr<OffscreenBuffer> buffer_;
};
