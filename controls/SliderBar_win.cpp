#include "controls/SliderBar_win.h"

#include <string>

#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "skin/SkinImages_win.h"

namespace {

// Where the tip's top-left sits relative to the thumb's.
constexpr int kTipDx = -9;
constexpr int kTipDy = -36;
constexpr UINT kTipCheckMs = 500;

// The groove across the track: opaque 0x4D4D4D, one brush for every slider.
HBRUSH GrooveBrush() {
  static const UniqueBrush brush(CreateSolidBrush(RGB(0x4D, 0x4D, 0x4D)));
  return brush.get();
}

}  // namespace

CPngHSliderBar::~CPngHSliderBar() = default;

bool CPngHSliderBar::CreateSlider(const RECT& rect, HWND parent, int id) {
  parent_ = parent;
  id_ = id;
  minimum_ = 0;
  maximum_ = 10;
  position_ = 0;
  if (!CreateEx(0, PlainWindowClass(), L"", WS_CHILD | WS_VISIBLE, rect, parent,
                static_cast<UINT_PTR>(id)))
    return false;
  tip_.CreateTip(m_hWnd);
  return true;
}

void CPngHSliderBar::SetTrackImages(HBITMAP emptySheet, HBITMAP filledSheet, const RECT& rect) {
  emptyTrack_.reset();
  filledTrack_.reset();
  CutSheetImage(emptyTrack_, nullptr, emptySheet, rect);
  CutSheetImage(filledTrack_, nullptr, filledSheet, rect);
  Invalidate();
}

void CPngHSliderBar::SetThumbImages(HBITMAP thumb, HBITMAP disabledThumb, bool thumbAtTop) {
  if (thumb) {
    thumb_ = CopyBitmap(thumb);
    thumbSize_ = BitmapSize(thumb_.get());
  }
  if (disabledThumb) disabledThumb_ = CopyBitmap(disabledThumb);
  thumbAtTop_ = thumbAtTop;
  Invalidate();
}

void CPngHSliderBar::SetSliderRange(int minimum, int maximum) {
  if (minimum != minimum_ || maximum != maximum_) Invalidate();
  minimum_ = minimum;
  maximum_ = maximum;
  if (position_ < minimum_) position_ = minimum_;
  if (position_ > maximum_) position_ = maximum_;
}

void CPngHSliderBar::SetSliderPos(int position) {
  if (position == position_) return;
  position_ = position;
  Invalidate();
}

SliderMetrics CPngHSliderBar::Metrics() const {
  const RECT placed = GetRectInParent();
  return SliderMetrics{
      placed.left, placed.right - placed.left, static_cast<int>(thumbSize_.cx), minimum_, maximum_,
      rounding_};
}

RECT CPngHSliderBar::ThumbRect() const {
  const RECT client = GetClientRect();
  const int x = SliderThumbX(Metrics(), position_);
  const int y = thumbAtTop_ ? 0 : client.bottom - thumbSize_.cy;
  return RECT{x, y, x + thumbSize_.cx, y + thumbSize_.cy};
}

int CPngHSliderBar::ValueAt(POINT client) const {
  const RECT placed = GetRectInParent();
  return SliderValueAt(Metrics(), client.x + placed.left);
}

void CPngHSliderBar::PostValue(int value) const {
  if (parent_) ::PostMessageW(parent_, UM_SLIDER_POS, static_cast<WPARAM>(value), id_);
}

void CPngHSliderBar::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  const RECT client = buffer.area();
  HDC target = buffer.dc();
  FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DrawBitmap(target, emptyTrack_.get(), 0, 0);
  const RECT thumb = ThumbRect();
  if (filledTrack_) {
    // The filled track reaches the thumb's centre.
    const BitmapDC source(filledTrack_.get());
    BitBlt(target, 0, 0, thumb.left + thumbSize_.cx / 2, client.bottom, source.get(), 0, 0,
           SRCCOPY);
  }
  const RECT groove{0, client.bottom / 2 - 1, client.right, client.bottom / 2 + 2};
  FillRect(target, &groove, GrooveBrush());
  const bool useDisabled = !enabled_ && disabledThumb_;
  AlphaBlendBitmap(target, useDisabled ? disabledThumb_.get() : thumb_.get(), thumb.left,
                   thumb.top);
}

void CPngHSliderBar::HideTip() {
  if (!tipShown_) return;
  KillTimer(TIMER_SLIDER_TIP);
  tip_.ShowWindow(SW_HIDE);
  tipShown_ = false;
}

void CPngHSliderBar::OnMouseMove(POINT at) {
  if (dragging_) {
    const int value = ValueAt(at);
    if (value != position_) PostValue(value);
    return;
  }
  if (!tipEnabled_ || !tip_.GetSafeHwnd()) return;
  const RECT thumb = ThumbRect();
  const bool onThumb = PtInRect(&thumb, at) != FALSE;
  if (onThumb && !tipShown_) {
    tip_.SetDisplayText(std::to_wstring(position_));
    POINT corner{thumb.left, thumb.top};
    ClientToScreen(m_hWnd, &corner);
    SetWindowPos(tip_.GetSafeHwnd(), HWND_TOP, corner.x + kTipDx, corner.y + kTipDy, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    tipShown_ = true;
    SetTimer(TIMER_SLIDER_TIP, kTipCheckMs);
  } else if (!onThumb && tipShown_) {
    HideTip();
  }
}

LRESULT CPngHSliderBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ENABLE:
      enabled_ = wParam != FALSE;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
      HideTip();
      dragging_ = true;
      SetCapture(m_hWnd);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(PointFromLParam(lParam));
      break;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
        PostValue(ValueAt(PointFromLParam(lParam)));
      }
      break;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      break;
    case WM_TIMER:
      if (wParam != TIMER_SLIDER_TIP) break;
      if (tipShown_) {
        RECT thumb = ThumbRect();
        MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&thumb), 2);
        POINT cursor{};
        GetCursorPos(&cursor);
        if (!PtInRect(&thumb, cursor)) HideTip();
      } else {
        KillTimer(TIMER_SLIDER_TIP);
      }
      return 0;
    case WM_DESTROY:
      KillTimer(TIMER_SLIDER_TIP);
      tip_.DestroyWindow();
      tipShown_ = false;
      break;
    case WM_SHOWWINDOW:
      if (!wParam) HideTip();
      break;
    case UM_SLIDER_POS:
      PostValue(static_cast<int>(wParam));
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
