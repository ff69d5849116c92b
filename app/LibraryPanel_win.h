// The library panel: the macro and recoil-pattern lists with their tabs and
// the five library commands. It shows on every page.
#pragma once

#include "app/MainArea_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ListBoxEx_win.h"

class LibraryPanel : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;

  // Both lists from the libraries, macros first.
  void FillLists();
  // A command chosen in a row's menu (UM_NAMELIST_COMMAND).
  Changes OnRowCommand(int row, int command);

 private:
  bool MacrosShown() const { return tabs_[0].GetCheck(); }

  CBitmapBtn commands_[5];
  CBitmapBtn tabs_[2];
  CListBoxEx lists_[2];  // macros, patterns
};
