#include "controls/BtnMenu_win.h"

#include <algorithm>

#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "controls/MenuGeometry.h"
#include "framework/ResourceIds.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

CBtnMenu* CurrentPopupMenu = nullptr;

namespace {

constexpr COLORREF kEnabledText = RGB(255, 255, 255);
constexpr COLORREF kDisabledText = RGB(128, 128, 128);
// Room the caption of a row with a submenu leaves for the arrow.
constexpr int kArrowRoom = 28;
constexpr int kArrowFromRight = 19;
constexpr int kArrowTop = 7;
constexpr int kIconTop = 2;
// The menu window is wider than its image by the scroll bar's room.
constexpr int kExtraWidth = 18;

// The empty popup the menu is made from: a popup with a system menu and the
// system font, 171 x 41 dialog units; the menu resizes it at once.
struct alignas(DWORD) MenuTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  WORD title;
};
const MenuTemplate kMenuTemplate = {
    {WS_POPUP | WS_SYSMENU, WS_EX_TOOLWINDOW, 0, 0, 0, 171, 41}, 0, 0, 0};

// Stretches `image` to `height`, keeping `edge` rows at the top and bottom.
void ResizeMenuImage(UniqueBitmap& image, int height, int edge) {
  const SIZE old = BitmapSize(image.get());
  if (!image || old.cy == height || height <= 0) return;
  const UniqueDC screen = UniqueDC::ForWindow(nullptr);
  UniqueBitmap resized(CreateCompatibleBitmap(screen.get(), old.cx, height));
  if (!resized) return;
  {
    const UniqueDC source = UniqueDC::Compatible(screen.get());
    const UniqueDC target = UniqueDC::Compatible(screen.get());
    const SelectScope from(source.get(), image.get());
    const SelectScope into(target.get(), resized.get());
    for (const ImageBand& band : ResizeMenuImageBands(old.cy, height, edge))
      BitBlt(target.get(), 0, band.targetY, old.cx, band.height, source.get(), 0, band.sourceY,
             SRCCOPY);
  }
  image = std::move(resized);
}

bool Contains(HWND window, POINT screen) {
  if (!window || !IsWindowVisible(window)) return false;
  RECT r{};
  GetWindowRect(window, &r);
  return PtInRect(&r, screen) != FALSE;
}

}  // namespace

void CloseCurrentPopupMenu() {
  CBtnMenu* menu = std::exchange(CurrentPopupMenu, nullptr);
  if (!menu) return;
  menu->DestroyWindow();
  delete menu;
}

CBtnMenu* NewPopupMenu(HWND owner) {
  CloseCurrentPopupMenu();
  CurrentPopupMenu = new CBtnMenu(owner);
  return CurrentPopupMenu;
}

CBtnMenu* NewDropDownMenu(HWND owner, const std::wstring& picture, HWND anchor) {
  const std::wstring base = Paths().programFolder + L"Skins\\Menu\\" + picture;
  const std::wstring normal = base + L"_menu_normal.jpg";
  const std::wstring over = base + L"_menu_over.jpg";
  CBtnMenu* menu = NewPopupMenu(owner);
  menu->SetMenuImages(normal, over, over, normal, L"", false);
  RECT button{};
  GetWindowRect(anchor, &button);
  menu->SetMenuPosition(button.left, button.bottom);
  return menu;
}

CBtnMenu::CBtnMenu(HWND owner, int tag)
    : CDialog(0),
      tag_(tag),
      scrollBitmapId_(IDB_SCROLLBAR_SKIN),
      pickMessage_(UM_MENU_PICK),
      doublePickMessage_(UM_MENU_DBLPICK),
      owner_(owner) {}

CBtnMenu::~CBtnMenu() {
  // The rows and the submenu go before the window they live in.
  if (m_hWnd) DestroyWindow();
}

void CBtnMenu::SetMenuImages(const std::wstring& normal, const std::wstring& over,
                             const std::wstring& down, const std::wstring& disabled,
                             const std::wstring& shape, bool singleRow) {
  // Copies of pictures decoded once: the menu sizes its own to its rows.
  normal_ = CopyBitmap(SharedPicture(normal, &imageSize_));
  over_ = CopyBitmap(SharedPicture(over));
  down_ = CopyBitmap(SharedPicture(down));
  disabled_ = CopyBitmap(SharedPicture(disabled));
  shape_ = shape.empty() ? UniqueBitmap() : CopyBitmap(SharedPicture(shape));
  singleRow_ = singleRow;
}

void CBtnMenu::SetSubmenuImages(const std::wstring& normal, const std::wstring& over,
                                const std::wstring& down, const std::wstring& disabled,
                                const std::wstring& shape, bool singleRow) {
  subPaths_[0] = normal;
  subPaths_[1] = over;
  subPaths_[2] = down;
  subPaths_[3] = disabled;
  subPaths_[4] = shape;
  subSingleRow_ = singleRow;
}

void CBtnMenu::SetTextLayout(int alignment, int offset) {
  alignment_ = alignment;
  captionOffset_ = offset;
}

void CBtnMenu::SetMargins(int horizontal, int top) {
  marginX_ = horizontal;
  marginTop_ = top;
}

void CBtnMenu::AddMenuItem(const std::wstring& name, int value, int iconId, bool enabled) {
  BMPMENUINFO item;
  item.name = name.substr(0, kMenuNameLimit);
  item.value = value;
  item.iconId = iconId;
  item.enabled = enabled;
  items_.push_back(std::move(item));
}

void CBtnMenu::AddSubMenuItem(int parent, const std::wstring& name, int value, int iconId,
                              bool enabled) {
  if (parent < 0 || parent >= GetItemCount()) return;
  BMPMENUINFO& owner = items_[parent];
  if (!owner.children) owner.children = std::make_shared<std::vector<BMPMENUINFO>>();
  BMPMENUINFO child;
  child.name = name.substr(0, kMenuNameLimit);
  child.value = value;
  child.iconId = iconId;
  child.enabled = enabled;
  owner.children->push_back(std::move(child));
  owner.hasSubmenu = true;
}

bool CBtnMenu::CreateMenu(HWND parent) {
  return CreateIndirect(&kMenuTemplate.header, parent ? parent : owner_);
}

void CBtnMenu::ShowMenu(int command) {
  if (child_) child_->ShowMenu(command == SW_SHOW ? SW_SHOWNOACTIVATE : command);
  ShowWindow(command);
}

CBitmapListBtn* CBtnMenu::Row(int i) const {
  return i >= 0 && i < RowCount() ? rows_[i].get() : nullptr;
}

HWND CBtnMenu::Owner() const { return owner_ ? owner_ : GetParent(); }

BOOL CBtnMenu::OnInitDialog() {
  CDialog::OnInitDialog();
  const int width = imageSize_.cx;
  rowWidth_ = width - 2 * marginX_;
  if (rowHeight_ == -1) rowHeight_ = imageSize_.cy;
  if (sourceChildren_) items_ = *sourceChildren_;
  const int count = GetItemCount();
  if (visibleRows_ == -1 || (count > 0 && visibleRows_ > count)) visibleRows_ = count;

  const int height = visibleRows_ * rowHeight_ + marginTop_;
  for (UniqueBitmap* image : {&normal_, &over_, &down_, &disabled_})
    ResizeMenuImage(*image, height, rowHeight_);

  for (int i = 0; i < visibleRows_; ++i) {
    const RECT rect{marginX_, marginTop_ + i * rowHeight_, marginX_ + rowWidth_,
                    marginTop_ + (i + 1) * rowHeight_};
    auto row = std::make_unique<CBitmapListBtn>();
    if (!row->CreateButton(rect, m_hWnd, 0)) continue;
    const RECT cut = singleRow_ ? RECT{0, 0, rowWidth_, rowHeight_} : rect;
    row->LoadStateImages(normal_.get(), over_.get(), down_.get(), disabled_.get(), cut);
    row->SetTextAlign(alignment_);
    row->SetFontHeight(fontHeight_);
    rows_.push_back(std::move(row));
  }

  SetWindowPos(m_hWnd, HWND_TOP, position_.x, position_.y, width + kExtraWidth, height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (shape_) {
    ResizeMenuImage(shape_, height, rowHeight_);
    ApplyWindowOutline(m_hWnd, shape_.get());
  }

  const RECT barRect{0, 0, kMenuScrollBarWidth, visibleRows_ * rowHeight_};
  if (scroll_.Create(SBS_VERT, barRect, m_hWnd, kMenuScrollBarId)) {
    scrollSkin_ = LoadResourceBitmap(scrollBitmapId_);
    scroll_.SetSkinBitmap(scrollSkin_.get());
    scroll_.SetScrollRange(0, count > 0 ? count - 1 : 0, visibleRows_);
    SetWindowPos(scroll_.GetSafeHwnd(), nullptr, width - kMenuScrollBarWidth, marginTop_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowScrollBar(count > visibleRows_);
  ScrollTo(firstVisible_);
  return TRUE;
}

void CBtnMenu::ShowScrollBar(bool show) {
  scrollShown_ = show && scroll_.GetSafeHwnd();
  if (scroll_.GetSafeHwnd()) scroll_.ShowWindow(scrollShown_ ? SW_SHOW : SW_HIDE);
  const int width = scrollShown_ ? rowWidth_ - kMenuScrollBarWidth : rowWidth_;
  for (const auto& row : rows_) {
    const RECT r = row->GetRectInParent();
    row->MoveWindow(RECT{r.left, r.top, r.left + width, r.bottom});
  }
}

void CBtnMenu::ScrollTo(int first) {
  firstVisible_ = ClampFirstVisible(first, GetItemCount(), visibleRows_);
  for (int i = 0; i < RowCount(); ++i) {
    CBitmapListBtn& row = *rows_[i];
    const int index = firstVisible_ + i;
    const BMPMENUINFO item = index < GetItemCount() ? items_[index] : BMPMENUINFO{};
    row.ShowWindow(item.name.empty() ? SW_HIDE : SW_SHOW);
    row.SetButtonText(item.name, captionOffset_);
    const int rowWidth = row.GetClientRect().right;
    if (item.hasSubmenu) {
      row.SetIcon(IDB_SUBMENU_ARROW, rowWidth - kArrowFromRight, kArrowTop);
      row.SetTextRect(captionOffset_, 0, rowWidth - kArrowRoom, rowHeight_);
    } else {
      row.SetIcon(item.iconId, 0, kIconTop);
      row.ClearTextRect();
    }
    const COLORREF colour = item.enabled ? kEnabledText : kDisabledText;
    row.SetTextColors(colour, colour);
    row.SetTipText(item.name, true);
  }
  SelectItem(selection_, false);
}

void CBtnMenu::SelectItem(int index, bool ensureVisible) {
  const int previous = selection_;
  if (index < 0 || index >= GetItemCount()) {
    if (highlighted_) highlighted_->SetCheck(false);
    highlighted_ = nullptr;
    selection_ = -1;
    return;
  }
  const int row = index - firstVisible_;
  if (row >= 0 && row < RowCount()) {
    if (highlighted_ && highlighted_ != rows_[row].get()) highlighted_->SetCheck(false);
    highlighted_ = rows_[row].get();
    highlighted_->SetCheck(true);
  } else {
    if (highlighted_) highlighted_->SetCheck(false);
    highlighted_ = nullptr;
  }
  if (previous != -1 && scroll_.GetSafeHwnd()) scroll_.SetScrollPos(firstVisible_);
  selection_ = index;
  if (ensureVisible && (row < 0 || row >= visibleRows_)) {
    ScrollTo(index - visibleRows_ + 1);
    if (scroll_.GetSafeHwnd()) scroll_.SetScrollPos(firstVisible_);
  }
}

void CBtnMenu::PostPick(UINT message, int index) const {
  const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(tag_), static_cast<WORD>(index));
  const LPARAM lParam = MAKELPARAM(0, static_cast<WORD>(items_[index].value));
  ::PostMessageW(Owner(), message, wParam, lParam);
}

void CBtnMenu::ForwardSubmenuPick(WPARAM wParam, LPARAM lParam) const {
  if (LOWORD(lParam) != 0) {
    // Already forwarded below us: pass it on as it is.
    ::PostMessageW(Owner(), pickMessage_, wParam, lParam);
    return;
  }
  const int parentIndex = LOWORD(wParam);
  const int childIndex = HIWORD(wParam);
  if (parentIndex >= GetItemCount()) return;
  const WPARAM swapped = MAKEWPARAM(static_cast<WORD>(childIndex), static_cast<WORD>(parentIndex));
  const LPARAM values =
      MAKELPARAM(static_cast<WORD>(HIWORD(lParam)), static_cast<WORD>(items_[parentIndex].value));
  ::PostMessageW(Owner(), pickMessage_, swapped, values);
}

BOOL CBtnMenu::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  for (int i = 0; i < RowCount(); ++i) {
    if (rows_[i]->GetSafeHwnd() != sender) continue;
    const int index = firstVisible_ + i;
    if (index >= GetItemCount()) return TRUE;
    const BMPMENUINFO& item = items_[index];
    if (item.hasSubmenu || !item.enabled) return TRUE;
    if (HIWORD(wParam) == BN_CLICKED) {
      SelectItem(index, true);
      PostPick(pickMessage_, index);
    } else if (HIWORD(wParam) == BN_DOUBLECLICKED) {
      PostPick(doublePickMessage_, index);
    }
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CBtnMenu::CloseSubmenu() {
  if (childItem_ >= 0 && childItem_ < GetItemCount()) items_[childItem_].submenuOpen = false;
  childItem_ = -1;
  child_.reset();
}

void CBtnMenu::OpenSubmenuFor(int item, int row) {
  BMPMENUINFO& parent = items_[item];
  parent.submenuOpen = true;
  auto sub = std::make_unique<CBtnMenu>(m_hWnd, item);
  sub->sourceChildren_ = parent.children;
  sub->SetMenuImages(subPaths_[0], subPaths_[1], subPaths_[2], subPaths_[3], subPaths_[4], false);
  sub->SetSubmenuImages(subPaths_[0], subPaths_[1], subPaths_[2], subPaths_[3], subPaths_[4],
                        subSingleRow_);
  sub->scrollBitmapId_ = scrollBitmapId_;
  sub->rowHeight_ = rowHeight_;
  sub->SetMargins(marginX_, marginTop_);
  sub->visibleRows_ = visibleRows_;
  sub->SetTextLayout(alignment_, captionOffset_);
  sub->fontHeight_ = fontHeight_;
  RECT own{};
  GetWindowRect(m_hWnd, &own);
  SubmenuPlacement placement;
  placement.parent = MenuPoint{own.left, own.top};
  placement.parentImageWidth = imageSize_.cx;
  placement.row = row;
  placement.rowHeight = rowHeight_;
  placement.submenuImageWidth = sub->imageSize_.cx;
  placement.childCount = parent.children ? static_cast<int>(parent.children->size()) : 0;
  placement.visibleRows = visibleRows_;
  placement.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  placement.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const MenuPoint at = PlaceSubmenu(placement);
  sub->SetMenuPosition(at.x, at.y);
  if (!sub->CreateMenu(m_hWnd)) {
    parent.submenuOpen = false;
    return;
  }
  sub->ShowMenu(SW_SHOWNOACTIVATE);
  child_ = std::move(sub);
  childItem_ = item;
}

void CBtnMenu::OnPointerAt(POINT screen) {
  for (int i = 0; i < RowCount(); ++i) {
    if (!Contains(rows_[i]->GetSafeHwnd(), screen)) continue;
    const int item = firstVisible_ + i;
    if (child_ && childItem_ != item) CloseSubmenu();
    if (child_ && childItem_ == item) return;
    if (item < GetItemCount() && items_[item].hasSubmenu && !items_[item].submenuOpen)
      OpenSubmenuFor(item, i);
    return;
  }
  if (!child_) return;
  if (Contains(child_->GetSafeHwnd(), screen) || Contains(scroll_.GetSafeHwnd(), screen)) return;
  CloseSubmenu();
}

void CBtnMenu::OnScroll(int code, int position) {
  const int target = MenuScrollTarget(code, position, firstVisible_, GetItemCount(), visibleRows_);
  ScrollTo(target);
  if (scroll_.GetSafeHwnd()) scroll_.SetScrollPos(firstVisible_);
}

void CBtnMenu::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  const RECT client = buffer.area();
  FillRect(buffer.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DrawBitmap(buffer.dc(), normal_.get(), 0, 0);
}

void CBtnMenu::OnDestroy() {
  CloseSubmenu();
  highlighted_ = nullptr;
  rows_.clear();
  items_.clear();
}

LRESULT CBtnMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == pickMessage_ && message != WM_COMMAND) {
    ForwardSubmenuPick(wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_VSCROLL:
      OnScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      return 0;
    case WM_MOUSEMOVE: {
      POINT at = PointFromLParam(lParam);
      if (wParam != kRowMoveMarker) ClientToScreen(m_hWnd, &at);
      OnPointerAt(at);
      break;
    }
    case WM_DESTROY:
      OnDestroy();
      break;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
