// Image files as the skin routines read them: whole, size-limited, from a
// memory stream.
#pragma once

#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>
#include <objidl.h>

#include <memory>
#include <string>

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
using UniqueStream = std::unique_ptr<IStream, ComRelease>;

// The whole file in a movable global memory block behind a stream; empty when
// the file is missing, unreadable or above kMaxImageFileBytes.
UniqueStream ImageFileStream(const std::wstring& path);

// A file decoded by GDI+. GDI+ may read its stream until the bitmap is
// deleted, so both live together.
struct GdiplusImage {
  UniqueStream stream;
  std::unique_ptr<Gdiplus::Bitmap> bitmap;

  explicit operator bool() const { return bitmap != nullptr; }
};
GdiplusImage DecodeWithGdiplus(const std::wstring& path);
