// The sensitivity page: levels, polling rate, pointer, scroll and
// double-click speeds, pointer enhancement and page scrolling.
#pragma once

#include "app/MainArea_win.h"
#include "app/SensitivityRules.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ListBtn_win.h"
#include "controls/SliderBar_win.h"
#include "skin/SkinDraw_win.h"

class SensitivityPage : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;
  void ShowPage(const PageView& view) override;
  void Paint(HDC dc) override;

  // Sliders and toggles from the current profile.
  void Refresh();
  // The level and polling controls: their values kept in range, their buttons hidden.
  void RefreshLevelsAndPolling();
  // A slider of this page moved (ids 10000..10002, 10005, 10006).
  Changes OnSlider(int id, int value);
  // A level value picked in the level menu (0..7).
  Changes OnLevelPick(int value);
  // A press on the page (colour fields, level rectangles); true when it acted.
  bool OnClick(POINT client);
  void OnMouseMove(POINT client);
  // The device service reports the active level of a profile.
  void OnServiceLevel(int profile, int level);

  int hoveredColour() const { return hovered_; }

 private:
  // The active level and polling entry kept in range; the hidden buttons stay hidden.
  void RefreshLevels();
  void RefreshPolling();
  void OpenLevelMenu(int level);
  void PickLevelColour(int level);
  // The rectangle spanning the seven colour fields.
  RECT ColourSpan() const;

  CBitmapBtn levelButtons_[kLevels];
  RECT levelRects_[kLevels]{};
  RECT valueRects_[kLevels]{};
  RECT colourRects_[kLevels]{};
  RECT levelArea_{};
  CBitmapBtn pollingButtons_[kPollingEntries];
  RECT pollingRects_[kPollingEntries]{};
  RECT pollingText_{};
  // The page's labels ("SENSITIVITY_TEXT"), in drawing order.
  SkinText labels_[8];
  CPngListBtn enhanceOff_, enhanceOn_, scrollOff_, scrollOn_;
  CBitmapBtn label_;
  CPngHSliderBar level_, polling_, pointer_, scroll_, doubleClick_;
  int hovered_ = -1;  // the level colour field under the pointer
};
