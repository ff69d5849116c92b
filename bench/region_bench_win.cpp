// RegionFromMask on a main-window-sized mask with an irregular outline, beside
// its floor: one pass over the same pixels plus one ExtCreateRegion with all
// rectangles in one call. Prints median times over repeated runs.
//   scripts/with-display scripts/wine-exec build/win/bin/region_bench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/Paint_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr int kWidth = 1560;
constexpr int kHeight = 700;

// A wobbly outline with rounded corners, round cut-outs and a vent grille;
// white outside.
bool Inside(int x, int y) {
  const double left = 24 + 14 * std::sin(y / 23.0) + 6 * std::sin(y / 5.0);
  const double right = kWidth - 30 - 18 * std::sin(y / 37.0) - 5 * std::cos(y / 3.0);
  if (x < left || x >= right) return false;
  const double corner = 60;
  const double cy = y < corner ? corner - y : y > kHeight - corner ? y - (kHeight - corner) : 0;
  const double cx = x < left + corner    ? left + corner - x
                    : x > right - corner ? x - (right - corner)
                                         : 0;
  if (cx * cx + cy * cy > corner * corner) return false;
  static const int holes[][3] = {{200, 150, 40}, {420, 500, 55},  {700, 120, 30},
                                 {980, 430, 60}, {1250, 250, 45}, {1400, 600, 35}};
  for (const auto& h : holes) {
    const int dx = x - h[0], dy = y - h[1];
    if (dx * dx + dy * dy < h[2] * h[2]) return false;
  }
  // A vent grille of small square holes: many short runs per row.
  if (x >= 1080 && x < 1440 && y >= 480 && y < 660 && x % 12 < 4 && y % 12 < 4) return false;
  // A strip of notches along the top, like a row of tabs.
  if (y >= 90 && y < 110 && x >= 421 && x < 1091 && (x - 421) % 170 >= 160) return false;
  return true;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The floor: runs read straight from the DIB's pixels, one region call.
UniqueRegion FloorRegion(const std::uint32_t* pixels, std::vector<RECT>& rects,
                         std::vector<unsigned char>& data) {
  rects.clear();
  for (int y = 0; y < kHeight; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * kWidth;
    for (int x = 0; x < kWidth;) {
      if ((row[x] & 0xFFFFFF) == 0xFFFFFF) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < kWidth && (row[x] & 0xFFFFFF) != 0xFFFFFF) ++x;
      rects.push_back(RECT{start, y, x, y + 1});
    }
  }
  data.resize(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  header->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rects.size()), 0,
                 RECT{0, 0, kWidth, kHeight}};
  std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(header->Buffer));
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), header));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 31;
  void* bits = nullptr;
  const UniqueBitmap mask = CreateDibSection32(kWidth, kHeight, true, &bits);
  if (!mask) return 1;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      pixels[y * kWidth + x] =
          Inside(x, y) ? 0x202020u + static_cast<std::uint32_t>(x % 7) : 0xFFFFFFu;
  GdiFlush();

  std::vector<RECT> rects;
  std::vector<unsigned char> data;
  rects.reserve(8192);
  std::vector<double> ours, floor;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    const UniqueRegion a = RegionFromMask(mask.get());
    QueryPerformanceCounter(&t1);
    const UniqueRegion b = FloorRegion(pixels, rects, data);
    QueryPerformanceCounter(&t2);
    if (!a || !b || !EqualRgn(a.get(), b.get())) {
      std::printf("regions differ\n");
      return 1;
    }
    ours.push_back(Milliseconds(t0, t1));
    floor.push_back(Milliseconds(t1, t2));
  }
  const double o = Median(ours), f = Median(floor);
  std::printf("mask %dx%d, %zu rectangles, %d runs\n", kWidth, kHeight, rects.size(), runs);
  std::printf("RegionFromMask        median %8.3f ms\n", o);
  std::printf("floor (pass + 1 call) median %8.3f ms\n", f);
  std::printf("ratio %.2f\n", o / f);
  return 0;
}
