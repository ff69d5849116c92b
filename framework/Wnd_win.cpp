#include "framework/Wnd_win.h"

#include <unordered_map>

namespace {

HINSTANCE g_resourceModule = nullptr;

// The windows of this thread that have objects: FromHandle answers for any
// window (a tooltip, a dialog of the system) without touching it.
std::unordered_map<HWND, CWnd*>& AttachedWindows() {
  thread_local std::unordered_map<HWND, CWnd*> windows;
  return windows;
}

CWnd* ObjectOf(HWND hwnd) {
  return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

HINSTANCE ResourceModule() {
  return g_resourceModule ? g_resourceModule : GetModuleHandleW(nullptr);
}

void SetResourceModule(HINSTANCE module) { g_resourceModule = module; }

const wchar_t* PlainWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &CWnd::OwnClassProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"R58Window";
    return RegisterClassExW(&wc);
  }();
  return atom ? L"R58Window" : nullptr;
}

CWnd::~CWnd() {
  if (m_hWnd && IsWindow(m_hWnd)) {
    // The object goes first: the window must not call into it any more.
    HWND hwnd = m_hWnd;
    UnsubclassWindow();
    ::DestroyWindow(hwnd);
  }
}

void CWnd::Attach(HWND hwnd, WNDPROC original) {
  m_hWnd = hwnd;
  original_ = original;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  AttachedWindows()[hwnd] = this;
  PreSubclassWindow();
}

void CWnd::Detach() {
  if (!m_hWnd) return;
  AttachedWindows().erase(m_hWnd);
  SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
  m_hWnd = nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    const RECT& rect, HWND parent, UINT_PTR idOrMenu) {
  // The framework's own classes attach this object from WM_NCCREATE, through
  // the creation parameter; any other class is taken over once it exists.
  HWND hwnd = CreateWindowExW(exStyle, className, title, style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(idOrMenu), GetModuleHandleW(nullptr), this);
  if (!hwnd) {
    m_hWnd = nullptr;
    return false;
  }
  if (m_hWnd != hwnd) return SubclassWindow(hwnd);
  return true;
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || FromHandle(hwnd)) return false;
  const auto original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  if (!original) return false;
  replacedProc_ = true;
  Attach(hwnd, original);
  return true;
}

void CWnd::UnsubclassWindow() {
  if (!m_hWnd) return;
  if (replacedProc_) {
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    replacedProc_ = false;
  }
  Detach();
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto& windows = AttachedWindows();
  const auto found = windows.find(hwnd);
  return found == windows.end() ? nullptr : found->second;
}

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NCDESTROY) return wnd->WindowProc(message, wParam, lParam);
  const LRESULT result = wnd->DefWindowProc(message, wParam, lParam);
  if (wnd->replacedProc_) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->original_));
    wnd->replacedProc_ = false;
  }
  wnd->Detach();
  wnd->PostNcDestroy();
  return result;
}

LRESULT CALLBACK CWnd::OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = ObjectOf(hwnd);
  if (!wnd && message == WM_NCCREATE) {
    wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (wnd) wnd->Attach(hwnd, &::DefWindowProcW);
  }
  if (!wnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return Dispatch(wnd, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = ObjectOf(hwnd);
  // Only a window whose object already let go can get here without one.
  if (!wnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return Dispatch(wnd, hwnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      LRESULT result = 0;
      CWnd* child = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
      if (child && child != this && child->OnChildNotify(message, wParam, lParam, &result))
        return result;
      if (OnCommand(wParam, lParam)) return 0;
      break;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      LRESULT result = 0;
      CWnd* child = item ? FromHandle(item->hwndItem) : nullptr;
      if (child && child->OnChildNotify(message, wParam, lParam, &result)) return TRUE;
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR: {
      LRESULT result = 0;
      CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
      if (child && child != this && child->OnChildNotify(message, wParam, lParam, &result))
        return result;
      break;
    }
    default:
      break;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(original_ ? original_ : &::DefWindowProcW, m_hWnd, message, wParam,
                         lParam);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return FALSE;
  DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return TRUE;
}

void CWnd::DrawItem(DRAWITEMSTRUCT*) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::Invalidate(BOOL erase) const { ::InvalidateRect(m_hWnd, nullptr, erase); }

void CWnd::InvalidateRect(const RECT* rect, BOOL erase) const {
  ::InvalidateRect(m_hWnd, rect, erase);
}

BOOL CWnd::ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }

BOOL CWnd::EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::MoveWindow(const RECT& r, BOOL repaint) const {
  return ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
}

void CWnd::SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }

std::wstring CWnd::GetWindowText() const {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT CWnd::GetClientRect() const {
  RECT r{};
  ::GetClientRect(m_hWnd, &r);
  return r;
}

RECT CWnd::GetRectInParent() const {
  RECT r{};
  ::GetWindowRect(m_hWnd, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND CWnd::GetParent() const { return ::GetParent(m_hWnd); }

void CWnd::CenterWindow(HWND over) const {
  if (!over) over = ::GetWindow(m_hWnd, GW_OWNER);
  RECT outer{};
  ::GetWindowRect(m_hWnd, &outer);
  RECT area{};
  if (over)
    ::GetWindowRect(over, &area);
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - (outer.right - outer.left)) / 2;
  const int y = area.top + (area.bottom - area.top - (outer.bottom - outer.top)) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse) const {
  return ::SetTimer(m_hWnd, id, elapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
