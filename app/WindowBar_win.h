// The window's own controls: title, preferences, minimise and close, the page
// tabs, apply, apply-and-close and close, and the two window commands of the
// lighting page (reset the current profile, choose the background picture).
// It also draws the logo on every page.
#pragma once

#include "app/MainArea_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ListBtn_win.h"
#include "skin/SkinDraw_win.h"

class WindowBar : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;
  void ShowPage(const PageView& view) override;
  void Paint(HDC dc) override;
  // Only the tab of the page is checked.
  void MarkTab(int page);

  // The preferences command: runs until the preferences dialog has closed.
  // Returns what changed (the language).
  Changes OpenPreferences();

 private:
  Changes SwitchToTab(int tab);
  Changes ResetCurrentProfile();
  Changes ChooseBackground();

  CBitmapBtn title_;
  CPngListBtn preferences_;
  CBitmapBtn minimise_;
  CBitmapBtn close_;
  CBitmapBtn tabs_[kTabCount];
  CBitmapBtn applyAndClose_;
  CBitmapBtn apply_;
  CBitmapBtn closeButton_;
  CBitmapBtn reset_;
  CBitmapBtn background_;
  SkinPicture logo_;
};
