// The pop-ups in which the user picks the macro or the recoil pattern for a
// mouse button: the library's names in a dark list, the repeat type with its
// menu and the repeat count, OK and Cancel. Both are painted from the skin
// ("SEL_MACRO_SCREEN", "SEL_MACRO_POS") and differ only in their list and
// heading.
#pragma once

#include <string_view>

#include "controls/BitmapBtn_win.h"
#include "controls/ClrEdit_win.h"
#include "controls/ListBoxEx_win.h"
#include "framework/Dialog_win.h"
#include "framework/Paint_win.h"
#include "macro/SelectionRules.h"

class Library;

class CSelEntryDlg : public CDialogEx {
 public:
  // The list shows `library`'s names; the pop-up starts as `start` says.
  CSelEntryDlg(CWnd* owner, const Library& library, const SelectionStart& start);
  ~CSelEntryDlg() override;

  // After OK: the chosen list position and the repeat last shown.
  int SelectedPosition() const { return position_; }
  const RepeatChoice& Repeat() const { return repeat_; }

  // The controls, for tests.
  CListBoxEx& List() { return list_; }
  CBitmapBtn& RepeatButton() { return repeatButton_; }
  CClrEdit& CountBox() { return countBox_; }
  CBitmapBtn& OkButton() { return ok_; }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOK() override;

 protected:
  // "SEL_MACRO_POS" key of the heading text.
  virtual std::u16string_view HeadingKey() const = 0;

 private:
  void BuildFromSkin();
  void FillList();
  void ShowRepeat();
  void OpenRepeatMenu();
  void OnMenuPick(LPARAM lParam);
  void OnListSelect(WPARAM row);
  // The count box read into the count; more than 15 becomes 15 in the box too.
  void ReadCountBox();
  void OnPaint();

  const Library& library_;
  SelectionStart start_;
  int position_;
  RepeatChoice repeat_;
  UniqueBitmap background_;
  CBitmapBtn close_;
  CBitmapBtn cancel_;
  CBitmapBtn ok_;
  CBitmapBtn repeatButton_;
  CClrEdit countBox_;
  CListBoxEx list_;
};

// The macro pop-up of the button page.
class CSelMacroDlg final : public CSelEntryDlg {
 public:
  using CSelEntryDlg::CSelEntryDlg;

 protected:
  std::u16string_view HeadingKey() const override { return u"11"; }
};

// The recoil-pattern pop-up of the button page.
class CSelPressureGunDlg final : public CSelEntryDlg {
 public:
  using CSelEntryDlg::CSelEntryDlg;

 protected:
  std::u16string_view HeadingKey() const override { return u"12"; }
};
