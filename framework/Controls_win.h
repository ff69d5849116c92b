// The framework's control classes: objects over the system's control windows.
#pragma once

#include <string>

#include "framework/Wnd_win.h"

class CButton : public CWnd {
 public:
  bool Create(const std::wstring& caption, DWORD style, const RECT& rect, HWND parent, UINT id);
};

class CListBox : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
  int AddString(const std::wstring& text) const;
  int InsertString(int index, const std::wstring& text) const;
  int DeleteString(int index) const;
  void ResetContent() const;
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index) const;
  LRESULT GetItemData(int index) const;
  int SetItemData(int index, LRESULT data) const;
  std::wstring GetText(int index) const;
  int GetTopIndex() const;
  int GetItemRect(int index, RECT* rect) const;
};

class CEdit : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
  void SetLimitText(int limit) const;
  void SetSel(int start, int end) const;
};

class CScrollBar : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
};
