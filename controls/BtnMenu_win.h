// The program's popup menu: a skinned, scrollable list of image rows that
// drops down under a button, opens submenus beside rows that have children
// and posts the chosen entry to its owner. It never closes itself: owners
// close it (CloseCurrentPopupMenu) on a pick, on a click elsewhere, before
// opening another menu and when they are destroyed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/ListBtn_win.h"
#include "controls/SkinScrollBar_win.h"
#include "framework/Dialog_win.h"
#include "framework/Paint_win.h"

struct BMPMENUINFO {
  std::wstring name;         // caption and tooltip of the row; at most 259 units
  bool hasSubmenu = false;   // set when a child item is added under this item
  bool submenuOpen = false;  // while this item's submenu window exists
  bool enabled = true;       // disabled items are grey and cannot be chosen
  int value = 0;             // reported to the owner when chosen
  int iconId = 0;            // bitmap resource drawn at the row's left, 0 none
  // Child items. Copies of an item share them, so a submenu's copy of its
  // parent's children never frees them a second time.
  std::shared_ptr<std::vector<BMPMENUINFO>> children;
};

constexpr int kMenuScrollBarId = 101;
constexpr int kMenuScrollBarWidth = 12;
constexpr int kMenuNameLimit = 259;

class CBtnMenu : public CDialog {
 public:
  // `tag` -1 for a root menu; for a submenu the parent item's index.
  explicit CBtnMenu(HWND owner, int tag = -1);
  ~CBtnMenu() override;

  void SetMenuImages(const std::wstring& normal, const std::wstring& over, const std::wstring& down,
                     const std::wstring& disabled, const std::wstring& shape, bool singleRow);
  void SetSubmenuImages(const std::wstring& normal, const std::wstring& over,
                        const std::wstring& down, const std::wstring& disabled,
                        const std::wstring& shape, bool singleRow);
  void SetMenuPosition(int x, int y) { position_ = POINT{x, y}; }
  void SetTextLayout(int alignment, int offset);
  void SetRowHeight(int pixels) { rowHeight_ = pixels; }
  void SetFontHeight(int height) { fontHeight_ = height; }
  void SetMargins(int horizontal, int top);
  void SetVisibleRows(int rows) { visibleRows_ = rows; }
  void SetScrollBarBitmap(int resourceId) { scrollBitmapId_ = resourceId; }

  void AddMenuItem(const std::wstring& name, int value, int iconId = 0, bool enabled = true);
  // A child under item `parent`; ignored when there is no such item.
  void AddSubMenuItem(int parent, const std::wstring& name, int value, int iconId = 0,
                      bool enabled = true);

  // Creates the window (a popup owned by `parent`, the owner when null).
  bool CreateMenu(HWND parent = nullptr);
  // The open submenu chain first, then this menu.
  void ShowMenu(int command);

  void ScrollTo(int first);
  void SelectItem(int index, bool ensureVisible);

  int GetFirstVisible() const { return firstVisible_; }
  int GetVisibleRows() const { return visibleRows_; }
  int GetSelection() const { return selection_; }
  int GetItemCount() const { return static_cast<int>(items_.size()); }
  const BMPMENUINFO& GetItem(int index) const { return items_[index]; }
  bool IsScrollBarShown() const { return scrollShown_; }
  CSkinScrollBar& ScrollBar() { return scroll_; }
  CBitmapListBtn* Row(int i) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  CBtnMenu* OpenSubmenu() const { return child_.get(); }
  int RowHeight() const { return rowHeight_; }
  SIZE ImageSize() const { return imageSize_; }

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND Owner() const;
  void PostPick(UINT message, int index) const;
  void ForwardSubmenuPick(WPARAM wParam, LPARAM lParam) const;
  void OnPointerAt(POINT screen);
  void OpenSubmenuFor(int item, int row);
  void CloseSubmenu();
  void ShowScrollBar(bool show);
  void OnScroll(int code, int position);
  void OnPaint();
  void OnDestroy();

  int tag_;
  std::shared_ptr<std::vector<BMPMENUINFO>> sourceChildren_;
  std::wstring subPaths_[5];
  bool subSingleRow_ = false;
  int visibleRows_ = -1;
  int firstVisible_ = 0;
  bool singleRow_ = false;
  CSkinScrollBar scroll_;
  bool scrollShown_ = false;
  int scrollBitmapId_;
  UniqueBitmap scrollSkin_;
  UINT pickMessage_;
  UINT doublePickMessage_;
  int rowHeight_ = -1;
  int fontHeight_ = 18;
  int selection_ = -1;
  CBitmapListBtn* highlighted_ = nullptr;
  std::vector<std::unique_ptr<CBitmapListBtn>> rows_;
  UniqueBitmap normal_, over_, down_, disabled_, shape_;
  SIZE imageSize_{};
  POINT position_{};
  int rowWidth_ = 0;
  int marginX_ = 0;
  int marginTop_ = 0;
  int alignment_ = 1;
  int captionOffset_ = 0;
  std::unique_ptr<CBtnMenu> child_;
  int childItem_ = -1;
  HWND owner_;
  std::vector<BMPMENUINFO> items_;
};

// The open root menu, or null. Only the user-interface thread touches it.
extern CBtnMenu* CurrentPopupMenu;
// Destroys the open menu tree, if any, and clears CurrentPopupMenu.
void CloseCurrentPopupMenu();
// Closes the open menu and makes a new root menu for `owner` the current one.
CBtnMenu* NewPopupMenu(HWND owner);
// A drop-down menu below `anchor`'s left edge, its faces the skin's
// "Menu\<picture>_menu_normal.jpg" and "_menu_over.jpg" (over also when pressed).
CBtnMenu* NewDropDownMenu(HWND owner, const std::wstring& picture, HWND anchor);
