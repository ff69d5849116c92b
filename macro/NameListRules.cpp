#include "macro/NameListRules.h"

#include <array>

int ButtonNumberOfMarker(int marker) {
  static constexpr std::array<int, 7> kButtonOfSlot = {1, 2, 3, 6, 4, 5, 7};
  if (marker < 1 || marker > static_cast<int>(kButtonOfSlot.size())) return 0;
  return kButtonOfSlot[marker - 1];
}

int HighlightAfterClick(int highlighted, int row) {
  if (row < 0) return highlighted;
  return row == highlighted ? -1 : row;
}

int RowAfterArrow(int current, int count, bool down) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return down ? 0 : -1;
  const int next = down ? current + 1 : current - 1;
  return next >= 0 && next < count ? next : -1;
}
