// The button assignment page: one row per programmable button of the current
// profile (function button, label, number badge), the mouse picture and the
// page heading.
#pragma once

#include "app/MainArea_win.h"
#include "controls/ListBtn_win.h"
#include "skin/SkinDraw_win.h"

constexpr int kAssignmentRows = 6;

class ButtonPage : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;
  void ShowPage(const PageView& view) override;
  void Paint(HDC dc) override;

  // Captions and tool tips of the six function buttons from the current profile.
  void RefreshAssignmentRows();
  // Timer 4: the label and badge of the row under the pointer are lit.
  void UpdateHover(POINT screenPoint);
  // A function code picked in the function menu, for the selected row.
  Changes OnFunctionPick(WPARAM wParam, LPARAM lParam);
  int hoveredRow() const { return hoveredRow_; }

 private:
  CPngListBtn functions_[kAssignmentRows];
  CPngListBtn labels_[kAssignmentRows];
  CPngListBtn badges_[kAssignmentRows];
  SkinPicture mouse_;
  int selectedRow_ = -1;
  int hoveredRow_ = -1;
};
