#include "bench/ScreenPixels_win.h"

#include <algorithm>
#include <string>

#include "settings/FileIo.h"

ScreenPixels::ScreenPixels(const RECT& screenArea)
    : area_(screenArea),
      width_(screenArea.right - screenArea.left),
      height_(screenArea.bottom - screenArea.top),
      screen_(UniqueDC::ForWindow(nullptr)),
      memory_(UniqueDC::Compatible(nullptr)) {
  void* bits = nullptr;
  dib_ = CreateDibSection32(width_, height_, true, &bits);
  bits_ = static_cast<std::uint32_t*>(bits);
}

bool ScreenPixels::Read() { return Read(RECT{0, 0, width_, height_}); }

bool ScreenPixels::Read(const RECT& part) {
  if (!bits_) return false;
  const SelectScope select(memory_.get(), dib_.get());
  return BitBlt(memory_.get(), part.left, part.top, part.right - part.left, part.bottom - part.top,
                screen_.get(), area_.left + part.left, area_.top + part.top, SRCCOPY) != FALSE;
}

bool ScreenPixels::SaveBmp(const std::filesystem::path& path) const {
  if (!bits_) return false;
  const int rowBytes = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = -height_;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes) * height_;
  std::string bytes(file.bfSize, '\0');
  std::copy_n(reinterpret_cast<const char*>(&file), sizeof file, bytes.begin());
  std::copy_n(reinterpret_cast<const char*>(&info), sizeof info, bytes.begin() + sizeof file);
  for (int y = 0; y < height_; ++y) {
    char* row = bytes.data() + file.bfOffBits + static_cast<std::size_t>(y) * rowBytes;
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t pixel = bits_[y * width_ + x];
      row[x * 3] = static_cast<char>(pixel & 0xFF);
      row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
  }
  return ReplaceFileAtomically(path, bytes);
}

int MarkDifferences(const ScreenPixels& a, const ScreenPixels& b, std::vector<bool>& marks) {
  marks.resize(a.size(), false);
  if (a.size() != b.size()) {
    std::fill(marks.begin(), marks.end(), true);
    return a.size();
  }
  int differing = 0;
  for (int i = 0; i < a.size(); ++i) {
    if (a.At(i) == b.At(i)) continue;
    marks[i] = true;
    ++differing;
  }
  return differing;
}

ChangedPixels PixelsToChange(const ScreenPixels& before, const ScreenPixels& after,
                             const std::vector<bool>& unstable) {
  ChangedPixels changed;
  RECT& box = changed.box;
  box = RECT{after.width(), after.height(), 0, 0};
  if (before.size() != after.size()) return changed;
  for (int i = 0; i < after.size(); ++i) {
    if (before.At(i) == after.At(i) || unstable[i]) continue;
    changed.offsets.push_back(i);
    const int x = i % after.width(), y = i / after.width();
    box.left = std::min<LONG>(box.left, x);
    box.top = std::min<LONG>(box.top, y);
    box.right = std::max<LONG>(box.right, x + 1);
    box.bottom = std::max<LONG>(box.bottom, y + 1);
  }
  if (changed.offsets.empty()) box = RECT{};
  return changed;
}

int PixelsStillWrong(const ScreenPixels& live, const ScreenPixels& after,
                     const ChangedPixels& changed) {
  return static_cast<int>(std::count_if(changed.offsets.begin(), changed.offsets.end(),
                                        [&](int i) { return live.At(i) != after.At(i); }));
}

bool ShowsPage(const ScreenPixels& live, const ScreenPixels& after, const ChangedPixels& changed) {
  return std::all_of(changed.offsets.begin(), changed.offsets.end(),
                     [&](int i) { return live.At(i) == after.At(i); });
}
