// The horizontal slider of the settings pages. It does not move itself: it
// reports the value under the pointer (UM_SLIDER_POS) and the parent sets
// the position. A value tip shows while the pointer rests on the thumb.
#pragma once

#include "controls/RangeGeometry.h"
#include "controls/TipDlg_win.h"
#include "framework/Paint_win.h"
#include "framework/Wnd_win.h"

class CPngHSliderBar : public CWnd {
 public:
  CPngHSliderBar() = default;
  ~CPngHSliderBar() override;

  // A visible child at `rect` (parent coordinates), range 0 .. 10, position 0.
  bool CreateSlider(const RECT& rect, HWND parent, int id);
  // Empty and filled track, cut from two sheets at `rect`.
  void SetTrackImages(HBITMAP emptySheet, HBITMAP filledSheet, const RECT& rect);
  // Copies of the thumb images (32-bit, premultiplied alpha); either may be null.
  void SetThumbImages(HBITMAP thumb, HBITMAP disabledThumb, bool thumbAtTop);
  void SetSliderRange(int minimum, int maximum);
  void SetSliderPos(int position);
  int GetSliderPos() const { return position_; }
  int GetMinimum() const { return minimum_; }
  int GetMaximum() const { return maximum_; }
  void SetTipEnabled(bool enabled) { tipEnabled_ = enabled; }
  bool IsTipShown() const { return tipShown_; }
  CTipDlg& Tip() { return tip_; }

  // The thumb's rectangle in client coordinates.
  RECT ThumbRect() const;
  // The value under a client point.
  int ValueAt(POINT client) const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SliderMetrics Metrics() const;
  void OnPaint();
  void OnMouseMove(POINT at);
  void HideTip();
  void PostValue(int value) const;

  int id_ = 0;
  UniqueBitmap emptyTrack_, filledTrack_;
  UniqueBitmap thumb_, disabledThumb_;
  bool thumbAtTop_ = false;
  float rounding_ = 0.5f;
  bool enabled_ = true;
  SIZE thumbSize_{};
  HWND parent_ = nullptr;
  int position_ = 0;
  int minimum_ = 0;
  int maximum_ = 10;
  bool dragging_ = false;
  CTipDlg tip_;
  bool tipShown_ = false;
  bool tipEnabled_ = true;
};
