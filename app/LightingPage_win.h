// The lighting page: effect, brightness, speed, colour field, swatches, typed
// colour values, colour cycling and the seven cycle slots.
#pragma once

#include "app/MainArea_win.h"
#include "controls/BitmapBtn2_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ClrEdit_win.h"
#include "controls/SliderBar_win.h"
#include "skin/SkinDraw_win.h"

constexpr int kSwatches = 24;

class LightingPage : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;
  void ShowPage(const PageView& view) override;
  void Paint(HDC dc) override;

  // Effect caption, sliders and colour controls from the current profile.
  void Refresh();
  // Whether a window is one of the red, green and blue edits.
  bool IsColourEdit(HWND window) const;
  // Timer 40001: the typed red, green and blue values become the colour.
  void ApplyTypedColour();
  Changes OnSlider(int id, int value);
  Changes OnEffectPick(int value);
  // A press on the page; true when it acted.
  bool OnClick(POINT client);

 private:
  void RefreshCyclePair();
  void ShowColourEdits(bool shown);

  CBitmapBtn2 cycleOn_, cycleOff_;
  CBitmapBtn effect_;
  RECT preview_{};
  CBitmapBtn colourField_;
  RECT colourFieldRect_{};
  CBitmapBtn swatches_[kSwatches];
  RECT swatchRects_[kSwatches]{};
  CClrEdit colourEdits_[3];
  RECT cycleSlots_[kLevels]{};
  RECT area_{};
  CPngHSliderBar brightness_, speed_;
  SkinPicture picture_;
};
