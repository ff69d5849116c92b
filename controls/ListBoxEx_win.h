// The dark list box of the selection pop-ups: owner-drawn rows, a coloured
// frame round the selected row; it tells its parent which row a press hit
// and ignores the keyboard.
#pragma once

#include <string>

#include "framework/Controls_win.h"
#include "framework/Paint_win.h"

// WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS
constexpr DWORD kListBoxExStyle = 0x50200061;

class CListBoxEx : public CListBox {
 public:
  CListBoxEx() = default;
  ~CListBoxEx() override;

  bool CreateList(const RECT& rect, HWND parent);
  // Appends a row with item data 0; its index, or LB_ERR.
  int AddListItem(const std::wstring& text);
  void SelectListItem(int index);
  int GetLastSelection() const { return lastSelection_; }
  void SetListDarkColours();
  void SetListTallRows();
  void SetListWhiteText();
  int RowHeight() const { return rowHeight_; }

  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void DrawItem(DRAWITEMSTRUCT* item) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  short rowHeight_ = 20;
  COLORREF selectedText_ = 0;
  COLORREF normalText_ = 0;
  COLORREF frame_ = 0;
  UniqueBrush background_;
  int lastSelection_ = -1;
};
