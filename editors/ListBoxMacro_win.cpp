#include "editors/ListBoxMacro_win.h"

#include <utility>

#include "controls/ControlDraw_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

namespace {

// Clipped by its siblings: the in-place delay editor lies over a row.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY |
                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
constexpr COLORREF kRowColour = RGB(30, 29, 27);
constexpr COLORREF kHighlightColour = RGB(0, 120, 220);
constexpr COLORREF kSeparatorColour = RGB(26, 26, 26);
constexpr COLORREF kTextColour = RGB(253, 253, 253);
constexpr COLORREF kListBackground = RGB(8, 8, 8);  // the sheet behind the list
constexpr int kSeparatorInset = 20;
constexpr int kIconLeft = 20;
constexpr int kIconTop = 8;
constexpr int kTextGap = 28;  // between the icon width and the text
constexpr int kTextTop = 6;
constexpr int kFontHeight = 16;

}  // namespace

CListBoxMacro::CListBoxMacro() {
  const std::wstring skins = Paths().programFolder + L"Skins\\";
  pressIcon_ = SharedAlphaPng(skins + L"icon_press.png");
  releaseIcon_ = SharedAlphaPng(skins + L"icon_release.png");
  delayIcon_ = SharedAlphaPng(skins + L"icon_delay.png");
  // The icons share one size, which sets the text indent.
  if (pressIcon_) iconSize_ = BitmapSize(pressIcon_);
  background_.reset(CreateSolidBrush(kListBackground));
}

CListBoxMacro::~CListBoxMacro() = default;

bool CListBoxMacro::CreateList(const RECT& rect, HWND parent) {
  if (!Create(kListStyle, rect, parent, 0)) return false;
  SendMessage(LB_SETITEMHEIGHT, 0, kMacroRowHeight);
  return true;
}

int CListBoxMacro::AddRow(const std::wstring& text, RowIcon icon) {
  return InsertRow(text, -1, icon);
}

int CListBoxMacro::InsertRow(const std::wstring& text, int position, RowIcon icon) {
  const int index = InsertString(position, text);
  if (index < 0) return index;
  icons_.insert(icons_.begin() + index, icon);
  return index;
}

void CListBoxMacro::DeleteRow(int position) {
  if (position < 0 || position >= GetCount()) return;
  icons_.erase(icons_.begin() + position);
  DeleteString(position);
  const int left = GetCount();
  if (left > 0) SetCurSel(position < left ? position : left - 1);
}

void CListBoxMacro::Clear() {
  icons_.clear();
  hoverRow_ = -1;
  ResetContent();
}

void CListBoxMacro::ReplaceRow(int position, const std::wstring& text, RowIcon icon) {
  if (position < 0 || position >= GetCount()) return;
  const int selected = GetCurSel();
  const int top = GetTopIndex();
  icons_.erase(icons_.begin() + position);
  DeleteString(position);
  InsertRow(text, position, icon);
  SendMessage(LB_SETTOPINDEX, top);
  SetCurSel(selected);
}

RowIcon CListBoxMacro::IconAt(int position) const {
  if (position < 0 || position >= static_cast<int>(icons_.size())) return kIconNone;
  return icons_[position];
}

HBITMAP CListBoxMacro::IconBitmap(RowIcon icon) const {
  switch (icon) {
    case kIconPress:
      return pressIcon_;
    case kIconRelease:
      return releaseIcon_;
    case kIconDelay:
      return delayIcon_;
    case kIconNone:
      break;
  }
  return nullptr;
}

void CListBoxMacro::DrawItem(DRAWITEMSTRUCT* item) {
  const int row = static_cast<int>(item->itemID);
  if (row < 0 || row >= static_cast<int>(icons_.size())) return;
  const RowIcon icon = icons_[row];
  OffscreenBuffer buffer(item->hDC, item->rcItem);
  HDC dc = buffer.dc();
  FillRect(dc, &item->rcItem, background_.get());

  const bool highlighted = (item->itemState & ODS_SELECTED) || (hoverRow_ >= 0 && hoverRow_ == row);
  RECT r = item->rcItem;
  r.top += 1;
  r.bottom -= 1;
  const UniqueBrush fill(CreateSolidBrush(highlighted ? kHighlightColour : kRowColour));
  FillRect(dc, &r, fill.get());

  const std::wstring text = GetText(row);
  if (!text.empty()) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, kSeparatorColour));
    const SelectScope select(dc, pen.get());
    MoveToEx(dc, r.left + kSeparatorInset, r.bottom - 1, nullptr);
    LineTo(dc, r.right - kSeparatorInset, r.bottom - 1);
  }
  if (iconSize_.cx > 0 && icon != kIconNone)
    AlphaBlendBitmap(dc, IconBitmap(icon), r.left + kIconLeft, r.top + kIconTop);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, !IsWindowEnabled() ? GetSysColor(COLOR_GRAYTEXT) : kTextColour);
  const SelectScope font(dc, CachedFont(kFontHeight, FW_NORMAL, InterfaceFace()));
  RECT box{r.left + iconSize_.cx + kTextGap, r.top + kTextTop, r.right, r.bottom};
  DrawTextW(dc, text.c_str(), -1, &box, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CListBoxMacro::RepaintRow(int row) const {
  RECT r{};
  if (row >= 0 && GetItemRect(row, &r) != LB_ERR) InvalidateRect(&r);
}

void CListBoxMacro::OnMouseMove(LPARAM lParam) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
  const int row = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
  if (row == hoverRow_) return;
  RepaintRow(hoverRow_);
  hoverRow_ = row;
  RepaintRow(hoverRow_);
}

void CListBoxMacro::MoveSelection(int step) {
  const int selected = GetCurSel();
  const int next = selected + step;
  if (selected < 0 || next < 0 || next >= GetCount()) return;
  SetCurSel(next);
  ::PostMessageW(GetParent(), UM_MACROLIST_CLICK, next, 0);
}

BOOL CListBoxMacro::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORLISTBOX) {
    *result = reinterpret_cast<LRESULT>(background_.get());
    return TRUE;
  }
  return CListBox::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CListBoxMacro::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      RepaintRow(std::exchange(hoverRow_, -1));
      return 0;
    case WM_LBUTTONDOWN: {
      const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
      const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
      if (!HIWORD(hit)) ::PostMessageW(GetParent(), UM_MACROLIST_CLICK, LOWORD(hit), 0);
      return result;
    }
    case WM_KEYDOWN:
      // The arrows move the selection when released; the list's own keyboard
      // moves would not tell the editor.
      if (wParam == VK_UP || wParam == VK_DOWN) return 0;
      break;
    case WM_KEYUP:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        MoveSelection(wParam == VK_UP ? -1 : 1);
        return 0;
      }
      break;
    case WM_CHAR:
      // No type-ahead: keys typed while recording would jump to a row named
      // like the key.
      return 0;
    case WM_MOUSEWHEEL: {
      const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
      Invalidate();
      return result;
    }
    case WM_ENABLE:
      Invalidate();
      break;
    default:
      break;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}
