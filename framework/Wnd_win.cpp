#include "framework/Wnd_win.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x52353858;  // 'R58X'
// Finds the object of a window; the subclass's own look-up is not exported by name.
constexpr wchar_t kObjectProperty[] = L"R58.CWnd";

HINSTANCE g_resourceModule = nullptr;

thread_local CWnd* g_creating = nullptr;
thread_local HHOOK g_creationHook = nullptr;

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
    wc.lpfnWndProc = DefWindowProcW;
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

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_creating) {
    CWnd* wnd = g_creating;
    g_creating = nullptr;
    wnd->Attach(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CWnd::BeginCreation(CWnd* wnd) {
  g_creating = wnd;
  if (!g_creationHook)
    g_creationHook = SetWindowsHookExW(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
}

void CWnd::EndCreation() {
  g_creating = nullptr;
  if (g_creationHook) {
    UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
  }
}

bool CWnd::Attach(HWND hwnd) {
  if (!SetWindowSubclass(hwnd, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  SetPropW(hwnd, kObjectProperty, this);
  m_hWnd = hwnd;
  PreSubclassWindow();
  return true;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    const RECT& rect, HWND parent, UINT_PTR idOrMenu) {
  BeginCreation(this);
  HWND hwnd =
      CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(idOrMenu),
                      GetModuleHandleW(nullptr), nullptr);
  EndCreation();
  if (!hwnd) m_hWnd = nullptr;
  return hwnd != nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) { return hwnd && Attach(hwnd); }

void CWnd::UnsubclassWindow() {
  if (m_hWnd) {
    RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
    RemovePropW(m_hWnd, kObjectProperty);
  }
  m_hWnd = nullptr;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

CWnd* CWnd::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
  CWnd* wnd = reinterpret_cast<CWnd*>(self);
  if (message == WM_NCDESTROY) {
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    RemoveWindowSubclass(hwnd, &CWnd::SubclassProc, kSubclassId);
    RemovePropW(hwnd, kObjectProperty);
    wnd->m_hWnd = nullptr;
    wnd->PostNcDestroy();
    return result;
  }
  return wnd->WindowProc(message, wParam, lParam);
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
  return DefSubclassProc(m_hWnd, message, wParam, lParam);
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
