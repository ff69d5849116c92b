// The recoil editor: a pattern's name and up to eight shots, each an
// interval and a horizontal and vertical step in a column of number boxes
// with step buttons; written into the pattern library file when saved.
#pragma once

#include <array>

#include "controls/BitmapBtn2_win.h"
#include "controls/ClrEdit_win.h"
#include "editors/EditorSkin_win.h"
#include "framework/Dialog_win.h"
#include "macro/EditorDrafts.h"
#include "macro/RecoilLayout.h"
#include "skin/SkinDraw_win.h"

class CDlgPressureGunSet : public CDialog {
 public:
  // Opens on the pattern at a list position of `patterns`, or on a new one
  // (position kNewRecord).
  CDlgPressureGunSet(CWnd* owner, const Library& patterns, int position);
  ~CDlgPressureGunSet() override;

  const PatternDraft& draft() const { return draft_; }
  int shots() const { return draft_.shots; }
  bool saved() const { return saved_; }
  // A shot column's number box, for the tests' look at what is shown.
  const CClrEdit& Box(int column, ShotBox box) const {
    return columns_[column].boxes[static_cast<int>(box)];
  }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Column {
    CClrEdit boxes[3];     // by ShotBox
    CBitmapBtn2 steps[6];  // in the order of kStepRows
  };

  void BuildFromSkin();
  void LayOutColumns();
  void OpenShotMenu();
  void OnShotPicked(int entry);
  void Step(int row, int column);
  void NormaliseBoxes();
  void Save();
  void OnPaint();

  const Library& patterns_;
  PatternDraft draft_;
  bool saved_ = false;
  bool closing_ = false;

  EditorSheets sheets_;
  SkinPicture chart_, steps_;
  RECT columnArea_{};  // column 0's boxes and buttons, copied beside it for the others
  CBitmapBtn2 close_, cancel_, save_, shotCount_;
  CClrEdit name_;
  std::array<Column, kMaxShots> columns_;
};
