#include "controls/RangeGeometry.h"

#include <algorithm>

int SliderValueAt(const SliderMetrics& s, int x) {
  const int offset = x - s.left - s.thumbWidth / 2;
  const int travel = s.width - s.thumbWidth;
  if (s.maximum <= s.minimum || travel <= 0) return s.minimum;
  if (offset > travel) return s.maximum;
  if (offset < s.thumbWidth / 2) return s.minimum;
  const float step = static_cast<float>(travel) / static_cast<float>(s.maximum - s.minimum);
  const int value = s.minimum + static_cast<int>(static_cast<float>(offset) / step + s.rounding);
  return std::min(value, s.maximum);
}

int SliderThumbX(const SliderMetrics& s, int position) {
  const int travel = s.width - s.thumbWidth;
  if (s.maximum <= s.minimum || travel <= 0) return 0;
  const float step = static_cast<float>(travel) / static_cast<float>(s.maximum - s.minimum);
  return static_cast<int>(step * static_cast<float>(position - s.minimum));
}

ScrollBarLayout LayOutScrollBar(int length, int cell, const ScrollRange& r, int shownPosition) {
  ScrollBarLayout l;
  l.length = std::max(length, 0);
  l.track = std::max(l.length - 2 * cell, 0);
  l.span = std::max(r.maximum + 1 - r.minimum - r.page, 0);
  const int positions = r.maximum - r.minimum + 1;
  if (l.track > kMinThumbLength - 1 && l.span > 0 && positions > 0)
    l.thumbLength = std::max(r.page * l.track / positions, kMinThumbLength);
  l.thumbLength = std::min(l.thumbLength, l.track);
  l.arrow = l.track > 0 ? cell : l.length / 2;
  if (l.span == 0) {
    l.thumbStart = l.arrow + (l.track - l.thumbLength) / 2;
    return l;
  }
  const int p = std::clamp(shownPosition - r.minimum, 0, l.span);
  l.thumbStart = l.arrow + p * (l.track - l.thumbLength) / l.span;
  return l;
}

int ScrollBarHitTest(const ScrollBarLayout& l, int cell, int along, int across) {
  if (across < 0 || across >= cell || along < 0 || along >= l.length) return -1;
  if (along < l.arrow) return 0;              // SB_LINEUP
  if (along >= l.length - l.arrow) return 1;  // SB_LINEDOWN
  if (along < l.thumbStart) return 2;         // SB_PAGEUP
  if (along < l.thumbEnd()) return 5;         // SB_THUMBTRACK
  return 3;                                   // SB_PAGEDOWN
}

int ScrollDragPosition(const ScrollBarLayout& l, const ScrollRange& r, int startPosition,
                       int delta) {
  const int positions = r.maximum - r.minimum - r.page + 1;
  const int pixels = l.track - l.thumbLength;
  const int moved = pixels == 0 ? 0 : delta * positions / pixels;
  return std::clamp(startPosition + moved, r.minimum, std::max(r.minimum, positions));
}
