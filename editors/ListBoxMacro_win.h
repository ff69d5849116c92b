// The macro editor's event list: one 30-pixel row per event with a press,
// release or delay icon. It tells its parent about clicks and arrow-key moves
// by posted messages.
#pragma once

#include <string>
#include <vector>

#include "framework/Controls_win.h"
#include "framework/Paint_win.h"
#include "macro/EventRows.h"

// wParam: the row under the pointer on a left click, or the new selection
// after an arrow key.
constexpr unsigned UM_MACROLIST_CLICK = 0x0593;

constexpr int kMacroRowHeight = 30;

class CListBoxMacro : public CListBox {
 public:
  CListBoxMacro();
  ~CListBoxMacro() override;

  bool CreateList(const RECT& rect, HWND parent);

  // A row with its icon (kIconNone for none); the row's index, or LB_ERR.
  int AddRow(const std::wstring& text, RowIcon icon);
  int InsertRow(const std::wstring& text, int position, RowIcon icon);
  // Removes a row, then selects the same position or, when the last row went,
  // the new last row.
  void DeleteRow(int position);
  void Clear();
  // Replaces a row's text and icon, keeping the selection.
  void ReplaceRow(int position, const std::wstring& text, RowIcon icon);

  RowIcon IconAt(int position) const;
  int HoverRow() const { return hoverRow_; }

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void DrawItem(DRAWITEMSTRUCT* item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HBITMAP IconBitmap(RowIcon icon) const;
  void RepaintRow(int row) const;
  void OnMouseMove(LPARAM lParam);
  void MoveSelection(int step);

  std::vector<RowIcon> icons_;  // one per row, in row order
  HBITMAP pressIcon_ = nullptr, releaseIcon_ = nullptr, delayIcon_ = nullptr;  // shared
  SIZE iconSize_{};
  UniqueBrush background_;
  int hoverRow_ = -1;
  bool tracking_ = false;
};
