#include "framework/Controls_win.h"

namespace {

constexpr DWORD kChild = WS_CHILD;

}  // namespace

bool CButton::Create(const std::wstring& caption, DWORD style, const RECT& rect, HWND parent,
                     UINT id) {
  return CreateEx(0, L"BUTTON", caption.c_str(), style | kChild, rect, parent, id);
}

bool CListBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return CreateEx(0, L"LISTBOX", L"", style | kChild, rect, parent, id);
}

int CListBox::AddString(const std::wstring& text) const {
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::InsertString(int index, const std::wstring& text) const {
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::DeleteString(int index) const {
  return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CListBox::ResetContent() const { SendMessage(LB_RESETCONTENT); }

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }

int CListBox::SetCurSel(int index) const {
  return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

LRESULT CListBox::GetItemData(int index) const {
  return SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
}

int CListBox::SetItemData(int index, LRESULT data) const {
  return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data));
}

std::wstring CListBox::GetText(int index) const {
  const LRESULT n = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (n < 0) return {};
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(n));
  return text;
}

int CListBox::GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }

int CListBox::GetItemRect(int index, RECT* rect) const {
  return static_cast<int>(
      SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

bool CEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return CreateEx(0, L"EDIT", L"", style | kChild, rect, parent, id);
}

void CEdit::SetLimitText(int limit) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limit)); }

void CEdit::SetSel(int start, int end) const {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

bool CScrollBar::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  return CreateEx(0, L"SCROLLBAR", L"", style | kChild, rect, parent, id);
}
