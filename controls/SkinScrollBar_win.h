// A scroll-bar control painted from a skin bitmap of 9 x 3 cells (rows:
// normal, hover, pressed; columns 0..3 arrows, thumb and track of a vertical
// bar, 4..7 of a horizontal one). It keeps its own scroll state and answers
// the platform's scroll-info requests itself.
#pragma once

#include "controls/RangeGeometry.h"
#include "framework/Controls_win.h"

class CSkinScrollBar : public CScrollBar {
 public:
  CSkinScrollBar() = default;
  ~CSkinScrollBar() override;

  // The skin (not owned) and the bar's thickness: one cell.
  void SetSkinBitmap(HBITMAP skin);
  void SetScrollRange(int minimum, int maximum, int page, bool redraw = true);
  void SetScrollPos(int position, bool redraw = true);
  int GetScrollPos() const { return range_.position; }
  const ScrollRange& Range() const { return range_; }
  ScrollBarLayout Layout() const;
  // Scroll code of the part under a client point, -1 outside.
  int HitTest(POINT client) const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Vertical() const;
  int Along(POINT p) const { return Vertical() ? p.y : p.x; }
  int Across(POINT p) const { return Vertical() ? p.x : p.y; }
  void SendScroll(int code, int position = 0) const;
  void OnPaint();
  void DrawCell(HDC dc, int column, int row, const RECT& part, bool stretch) const;
  void OnPress(POINT at);
  void OnMove(POINT at);
  void OnRelease(POINT at);
  void OnRepeat();
  LRESULT SetInfo(const SCROLLINFO* info, bool redraw);
  void GetInfo(SCROLLINFO* info) const;

  HBITMAP skin_ = nullptr;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  ScrollRange range_;
  int trackPosition_ = -1;
  bool dragging_ = false;
  POINT dragStart_{};
  int dragStartPosition_ = 0;
  int pressedPart_ = -1;
  bool repeating_ = false;
  bool outside_ = false;
  int hoverPart_ = -1;
  bool trackingLeave_ = false;
};
