#include "editors/ListBoxMacroName_win.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "macro/NameListRules.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr COLORREF kRowFill = RGB(8, 8, 8);
constexpr COLORREF kFrameColour = RGB(1, 204, 236);
constexpr COLORREF kSeparatorColour = RGB(26, 26, 26);
constexpr COLORREF kMarkerColour = RGB(135, 135, 135);
constexpr int kSeparatorInset = 20;
constexpr int kTextLeft = 20;
constexpr int kTextTop = 12;
constexpr int kTextRight = 280;
constexpr int kMarkedTextRight = 200;  // the button number stands from here
constexpr int kMoreLeft = 359;
constexpr int kMoreTop = 9;
constexpr UINT kNameFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// The row menu: below the "more" button's right part.
constexpr int kMenuFromRight = 83;
constexpr int kMenuRowHeight = 25;
constexpr int kMenuTopMargin = 5;
constexpr int kMenuCaptionOffset = 5;
constexpr int kRowCommands[] = {112, 113, 114};

// While the pointer is on a row's "more" button: when it has left.
constexpr UINT_PTR kLeaveCheckTimer = 0x5F70;
constexpr UINT kLeaveCheckMs = 100;

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// A `width`-pixel frame just inside `rect`.
void DrawFrame(HDC dc, RECT rect, int width, COLORREF colour) {
  for (int i = 0; i < width; ++i) {
    FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

CListBoxMacroName::CListBoxMacroName() = default;

CListBoxMacroName::~CListBoxMacroName() = default;

bool CListBoxMacroName::CreateList(const RECT& rect, HWND parent) {
  const std::wstring folder = Paths().programFolder + L"Skins\\";
  moreNormal_ = SharedPicture(folder + L"btn_more_n.jpg", &moreSize_);
  moreOver_ = SharedPicture(folder + L"btn_more_o.jpg");
  morePressed_ = SharedPicture(folder + L"btn_more_p.jpg");
  // The rows' buttons are children: painting the rows must not cover them.
  return Create(kNameListStyle | WS_CLIPCHILDREN, rect, parent, 0);
}

int CListBoxMacroName::AddRow(const std::wstring& text) {
  const int index = AddString(text);
  if (index < 0) return index;
  SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), kNameRowHeight);
  if (index >= static_cast<int>(rows_.size())) rows_.resize(index + 1);
  Row& row = rows_[index];
  row.marker = 0;
  if (!row.more) {
    auto more = std::make_unique<CBitmapBtn>();
    const RECT place{kMoreLeft, 0, kMoreLeft + moreSize_.cx, moreSize_.cy};
    if (more->CreateButton(place, m_hWnd, 0)) {
      more->ShowWindow(SW_HIDE);
      more->LoadStateImages(moreNormal_, moreOver_, morePressed_, moreNormal_,
                            RECT{0, 0, moreSize_.cx, moreSize_.cy});
      row.more = std::move(more);
    }
  }
  PlaceMoreButtons();
  return index;
}

void CListBoxMacroName::Clear() {
  ResetContent();
  for (Row& row : rows_) row.marker = 0;
  hover_ = -1;
  // A menu opened on the old rows must not act on the new ones.
  menuRow_ = -1;
  PlaceMoreButtons();
}

void CListBoxMacroName::SetMarker(int position, int value) {
  if (position < 0 || position >= GetCount()) return;
  if (rows_[position].marker == value) return;
  rows_[position].marker = value;
  InvalidateRow(position);
}

int CListBoxMacroName::Marker(int position) const {
  if (position < 0 || position >= GetCount()) return -1;
  return rows_[position].marker;
}

void CListBoxMacroName::SetHighlightedRow(int row) {
  if (row < 0 || row >= GetCount()) row = -1;
  highlighted_ = row;
  SetCurSel(row);
  Invalidate();
  PlaceMoreButtons();
}

CBitmapBtn* CListBoxMacroName::MoreButton(int row) const {
  if (row < 0 || row >= GetCount()) return nullptr;
  return rows_[row].more.get();
}

int CListBoxMacroName::RowAt(POINT point) const {
  const RECT client = GetClientRect();
  if (!PtInRect(&client, point)) return -1;
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (HIWORD(hit) != 0) return -1;  // below the last row
  const int row = LOWORD(hit);
  return row < GetCount() ? row : -1;
}

void CListBoxMacroName::InvalidateRow(int row) const {
  if (row < 0 || row >= GetCount()) return;
  RECT rect{};
  if (GetItemRect(row, &rect) != LB_ERR) InvalidateRect(&rect);
}

void CListBoxMacroName::SetHover(int row) {
  if (row == hover_) return;
  const int old = hover_;
  hover_ = row;
  InvalidateRow(old);
  InvalidateRow(row);
  if (CBitmapBtn* more = MoreButton(old)) more->SetHover(false);
  if (CBitmapBtn* more = MoreButton(row)) more->SetHover(true);
}

void CListBoxMacroName::PlaceMoreButton(int row, const RECT& rowRect) const {
  CBitmapBtn* more = rows_[row].more.get();
  if (!more) return;
  const RECT now = more->GetRectInParent();
  const bool moved = now.left != kMoreLeft || now.top != rowRect.top + kMoreTop;
  if (moved || !more->IsWindowVisible())
    SetWindowPos(*more, nullptr, kMoreLeft, rowRect.top + kMoreTop, moreSize_.cx, moreSize_.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  more->SetHover(row == hover_);
}

void CListBoxMacroName::PlaceMoreButtons() const {
  const RECT client = GetClientRect();
  const int count = GetCount();
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    CBitmapBtn* more = rows_[i].more.get();
    if (!more) continue;
    RECT rect{};
    const bool inView =
        i < count && GetItemRect(i, &rect) != LB_ERR && rect.bottom > 0 && rect.top < client.bottom;
    if (inView)
      PlaceMoreButton(i, rect);
    else if (more->IsWindowVisible())
      more->ShowWindow(SW_HIDE);
  }
}

void CListBoxMacroName::DrawItem(DRAWITEMSTRUCT* item) {
  const int row = static_cast<int>(item->itemID);
  if (row < 0 || row >= GetCount() || row >= static_cast<int>(rows_.size())) return;
  const RECT& r = item->rcItem;
  OffscreenBuffer buffer(item->hDC, r);
  HDC dc = buffer.dc();
  FillSolid(dc, r, kRowFill);
  if (row == highlighted_) {
    DrawFrame(dc, r, 2, kFrameColour);
  } else {
    FillSolid(dc, RECT{r.left + kSeparatorInset, r.bottom - 1, r.right - kSeparatorInset, r.bottom},
              kSeparatorColour);
  }
  SetBkMode(dc, TRANSPARENT);
  const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
  const int marker = rows_[row].marker;
  RECT name{r.left + kTextLeft, r.top + kTextTop, r.left + (marker ? kMarkedTextRight : kTextRight),
            r.bottom};
  SetTextColor(dc, RGB(255, 255, 255));
  const std::wstring text = GetText(row);
  DrawTextW(dc, text.c_str(), -1, &name, kNameFormat);
  if (const int button = ButtonNumberOfMarker(marker)) {
    SetTextColor(dc, kMarkerColour);
    RECT number{r.left + kMarkedTextRight, r.top + kTextTop, r.left + kMoreLeft, r.bottom};
    const std::wstring label = std::to_wstring(button);
    DrawTextW(dc, label.c_str(), -1, &number, kNameFormat);
  }
}

void CListBoxMacroName::OpenRowMenu(int row) {
  CBitmapBtn* more = MoreButton(row);
  if (!more) return;
  RECT button{};
  GetWindowRect(*more, &button);
  const std::wstring folder = Paths().programFolder + L"Skins\\Menu\\";
  const std::wstring normal = folder + L"Profile_Edit_menu_normal.jpg";
  const std::wstring over = folder + L"Profile_Edit_menu_over.jpg";
  CBtnMenu* menu = NewPopupMenu(m_hWnd);
  menu->SetMenuImages(normal, over, over, normal, folder + L"Profile_Edit_menu.bmp", false);
  menu->SetMenuPosition(button.right - kMenuFromRight, button.bottom);
  menu->SetRowHeight(kMenuRowHeight);
  menu->SetMargins(0, kMenuTopMargin);
  menu->SetTextLayout(0, kMenuCaptionOffset);
  for (int command : kRowCommands) menu->AddMenuItem(Wide(GetFuncString(command)), command);
  if (!menu->CreateMenu()) {
    CloseCurrentPopupMenu();
    return;
  }
  menuRow_ = row;
}

BOOL CListBoxMacroName::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (!sender || HIWORD(wParam) != BN_CLICKED) return FALSE;
  for (int row = 0; row < GetCount(); ++row) {
    const CBitmapBtn* more = rows_[row].more.get();
    if (!more || more->GetSafeHwnd() != sender) continue;
    // A click while a menu is open only closes it.
    if (CurrentPopupMenu) {
      CloseCurrentPopupMenu();
      menuRow_ = -1;
    } else {
      OpenRowMenu(row);
    }
    return TRUE;
  }
  return FALSE;
}

void CListBoxMacroName::OnMenuPick(LPARAM lParam) {
  CloseCurrentPopupMenu();
  const int row = std::exchange(menuRow_, -1);
  const int command = HIWORD(lParam);
  if (row < 0 || row >= GetCount()) return;
  if (std::find(std::begin(kRowCommands), std::end(kRowCommands), command) ==
      std::end(kRowCommands))
    return;
  postedRow_ = row;
  postedCommand_ = command;
  ::PostMessageW(GetParent(), UM_NAMELIST_COMMAND, static_cast<WPARAM>(row), command);
}

bool CListBoxMacroName::TakePostedCommand(int row, int command) {
  if (postedRow_ < 0 || row != postedRow_ || command != postedCommand_) return false;
  postedRow_ = -1;
  postedCommand_ = 0;
  return true;
}

void CListBoxMacroName::OnArrowKey(bool down) {
  const int next = RowAfterArrow(GetCurSel(), GetCount(), down);
  if (next < 0) return;
  highlighted_ = next;
  SetCurSel(next);
  Invalidate();
  PlaceMoreButtons();
  ::PostMessageW(GetParent(), UM_NAMELIST_CLICK, static_cast<WPARAM>(next), 0);
}

void CListBoxMacroName::OnMouseMove(POINT point) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  SetHover(RowAt(point));
}

void CListBoxMacroName::OnMouseLeave() {
  trackingLeave_ = false;
  // Moving onto the row's own "more" button keeps the row lit.
  POINT cursor{};
  GetCursorPos(&cursor);
  if (CBitmapBtn* more = MoreButton(hover_)) {
    RECT rect{};
    GetWindowRect(*more, &rect);
    if (PtInRect(&rect, cursor)) {
      // The button tells the list nothing when the pointer leaves it.
      SetTimer(kLeaveCheckTimer, kLeaveCheckMs);
      return;
    }
  }
  SetHover(-1);
}

void CListBoxMacroName::OnLeaveCheck() {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) == MoreButton(hover_)->GetSafeHwnd()) return;
  KillTimer(kLeaveCheckTimer);
  RECT list{};
  GetWindowRect(m_hWnd, &list);
  // Back over the list, its own pointer moves take over.
  if (!PtInRect(&list, cursor)) SetHover(-1);
}

void CListBoxMacroName::OnLeftClick(POINT point) {
  CloseCurrentPopupMenu();
  menuRow_ = -1;
  SetFocus(m_hWnd);
  const int row = RowAt(point);
  highlighted_ = HighlightAfterClick(highlighted_, row);
  SetCurSel(highlighted_);
  Invalidate();
  PlaceMoreButtons();
  ::PostMessageW(GetParent(), UM_NAMELIST_CLICK, static_cast<WPARAM>(row), 0);
}

LRESULT CListBoxMacroName::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      OnLeftClick(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONDBLCLK: {
      const int row = RowAt(PointFromLParam(lParam));
      ::PostMessageW(GetParent(), UM_NAMELIST_DBLCLK, static_cast<WPARAM>(row), 0);
      return 0;
    }
    case WM_MOUSEMOVE:
      OnMouseMove(PointFromLParam(lParam));
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_TIMER:
      if (wParam != kLeaveCheckTimer) break;
      if (MoreButton(hover_))
        OnLeaveCheck();
      else
        KillTimer(kLeaveCheckTimer);
      return 0;
    case WM_KEYDOWN:
      // The press is swallowed; the row moves on the release.
      if (wParam == VK_UP || wParam == VK_DOWN) return 0;
      break;
    case WM_KEYUP:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        OnArrowKey(wParam == VK_DOWN);
        return 0;
      }
      break;
    case UM_MENU_PICK:
      OnMenuPick(lParam);
      return 0;
    case WM_ERASEBKGND: {
      // Rows paint themselves; the room below the last one gets the rows' fill.
      const RECT client = GetClientRect();
      RECT empty = client;
      const int count = GetCount();
      RECT last{};
      if (count > 0 && GetItemRect(count - 1, &last) != LB_ERR)
        empty.top = std::max(0L, last.bottom);
      if (empty.top < empty.bottom) FillSolid(reinterpret_cast<HDC>(wParam), empty, kRowFill);
      return TRUE;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE: {
      const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
      PlaceMoreButtons();
      return result;
    }
    default:
      break;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}
