#include "controls/SkinScrollBar_win.h"

#include <algorithm>

#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "framework/Paint_win.h"

namespace {

constexpr int kThumbCap = 6;
constexpr UINT kDelayMs = 500;
constexpr UINT kRepeatMs = 100;

enum Column { kFirstArrow = 0, kLastArrow = 1, kThumb = 2, kTrack = 3, kHorizontalOffset = 4 };
enum Row { kNormal = 0, kHover = 1, kPressed = 2 };

}  // namespace

CSkinScrollBar::~CSkinScrollBar() = default;

bool CSkinScrollBar::Vertical() const {
  return (GetWindowLongPtrW(m_hWnd, GWL_STYLE) & SBS_VERT) != 0;
}

void CSkinScrollBar::SetSkinBitmap(HBITMAP skin) {
  skin_ = skin;
  const SIZE size = BitmapSize(skin);
  cellWidth_ = size.cx / 9;
  cellHeight_ = size.cy / 3;
  RECT placed = GetRectInParent();
  if (Vertical())
    placed.right = placed.left + cellWidth_;
  else
    placed.bottom = placed.top + cellWidth_;
  MoveWindow(placed);
  Invalidate();
}

void CSkinScrollBar::SetScrollRange(int minimum, int maximum, int page, bool redraw) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = minimum;
  info.nMax = maximum;
  info.nPage = static_cast<UINT>(page);
  SendMessage(SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(&info));
}

void CSkinScrollBar::SetScrollPos(int position, bool redraw) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = position;
  SendMessage(SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(&info));
}

LRESULT CSkinScrollBar::SetInfo(const SCROLLINFO* info, bool redraw) {
  if (!info) return range_.position;
  if (info->fMask & SIF_RANGE) {
    range_.minimum = info->nMin;
    range_.maximum = std::max(info->nMax, info->nMin);
  }
  if (info->fMask & SIF_PAGE) range_.page = std::max(static_cast<int>(info->nPage), 0);
  if (info->fMask & SIF_POS) range_.position = info->nPos;
  range_.position = std::clamp(range_.position, range_.minimum, range_.maximum);
  if (redraw) Invalidate();
  return range_.position;
}

void CSkinScrollBar::GetInfo(SCROLLINFO* info) const {
  if (!info) return;
  if (info->fMask & SIF_RANGE) {
    info->nMin = range_.minimum;
    info->nMax = range_.maximum;
  }
  if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(range_.page);
  if (info->fMask & SIF_POS) info->nPos = range_.position;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = trackPosition_;
}

ScrollBarLayout CSkinScrollBar::Layout() const {
  const RECT client = GetClientRect();
  const int length = Vertical() ? client.bottom : client.right;
  const int shown = dragging_ && trackPosition_ != -1 ? trackPosition_ : range_.position;
  return LayOutScrollBar(length, cellWidth_, range_, shown);
}

int CSkinScrollBar::HitTest(POINT client) const {
  return ScrollBarHitTest(Layout(), cellWidth_, Along(client), Across(client));
}

void CSkinScrollBar::SendScroll(int code, int position) const {
  ::SendMessageW(GetParent(), Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(m_hWnd));
}

void CSkinScrollBar::DrawCell(HDC dc, int column, int row, const RECT& part, bool stretch) const {
  if (part.right <= part.left || part.bottom <= part.top) return;
  if (!Vertical()) column += kHorizontalOffset;
  const UniqueDC source = UniqueDC::Compatible(dc);
  const SelectScope select(source.get(), skin_);
  const int sx = column * cellWidth_;
  const int sy = row * cellHeight_;
  const int w = part.right - part.left;
  const int h = part.bottom - part.top;
  if (stretch) {
    if (w == cellWidth_ && h == cellHeight_)
      BitBlt(dc, part.left, part.top, w, h, source.get(), sx, sy, SRCCOPY);
    else
      StretchBlt(dc, part.left, part.top, w, h, source.get(), sx, sy, cellWidth_, cellHeight_,
                 SRCCOPY);
    return;
  }
  // Tiled along the axis.
  const int cellAlong = Vertical() ? cellHeight_ : cellWidth_;
  const int length = Vertical() ? h : w;
  for (int at = 0; at < length; at += cellAlong) {
    const int piece = std::min(cellAlong, length - at);
    if (Vertical())
      BitBlt(dc, part.left, part.top + at, w, piece, source.get(), sx, sy, SRCCOPY);
    else
      BitBlt(dc, part.left + at, part.top, piece, h, source.get(), sx, sy, SRCCOPY);
  }
}

void CSkinScrollBar::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  const RECT client = buffer.area();
  HDC target = buffer.dc();
  FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (skin_ && cellWidth_ > 0 && cellHeight_ > 0) {
    const ScrollBarLayout l = Layout();
    const bool vertical = Vertical();
    const int thickness = cellWidth_;
    auto span = [&](int from, int to) {
      return vertical ? RECT{0, from, thickness, to} : RECT{from, 0, to, thickness};
    };
    auto rowOf = [&](int part) {
      if (pressedPart_ == part && !outside_) return static_cast<int>(kPressed);
      if (hoverPart_ == part) return static_cast<int>(kHover);
      return static_cast<int>(kNormal);
    };
    DrawCell(target, kTrack, kNormal, span(l.arrow, l.length - l.arrow), false);
    DrawCell(target, kFirstArrow, rowOf(SB_LINEUP), span(0, l.arrow), true);
    DrawCell(target, kLastArrow, rowOf(SB_LINEDOWN), span(l.length - l.arrow, l.length), true);
    if (l.thumbLength > 0) {
      const int row = dragging_ ? kPressed : rowOf(SB_THUMBTRACK);
      // End caps from the cell's two ends, the middle tiled between them.
      const int cap = std::min(kThumbCap, l.thumbLength / 2);
      const UniqueDC source = UniqueDC::Compatible(target);
      const SelectScope select(source.get(), skin_);
      const int sx = (kThumb + (vertical ? 0 : kHorizontalOffset)) * cellWidth_;
      const int sy = row * cellHeight_;
      const int cellAlong = vertical ? cellHeight_ : cellWidth_;
      auto copy = [&](int at, int from, int length) {
        if (vertical)
          BitBlt(target, 0, at, thickness, length, source.get(), sx, sy + from, SRCCOPY);
        else
          BitBlt(target, at, 0, length, thickness, source.get(), sx + from, sy, SRCCOPY);
      };
      const int middle = std::max(cellAlong - 2 * kThumbCap, 1);
      copy(l.thumbStart, 0, cap);
      for (int at = l.thumbStart + cap; at < l.thumbEnd() - cap; at += middle)
        copy(at, kThumbCap, std::min(middle, l.thumbEnd() - cap - at));
      copy(l.thumbEnd() - cap, cellAlong - cap, cap);
    }
  }
}

void CSkinScrollBar::OnPress(POINT at) {
  SetCapture(m_hWnd);
  const int part = HitTest(at);
  if (part == SB_THUMBTRACK) {
    dragging_ = true;
    dragStart_ = at;
    dragStartPosition_ = range_.position;
    trackPosition_ = range_.position;
    Invalidate();
    return;
  }
  if (part < 0) return;
  pressedPart_ = part;
  SendScroll(part);
  repeating_ = false;
  SetTimer(TIMER_SCROLL_DELAY, kDelayMs);
  outside_ = false;
  Invalidate();
}

void CSkinScrollBar::OnMove(POINT at) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  if (dragging_) {
    const int position =
        ScrollDragPosition(Layout(), range_, dragStartPosition_, Along(at) - Along(dragStart_));
    if (position != trackPosition_) {
      trackPosition_ = position;
      Invalidate();
      SendScroll(SB_THUMBTRACK, position);
    }
    return;
  }
  if (pressedPart_ != -1) {
    const bool outside = HitTest(at) != pressedPart_;
    if (outside != outside_) {
      outside_ = outside;
      Invalidate();
    }
    return;
  }
  const int part = HitTest(at);
  if (part != hoverPart_) {
    hoverPart_ = part;
    Invalidate();
  }
}

void CSkinScrollBar::OnRelease(POINT at) {
  if (GetCapture() == m_hWnd) ReleaseCapture();
  if (dragging_) {
    dragging_ = false;
    SendScroll(SB_THUMBPOSITION, trackPosition_);
    hoverPart_ = HitTest(at) == SB_THUMBTRACK ? SB_THUMBTRACK : -1;
    trackPosition_ = -1;
    Invalidate();
    return;
  }
  KillTimer(repeating_ ? TIMER_SCROLL_REPEAT : TIMER_SCROLL_DELAY);
  repeating_ = false;
  pressedPart_ = -1;
  Invalidate();
}

void CSkinScrollBar::OnRepeat() {
  if (outside_ || pressedPart_ == -1) return;
  switch (pressedPart_) {
    case SB_LINEUP:
      if (range_.position <= range_.minimum) {
        KillTimer(TIMER_SCROLL_REPEAT);
        return;
      }
      break;
    case SB_LINEDOWN:
      // The highest position a page of the range can reach, not beyond it.
      if (range_.position >= range_.maximum - std::max(range_.page - 1, 0)) {
        KillTimer(TIMER_SCROLL_REPEAT);
        return;
      }
      break;
    default: {
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(m_hWnd, &cursor);
      if (HitTest(cursor) == SB_THUMBTRACK) return;
      break;
    }
  }
  SendScroll(pressedPart_);
}

LRESULT CSkinScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case SBM_SETSCROLLINFO:
      return SetInfo(reinterpret_cast<const SCROLLINFO*>(lParam), wParam != FALSE);
    case SBM_GETSCROLLINFO:
      GetInfo(reinterpret_cast<SCROLLINFO*>(lParam));
      return TRUE;
    case SBM_SETPOS: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_POS;
      info.nPos = static_cast<int>(wParam);
      const int old = range_.position;
      SetInfo(&info, lParam != FALSE);
      return old;
    }
    case SBM_GETPOS:
      return range_.position;
    case WM_LBUTTONDOWN:
      OnPress(PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMove(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnRelease(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (hoverPart_ != -1) {
        hoverPart_ = -1;
        Invalidate();
      }
      return 0;
    case WM_TIMER:
      if (wParam == TIMER_SCROLL_DELAY) {
        KillTimer(TIMER_SCROLL_DELAY);
        repeating_ = true;
        SetTimer(TIMER_SCROLL_REPEAT, kRepeatMs);
        return 0;
      }
      if (wParam == TIMER_SCROLL_REPEAT) {
        OnRepeat();
        return 0;
      }
      break;
    default:
      break;
  }
  return CScrollBar::WindowProc(message, wParam, lParam);
}
