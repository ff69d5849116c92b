// The lighting page: effect, brightness, speed, colour field, swatches, typed
// colour values, colour cycling and the seven cycle slots.
#pragma once

#include "app/LightingRules.h"
#include "app/MainArea_win.h"
#include "controls/BitmapBtn2_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ClrEdit_win.h"
#include "controls/SliderBar_win.h"
#include "skin/SkinDraw_win.h"

// The colour field: a disabled sheet button whose picture is the colour model.
class CColourFieldBtn : public CBitmapBtn {
 public:
  // The colour of the face the field shows at a point of its client area;
  // false where it has none.
  bool ColourAt(POINT client, COLORREF& colour) const;
};

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

  LightingMode lightingMode() const { return mode_; }
  int selectedCycleSlot() const { return selectedSlot_; }

 private:
  // The mode of the current profile stored; true when the colour edits are to show.
  bool UpdateLightingMode();
  void ShowColourEdits(bool shown);
  // The edits show the preview colour's components, unless a profile is
  // being renamed.
  void ShowPreviewInEdits();
  // The preview colour changed: repainted, and shown in the edits.
  void PreviewChanged();
  // The cycle pair, and the enable states of the effect button and speed slider.
  void RefreshCyclePair();
  void OpenEffectMenu();
  void SetCycling(bool on);
  void InvalidateColours();

  CBitmapBtn2 cycleOn_, cycleOff_;
  CBitmapBtn effect_;
  RECT preview_{};
  CColourFieldBtn colourField_;
  RECT colourFieldRect_{};
  CBitmapBtn swatches_[kSwatches];
  RECT swatchRects_[kSwatches]{};
  CClrEdit colourEdits_[3];
  RECT editRects_[3]{};
  RECT cycleSlots_[kLevels]{};
  RECT area_{};
  CPngHSliderBar brightness_, speed_;
  SkinPicture picture_;
  SkinText labels_[3];    // "MOUSE_TEXT" 3, 4 and 6
  SkinText cycleLabel_;   // 7, shown with the cycle pair
  SkinText headings_[2];  // 2 and 8, in bold
  LightingMode mode_ = LightingMode::kOneColour;
  int selectedSlot_ = 0;        // the cycle slot last clicked; belongs to the window
  bool cyclePairShown_ = true;  // the cycle-on/off pair is visible, and so its label
};
