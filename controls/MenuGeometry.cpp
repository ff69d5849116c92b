#include "controls/MenuGeometry.h"

#include <algorithm>

namespace {

void AddBand(std::vector<ImageBand>& bands, int sourceY, int targetY, int height, int limit) {
  height = std::min(height, limit - targetY);
  if (height > 0 && sourceY >= 0) bands.push_back({sourceY, targetY, height});
}

}  // namespace

std::vector<ImageBand> ResizeMenuImageBands(int oldHeight, int newHeight, int edge) {
  std::vector<ImageBand> bands;
  const int o = oldHeight, n = newHeight, e = std::max(edge, 0);
  if (o <= 0 || n <= 0) return bands;
  if (n >= o) {
    AddBand(bands, 0, 0, o, n);
    const int middle = o - 2 * e;
    if (middle > 0) {
      const int repeats = (n - o + e) / middle + 1;
      for (int k = 0; k < repeats; ++k) AddBand(bands, e, e + k * middle, middle, n);
    }
    if (e < o) AddBand(bands, e, std::max(n - o + e, e), o - e, n);
    return bands;
  }
  if (n > e) {
    AddBand(bands, 0, 0, n, n);
    AddBand(bands, o - e, n - e, e, n);
    return bands;
  }
  const int upper = n / 2;
  AddBand(bands, 0, 0, upper, n);
  AddBand(bands, o - (n - upper), upper, n - upper, n);
  return bands;
}

int ClampFirstVisible(int first, int itemCount, int visibleRows) {
  if (first < 0 || itemCount < visibleRows) return 0;
  return std::min(first, itemCount - visibleRows);
}

int MenuScrollTarget(int code, int thumbPosition, int first, int itemCount, int page) {
  switch (code) {
    case 0:  // SB_LINEUP
      return std::max(first - 1, 0);
    case 1:  // SB_LINEDOWN
      return first < itemCount - page ? first + 1 : first;
    case 2:  // SB_PAGEUP
      return std::max(first - page, 0);
    case 3:  // SB_PAGEDOWN
      return std::min(first + page, std::max(itemCount - page, 0));
    case 4:  // SB_THUMBPOSITION
    case 5:  // SB_THUMBTRACK
      return thumbPosition;
    case 6:  // SB_TOP
      return 0;
    case 7:  // SB_BOTTOM
      return itemCount;
    default:  // SB_ENDSCROLL
      return first;
  }
}

MenuPoint PlaceSubmenu(const SubmenuPlacement& p) {
  MenuPoint at{p.parent.x + p.parentImageWidth, p.parent.y + p.row * p.rowHeight};
  if (at.x + p.submenuImageWidth > p.screenWidth) at.x -= p.parentImageWidth + p.submenuImageWidth;
  const int rows = p.visibleRows < 0 ? p.childCount : p.visibleRows;
  const int below = std::max(std::min(p.childCount - 1, rows), 0) * p.rowHeight;
  if (at.y + below > p.screenHeight) at.y -= below;
  return at;
}
