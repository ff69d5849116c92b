// The button assignment page: one row per programmable button of the current
// profile (function button, label, number badge), the mouse picture and the
// page heading.
#pragma once

#include "app/AssignmentRules.h"
#include "app/MainArea_win.h"
#include "controls/ListBtn_win.h"
#include "macro/Library.h"
#include "skin/SkinDraw_win.h"

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
  // A function code picked in the function menu, for the selected row:
  // lParam's high word the item's value, its low word a group child's.
  Changes OnFunctionPick(WPARAM wParam, LPARAM lParam);
  int hoveredRow() const { return hoveredRow_; }
  int selectedRow() const { return selectedRow_; }

 private:
  void OpenFunctionMenu(int row);
  // The macro or pattern pop-up for a row; true when the slot may have changed.
  bool ChooseEntry(int row, LibraryKind kind);

  CPngListBtn functions_[kAssignmentRows];
  CPngListBtn labels_[kAssignmentRows];
  CPngListBtn badges_[kAssignmentRows];
  SkinPicture mouse_;
  SkinText title_;
  int selectedRow_ = -1;
  int hoveredRow_ = -1;
};
