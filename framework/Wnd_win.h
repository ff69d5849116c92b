// The window layer: a C++ object per window, one message map (the virtual
// WindowProc, a switch per class) and the framework's usual hooks.
#pragma once

#include <windows.h>

#include <string>

// Module whose resources (dialog templates, bitmaps) the windows load: the
// executable unless a test or tool points elsewhere.
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);

// A window class of the framework for windows that paint themselves: double
// clicks, arrow cursor, no background brush. Its windows reach their objects
// from WM_NCCREATE on.
const wchar_t* PlainWindowClass();

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // Creates a window for this object. A window of the framework's own class
  // reaches WindowProc from WM_NCCREATE on; a window of a system class (button,
  // edit, list box) from the moment CreateWindowEx returns.
  bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                const RECT& rect, HWND parent, UINT_PTR idOrMenu);
  // Takes over a window made elsewhere (a dialog, a system class): its window
  // procedure is replaced, the old one does what WindowProc leaves to it.
  bool SubclassWindow(HWND hwnd);
  void UnsubclassWindow();
  BOOL DestroyWindow();
  // The object attached to a window of this thread, or nullptr for any other window.
  static CWnd* FromHandle(HWND hwnd);

  // The message map of the class. Classes handle what they need and pass the
  // rest to their base class; CWnd's own map reflects notifications to the
  // child objects that sent them and ends in DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // What the window does by default: the window's original procedure.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND; TRUE when handled.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // Sees every message of the modal loop before it is dispatched; TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // A notification the parent reflected back to this child (WM_COMMAND,
  // WM_DRAWITEM, WM_CTLCOLOR*). TRUE with *result when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Owner drawing, reached through reflection of WM_DRAWITEM.
  virtual void DrawItem(DRAWITEMSTRUCT* item);
  // After WM_NCDESTROY, when the handle is gone.
  virtual void PostNcDestroy() {}
  // The object has just been attached to its window (from creation or
  // SubclassWindow); controls adjust their styles here.
  virtual void PreSubclassWindow() {}

  // Thin conveniences over the handle.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Invalidate(BOOL erase = FALSE) const;
  void InvalidateRect(const RECT* rect, BOOL erase = FALSE) const;
  BOOL ShowWindow(int command) const;
  BOOL EnableWindow(BOOL enable = TRUE) const;
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL MoveWindow(const RECT& rect, BOOL repaint = TRUE) const;
  void SetWindowText(const std::wstring& text) const;
  std::wstring GetWindowText() const;
  RECT GetClientRect() const;
  // Window rectangle in the coordinates of the parent's client area.
  RECT GetRectInParent() const;
  HWND GetParent() const;
  // Centres the window on `over` (its owner when null) or, without one, on the work area.
  void CenterWindow(HWND over = nullptr) const;
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const;
  BOOL KillTimer(UINT_PTR id) const;

  // The window procedure of the framework's own classes: the object comes
  // with WM_NCCREATE (the creation parameter) and lives in GWLP_USERDATA.
  static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // The procedure that replaces a taken-over window's own.
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The one way a window and its object are joined, and parted.
  void Attach(HWND hwnd, WNDPROC original);
  void Detach();

  WNDPROC original_ = nullptr;  // what DefWindowProc calls
  bool replacedProc_ = false;   // the window procedure is SubclassProc
};
