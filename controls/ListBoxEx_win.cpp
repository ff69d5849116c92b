#include "controls/ListBoxEx_win.h"

#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"

namespace {

constexpr COLORREF kFrameColour = RGB(1, 204, 236);
constexpr COLORREF kSeparatorColour = 0x1A1A1A;
constexpr int kSeparatorInset = 20;
constexpr int kTextIndent = 25;
constexpr UINT kRowFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

// The closed outline (left + 1, bottom) -> (right - 1, bottom) -> (right - 1,
// top) -> (left + 1, top) -> back.
void DrawRowOutline(HDC dc, const RECT& r, COLORREF colour) {
  const UniquePen pen(CreatePen(PS_SOLID, 2, colour));
  const SelectScope select(dc, pen.get());
  const POINT points[] = {{r.left + 1, r.bottom},
                          {r.right - 1, r.bottom},
                          {r.right - 1, r.top},
                          {r.left + 1, r.top},
                          {r.left + 1, r.bottom}};
  Polyline(dc, points, 5);
}

}  // namespace

CListBoxEx::~CListBoxEx() = default;

bool CListBoxEx::CreateList(const RECT& rect, HWND parent) {
  return Create(kListBoxExStyle, rect, parent, 0);
}

void CListBoxEx::PreSubclassWindow() {
  rowHeight_ = 20;
  selectedText_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
  normalText_ = GetSysColor(COLOR_WINDOWTEXT);
  frame_ = GetSysColor(COLOR_HIGHLIGHT);
}

int CListBoxEx::AddListItem(const std::wstring& text) {
  const int index = AddString(text);
  if (index >= 0) SetItemData(index, 0);
  return index;
}

void CListBoxEx::SelectListItem(int index) {
  lastSelection_ = index;
  SetCurSel(index);
}

void CListBoxEx::SetListDarkColours() {
  frame_ = kFrameColour;
  background_.reset(CreateSolidBrush(RGB(0, 0, 0)));
  Invalidate(TRUE);
}

void CListBoxEx::SetListTallRows() {
  rowHeight_ = 40;
  for (int i = 0; i < GetCount(); ++i) SendMessage(LB_SETITEMHEIGHT, i, rowHeight_);
  Invalidate(TRUE);
}

void CListBoxEx::SetListWhiteText() {
  normalText_ = RGB(255, 255, 255);
  selectedText_ = RGB(255, 255, 255);
  Invalidate(TRUE);
}

BOOL CListBoxEx::PreTranslateMessage(MSG* msg) {
  // The keyboard does not move the selection.
  if (msg->hwnd == m_hWnd && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP)) return TRUE;
  return CListBox::PreTranslateMessage(msg);
}

void CListBoxEx::DrawItem(DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1)) return;
  HDC dc = item->hDC;
  RECT r = item->rcItem;
  r.top += 1;
  r.bottom -= 1;
  OffscreenBuffer buffer(dc, item->rcItem);
  HDC target = buffer.dc();
  FillRect(target, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (item->itemState & ODS_SELECTED) {
    SetTextColor(target, selectedText_);
    DrawRowOutline(target, r, frame_);
  } else {
    SetTextColor(target, normalText_);
    if (background_) FillRect(target, &r, background_.get());
    DrawRowOutline(target, r, RGB(0, 0, 0));
    const UniquePen separator(CreatePen(PS_SOLID, 1, kSeparatorColour));
    const SelectScope select(target, separator.get());
    MoveToEx(target, r.left + kSeparatorInset, r.bottom, nullptr);
    LineTo(target, r.right - kSeparatorInset, r.bottom);
  }
  const std::wstring text = GetText(static_cast<int>(item->itemID));
  SetBkMode(target, TRANSPARENT);
  const SelectScope selectFont(target, CachedFont(18, FW_NORMAL, InterfaceFace()));
  RECT box = r;
  box.left += kTextIndent;
  DrawTextW(target, text.c_str(), -1, &box, kRowFormat);
}

BOOL CListBoxEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORLISTBOX && background_) {
    *result = reinterpret_cast<LRESULT>(background_.get());
    return TRUE;
  }
  return CListBox::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CListBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
      ::PostMessageW(GetParent(), UM_LIST_SELECT, LOWORD(hit), 0);
      break;
    }
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      // Rows are measured here: the list's id 0 cannot be told apart by a
      // parent's WM_MEASUREITEM.
      const LRESULT index = CListBox::WindowProc(message, wParam, lParam);
      if (index >= 0) SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), rowHeight_);
      return index;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
      // Reaches here when no modal loop of ours filters the keyboard.
      return 0;
    case WM_MOUSEWHEEL:
      SendMessage(WM_VSCROLL, static_cast<short>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
      return 0;
    case WM_ENABLE:
      Invalidate(TRUE);
      break;
    default:
      break;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}
