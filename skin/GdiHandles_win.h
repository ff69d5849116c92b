// Owners of GDI handles. Each is move-only and deletes its object once; a
// selected object is always put back before anything is deleted.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

template <typename Handle>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(Handle handle) : handle_(handle) {}
  ~UniqueGdi() { reset(); }
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueRegion = UniqueGdi<HRGN>;

// A memory device context (DeleteDC) or a window's (ReleaseDC).
class UniqueDC {
 public:
  UniqueDC() = default;
  static UniqueDC Compatible(HDC reference) {
    return UniqueDC(CreateCompatibleDC(reference), nullptr);
  }
  static UniqueDC ForWindow(HWND hwnd) { return UniqueDC(GetDC(hwnd), hwnd, true); }
  ~UniqueDC() { reset(); }
  UniqueDC(UniqueDC&& o) noexcept
      : dc_(std::exchange(o.dc_, nullptr)), hwnd_(o.hwnd_), window_(o.window_) {}
  UniqueDC& operator=(UniqueDC&& o) noexcept {
    if (this != &o) {
      reset();
      dc_ = std::exchange(o.dc_, nullptr);
      hwnd_ = o.hwnd_;
      window_ = o.window_;
    }
    return *this;
  }
  UniqueDC(const UniqueDC&) = delete;
  UniqueDC& operator=(const UniqueDC&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset() {
    if (!dc_) return;
    if (window_)
      ReleaseDC(hwnd_, dc_);
    else
      DeleteDC(dc_);
    dc_ = nullptr;
  }

 private:
  UniqueDC(HDC dc, HWND hwnd, bool window = false) : dc_(dc), hwnd_(hwnd), window_(window) {}
  HDC dc_ = nullptr;
  HWND hwnd_ = nullptr;
  bool window_ = false;
};

// Selects an object into a DC for the scope and selects the old one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectScope() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A bitmap selected into one of a few memory DCs kept for the thread, so that
// copying from or into a bitmap makes no DC; the DC's own bitmap is selected
// back at the end of the scope. A scope inside a scope takes another DC. The
// bitmap must not be selected into another DC meanwhile. Only for copying:
// drawing that sets modes or origins on a DC takes a DC of its own.
class BitmapDC {
 public:
  explicit BitmapDC(HBITMAP bitmap);
  ~BitmapDC();
  BitmapDC(const BitmapDC&) = delete;
  BitmapDC& operator=(const BitmapDC&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::size_t slot_ = 0;
};

// Bitmap sizes the program makes: 1..32767 on each side and at most 64 Mi
// pixels, so that sizes read from files cannot exhaust memory.
bool IsSaneBitmapSize(long long width, long long height);

// A 32-bit, one-plane, uncompressed DIB section; top-down rows when asked.
// `bits` (optional) receives its pixels. Empty for sizes that are not sane
// or when the system refuses.
UniqueBitmap CreateDibSection32(int width, int height, bool topDown, void** bits = nullptr);

// GDI+ for the scope: started on construction, shut down on destruction.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};
