// The library panel: the macro and recoil-pattern lists with their tabs and
// the five library commands. It shows on every page.
#pragma once

#include "app/LibraryCommands.h"
#include "app/MainArea_win.h"
#include "controls/BitmapBtn_win.h"
#include "editors/ListBoxMacroName_win.h"

class LibraryPanel : public MainArea, private LibraryCommandHost {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;

  // Both lists from the libraries, macros first; the markers come with the
  // assignment rows (RefreshMarkers).
  void FillLists();
  void FillMacroList();
  void FillPatternList();
  // The in-use markers of both lists for the profile on screen.
  void RefreshMarkers();
  // A command chosen in a row's menu (UM_NAMELIST_COMMAND): it runs on the
  // library of the list that posted it; a message no list posted does nothing.
  Changes OnRowCommand(int row, int command);

  CListBoxMacroName& ListOf(LibraryKind kind) {
    return lists_[kind == LibraryKind::kMacro ? 0 : 1];
  }
  bool MacrosShown() const { return tabs_[0].GetCheck(); }

 private:
  void FillList(LibraryKind kind);
  Changes RunCommand(LibraryKind kind, int command, int row);

  // LibraryCommandHost
  bool EditEntry(LibraryKind kind, int position) override;
  std::filesystem::path ChooseExportFile(LibraryKind kind) override;
  std::filesystem::path ChooseImportFile(LibraryKind kind) override;
  void Warn(Warning warning) override;

  CBitmapBtn commands_[5];
  CBitmapBtn tabs_[2];
  CListBoxMacroName lists_[2];  // macros, patterns
};
