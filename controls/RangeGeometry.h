// Arithmetic of the slider and the skinned scroll bar, apart from any window.
#pragma once

// A horizontal slider as its parent places it.
struct SliderMetrics {
  int left = 0;   // slider left in the parent's client coordinates
  int width = 0;  // slider width
  int thumbWidth = 0;
  int minimum = 0;
  int maximum = 10;
  float rounding = 0.5f;  // added before truncation
};

// The value under x (parent coordinates), measured from the thumb's centre.
// An empty range or a thumb as wide as the slider gives the minimum.
int SliderValueAt(const SliderMetrics& slider, int x);
// Left edge of the thumb at `position`, relative to the slider.
int SliderThumbX(const SliderMetrics& slider, int position);

// Scroll state as the skinned scroll bar keeps it.
struct ScrollRange {
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int position = 0;
};

// Parts along the bar's axis; length, arrows and thumb in pixels.
struct ScrollBarLayout {
  int length = 0;  // the whole bar
  int track = 0;   // between the arrows
  int arrow = 0;   // each arrow
  int thumbStart = 0;
  int thumbLength = 0;  // 0: no thumb
  int span = 0;         // scrollable positions: maximum + 1 - minimum - page, 0 when none

  int thumbEnd() const { return thumbStart + thumbLength; }
};

constexpr int kMinThumbLength = 12;

// `shownPosition` is the track position while dragging, else the position.
ScrollBarLayout LayOutScrollBar(int length, int cell, const ScrollRange& range, int shownPosition);

// SB_LINEUP 0, SB_PAGEUP 2, SB_THUMBTRACK 5, SB_PAGEDOWN 3, SB_LINEDOWN 1, or -1
// outside the bar. `along` runs along the axis, `across` across it (0 .. cell).
int ScrollBarHitTest(const ScrollBarLayout& layout, int cell, int along, int across);

// Position while dragging the thumb `delta` pixels from where it was at
// `startPosition`, kept within minimum .. maximum - minimum - page + 1.
int ScrollDragPosition(const ScrollBarLayout& layout, const ScrollRange& range, int startPosition,
                       int delta);
