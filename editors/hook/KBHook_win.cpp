// KBHook.dll: reports the user's key and mouse-button events to one window
// while the macro editor records. Low-level hooks see each event before any
// window does; the library posts it to the registered window (so a slow or
// modal handler never holds up the user's input) and always passes it on.
//
// The hook procedures run in the thread that installed them, which must pump
// messages; installing again from another thread moves the hook there.
#include <windows.h>

#include <atomic>

#include "macro/HookMessages.h"

static_assert(WM_LBUTTONDOWN == kButtonLeftDown && WM_LBUTTONUP == kButtonLeftUp);
static_assert(WM_RBUTTONDOWN == kButtonRightDown && WM_RBUTTONUP == kButtonRightUp);
static_assert(WM_MBUTTONDOWN == kButtonMiddleDown && WM_MBUTTONUP == kButtonMiddleUp);
static_assert(WM_XBUTTONDOWN == kButtonExtraDown && WM_XBUTTONUP == kButtonExtraUp);
static_assert(LLKHF_UP == kHookKeyReleased && LLKHF_EXTENDED == kHookKeyExtended);
static_assert(XBUTTON1 == kHookBackButton && XBUTTON2 == kHookForwardButton);

namespace {

struct Hook {
  HHOOK handle = nullptr;
  DWORD thread = 0;
  std::atomic<HWND> window{nullptr};
  std::atomic<bool> enabled{false};
};

HMODULE g_module = nullptr;
Hook g_keyboard;
Hook g_mouse;

bool IsButtonMessage(WPARAM message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_keyboard.enabled) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (HWND window = g_keyboard.window)
      PostMessageW(window, kHookKeyMessage, key->vkCode,
                   static_cast<LPARAM>(key->flags & kHookKeyFlags));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_mouse.enabled && IsButtonMessage(wParam)) {
    const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const bool extra = wParam == WM_XBUTTONDOWN || wParam == WM_XBUTTONUP;
    if (HWND window = g_mouse.window)
      PostMessageW(window, kHookMouseMessage, wParam, extra ? HIWORD(mouse->mouseData) : 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One hook per kind: installing again only changes the window the reports go
// to, so no event is ever reported twice.
BOOL Install(Hook& hook, int type, HOOKPROC procedure, HWND window) {
  if (!IsWindow(window)) return FALSE;
  hook.window = window;
  const DWORD thread = GetCurrentThreadId();
  if (hook.handle && hook.thread == thread) return TRUE;
  if (hook.handle) UnhookWindowsHookEx(hook.handle);
  hook.handle = SetWindowsHookExW(type, procedure, g_module, 0);
  hook.thread = hook.handle ? thread : 0;
  return hook.handle != nullptr;
}

BOOL Remove(Hook& hook) {
  hook.enabled = false;
  hook.window = nullptr;
  if (!hook.handle) return FALSE;
  const BOOL removed = UnhookWindowsHookEx(hook.handle);
  hook.handle = nullptr;
  hook.thread = 0;
  return removed;
}

}  // namespace

extern "C" {

BOOL installhook(HWND window) { return Install(g_keyboard, WH_KEYBOARD_LL, KeyboardProc, window); }

BOOL installmousehook(HWND window) { return Install(g_mouse, WH_MOUSE_LL, MouseProc, window); }

// Makes `window` the receiver of both kinds of report; true when both hooks
// are in place.
BOOL hookDlg(HWND window) {
  if (!IsWindow(window)) return FALSE;
  g_keyboard.window = window;
  g_mouse.window = window;
  return g_keyboard.handle && g_mouse.handle;
}

void enablehook(BOOL on) { g_keyboard.enabled = on != FALSE; }

void enablemousehook(BOOL on) { g_mouse.enabled = on != FALSE; }

BOOL removehook() { return Remove(g_keyboard); }

BOOL removemousehook() { return Remove(g_mouse); }

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  // Freed while still installed: the hooks would call into code that is gone.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    Remove(g_keyboard);
    Remove(g_mouse);
  }
  return TRUE;
}
