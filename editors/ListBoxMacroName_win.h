// The main window's list of library entries (macros or recoil patterns):
// 41-pixel rows with the entry's name, the number of the button that uses it,
// and a "more" button per row that opens the row's command menu. Clicks,
// double clicks and the chosen commands go to the parent as posted messages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/BitmapBtn_win.h"
#include "framework/Controls_win.h"
#include "framework/Paint_win.h"

// A left click or an arrow key: wParam the row (-1 for none).
constexpr unsigned UM_NAMELIST_CLICK = 0x05F7;
// A double click: wParam the row.
constexpr unsigned UM_NAMELIST_DBLCLK = 0x05F8;

constexpr int kNameRowHeight = 41;
// WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS
constexpr DWORD kNameListStyle = 0x50200061;

class CListBoxMacroName : public CListBox {
 public:
  CListBoxMacroName();
  ~CListBoxMacroName() override;

  bool CreateList(const RECT& rect, HWND parent);

  // Appends a row with marker 0 and its "more" button; the row's index.
  int AddRow(const std::wstring& text);
  // Empties the list. A row menu still open then acts on no row.
  void Clear();
  void SetMarker(int position, int value);
  // The row's in-use marker, -1 for a row that does not exist.
  int Marker(int position) const;

  int HighlightedRow() const { return highlighted_; }
  // Highlights a row (-1, or a row that does not exist, for none).
  void SetHighlightedRow(int row);
  int HoverRow() const { return hover_; }
  // The row whose menu is open, -1 when none is.
  int MenuRow() const { return menuRow_; }
  // Whether this list posted UM_NAMELIST_COMMAND with this row and command
  // and it was not taken yet; taking it clears it. A command message that
  // no list posted is no list's.
  bool TakePostedCommand(int row, int command);
  // The row's "more" button, or null.
  CBitmapBtn* MoreButton(int row) const;

  void DrawItem(DRAWITEMSTRUCT* item) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Row {
    int marker = 0;
    std::unique_ptr<CBitmapBtn> more;
  };

  // The row at a client point, -1 outside every row.
  int RowAt(POINT point) const;
  void InvalidateRow(int row) const;
  void SetHover(int row);
  // Shows the "more" buttons of the rows in view at their places, hides the others.
  void PlaceMoreButtons() const;
  void PlaceMoreButton(int row, const RECT& rowRect) const;
  void OpenRowMenu(int row);
  void OnMenuPick(LPARAM lParam);
  void OnArrowKey(bool down);
  void OnMouseMove(POINT point);
  void OnMouseLeave();
  void OnLeaveCheck();
  void OnLeftClick(POINT point);

  std::vector<Row> rows_;  // rows beyond GetCount() are kept for reuse, hidden
  HBITMAP moreNormal_ = nullptr, moreOver_ = nullptr, morePressed_ = nullptr;  // shared
  SIZE moreSize_{};
  int hover_ = -1;
  int highlighted_ = -1;
  int menuRow_ = -1;
  int postedRow_ = -1;
  int postedCommand_ = 0;
  bool trackingLeave_ = false;
};
