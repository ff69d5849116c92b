#include "skin/SharedPictures_win.h"

#include <map>
#include <tuple>

#include "skin/SkinImages_win.h"

namespace {

enum class Decoding { kPicture, kAlphaPng, kScaled };

struct Key {
  std::wstring path;
  Decoding decoding;
  int width = 0;
  int height = 0;

  bool operator<(const Key& other) const {
    return std::tie(path, decoding, width, height) <
           std::tie(other.path, other.decoding, other.width, other.height);
  }
};

struct Decoded {
  UniqueBitmap bitmap;
  SIZE size{};
};

// Failures are kept too: a missing file is looked for once.
std::map<Key, Decoded>& Pictures() {
  static std::map<Key, Decoded> pictures;
  return pictures;
}

struct Outline {
  UniqueRegion region;
  SIZE size{};
};

std::map<std::wstring, Outline>& Outlines() {
  static std::map<std::wstring, Outline> outlines;
  return outlines;
}

const Decoded& Find(const Key& key) {
  auto found = Pictures().find(key);
  if (found != Pictures().end()) return found->second;
  Decoded decoded;
  switch (key.decoding) {
    case Decoding::kPicture:
      LoadPictureFile(key.path, decoded.bitmap, &decoded.size);
      break;
    case Decoding::kAlphaPng:
      LoadAlphaPng(key.path, decoded.bitmap);
      break;
    case Decoding::kScaled:
      decoded.bitmap = LoadScaledPicture(key.path, key.width, key.height);
      break;
  }
  if (decoded.bitmap && key.decoding != Decoding::kPicture) {
    BITMAP info{};
    if (GetObjectW(decoded.bitmap.get(), sizeof info, &info))
      decoded.size = SIZE{info.bmWidth, info.bmHeight};
  }
  return Pictures().emplace(key, std::move(decoded)).first->second;
}

}  // namespace

HBITMAP SharedPicture(const std::wstring& path, SIZE* size) {
  const Decoded& decoded = Find(Key{path, Decoding::kPicture});
  if (size) *size = decoded.size;
  return decoded.bitmap.get();
}

HBITMAP SharedAlphaPng(const std::wstring& path) {
  return Find(Key{path, Decoding::kAlphaPng}).bitmap.get();
}

HBITMAP SharedScaledPicture(const std::wstring& path, int width, int height) {
  return Find(Key{path, Decoding::kScaled, width, height}).bitmap.get();
}

UniqueRegion SharedOutline(const std::wstring& maskPath, SIZE* size) {
  auto found = Outlines().find(maskPath);
  if (found == Outlines().end()) {
    Outline outline;
    UniqueBitmap mask;
    LoadPictureFile(maskPath, mask, &outline.size);
    outline.region = RegionFromMask(mask.get());
    found = Outlines().emplace(maskPath, std::move(outline)).first;
  }
  if (size) *size = found->second.size;
  if (!found->second.region) return {};
  UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  if (copy && CombineRgn(copy.get(), found->second.region.get(), nullptr, RGN_COPY) == ERROR)
    copy.reset();
  return copy;
}
