#include "tools/hid/ForegroundWatch_win.h"

namespace {

constexpr UINT kPollMilliseconds = 500;

// The event callback carries no context; one watch per process is all the
// service needs.
HWND gEventOwner = nullptr;
UINT gEventMessage = 0;

}  // namespace

void ForegroundWatch::Start(HWND owner, UINT message) {
  owner_ = owner;
  message_ = message;
  gEventOwner = owner;
  gEventMessage = message;
  hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                          &ForegroundWatch::OnForegroundEvent, 0, 0,
                          WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  SetTimer(owner, kPollTimer, kPollMilliseconds, nullptr);
}

void ForegroundWatch::Stop() {
  if (hook_) UnhookWinEvent(hook_);
  hook_ = nullptr;
  if (owner_) KillTimer(owner_, kPollTimer);
  owner_ = nullptr;
  gEventOwner = nullptr;
}

void ForegroundWatch::OnPollTimer() const {
  if (owner_) PostMessageW(owner_, message_, reinterpret_cast<WPARAM>(GetForegroundWindow()), 0);
}

void CALLBACK ForegroundWatch::OnForegroundEvent(HWINEVENTHOOK, DWORD event, HWND window,
                                                 LONG object, LONG, DWORD, DWORD) {
  if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW || !gEventOwner) return;
  PostMessageW(gEventOwner, gEventMessage, reinterpret_cast<WPARAM>(window), 0);
}

std::wstring ProgramOfWindow(HWND window) {
  DWORD processId = 0;
  if (!window || !GetWindowThreadProcessId(window, &processId) || !processId) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  std::wstring path(32768, L'\0');  // the longest path the system gives
  DWORD size = static_cast<DWORD>(path.size());
  const bool found = QueryFullProcessImageNameW(process, 0, path.data(), &size);
  CloseHandle(process);
  if (!found) return {};
  path.resize(size);
  return path;
}
