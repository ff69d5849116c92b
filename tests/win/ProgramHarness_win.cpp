#include "tests/win/ProgramHarness_win.h"

#include <shlobj.h>

#include <utility>

std::filesystem::path ProgramFolder() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, n)).parent_path();
}

std::filesystem::path PerUserFolder() {
  wchar_t buffer[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buffer);
  return std::filesystem::path(buffer) / L"Kestrelon" / L"R58";
}

void ClearPerUserFolder() {
  std::error_code ec;
  std::filesystem::remove_all(PerUserFolder().parent_path(), ec);
}

ChildProcess::ChildProcess(const std::filesystem::path& exe, const std::wstring& arguments) {
  std::wstring command = L"\"" + exe.wstring() + L"\" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      exe.parent_path().c_str(), &si, &pi))
    return;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
}

ChildProcess::~ChildProcess() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) Kill();
  CloseHandle(process_);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)) {}

bool ChildProcess::Wait(DWORD milliseconds) {
  return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void ChildProcess::Kill() {
  if (!process_) return;
  TerminateProcess(process_, 99);
  WaitForSingleObject(process_, 5000);
}

HWND WaitForWindow(const wchar_t* title, DWORD milliseconds, bool visible) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (hwnd && (!visible || IsWindowVisible(hwnd))) return hwnd;
    if (GetTickCount() - start > milliseconds) return nullptr;
    Sleep(20);
  }
}

bool WaitForWindowGone(const wchar_t* title, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (FindWindowW(nullptr, title)) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(20);
  }
  return true;
}

int CountTopLevelWindows(const wchar_t* title) {
  struct Search {
    const wchar_t* title;
    int count;
  } search{title, 0};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t text[256];
        GetWindowTextW(hwnd, text, 256);
        if (wcscmp(text, s->title) == 0) ++s->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}

std::string RunAndCapture(const std::filesystem::path& exe, const std::wstring& arguments,
                          DWORD* exitCode) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return {};
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring command = L"\"" + exe.wstring() + L"\" " + arguments;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, exe.parent_path().c_str(), &si, &pi);
  CloseHandle(write);
  std::string out;
  if (started) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0) out.append(buffer, n);
    WaitForSingleObject(pi.hProcess, 30000);
    if (exitCode) GetExitCodeProcess(pi.hProcess, exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(read);
  return out;
}

void QuitSimulator() {
  while (HWND service = FindWindowW(nullptr, L"Kestrelon_R58_Hid")) {
    SendMessageTimeoutW(service, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    if (!WaitForWindowGone(L"Kestrelon_R58_Hid", 5000)) break;
  }
}
