#include <windows.h>

#include "device/ServiceLaunch_win.h"
#include "device/ServiceLink.h"
#include "device/WaitCursor_win.h"
#include "settings/WideText_win.h"

bool NotifyService(unsigned message) {
  HWND service = FindWindowW(nullptr, WidePtr(kServiceWindowTitle));
  WaitCursorScope wait;
  if (!service) return false;
  SendMessageW(service, message, 0, 0);
  return true;
}

// Starts the service from the program's own folder unless its window exists.
// The path is quoted and wide, so folders with blanks or any characters work.
void LaunchService(const std::wstring& programFolder) {
  if (FindWindowW(nullptr, WidePtr(kServiceWindowTitle))) return;
  const std::wstring exe = programFolder + Wide(kServiceExecutable);
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      programFolder.c_str(), &startup, &process))
    return;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
