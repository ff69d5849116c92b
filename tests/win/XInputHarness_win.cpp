#include <filesystem>

#include "tests/win/TestWindow_win.h"
#include "tests/win/XInput_win.h"

namespace {

// Wine starts programs of the X server's side but gives no handle to wait on:
// the shell leaves a marker file once xdotool has finished.
std::string UnixPath(const std::filesystem::path& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* unix = convert(path.c_str());
  if (!unix) return {};
  std::string result(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

}  // namespace

bool Xdotool(const std::string& arguments, const MessagePump& pump) {
  const std::filesystem::path marker = std::filesystem::temp_directory_path() /
                                       ("r58-xdotool-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::remove(marker);
  const std::string unixMarker = UnixPath(marker);
  if (unixMarker.empty()) return false;
  std::wstring command = L"/bin/sh -c \"xdotool " +
                         std::wstring(arguments.begin(), arguments.end()) + L" && touch '" +
                         std::wstring(unixMarker.begin(), unixMarker.end()) + L"'\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  if (pi.hThread) CloseHandle(pi.hThread);
  if (pi.hProcess) CloseHandle(pi.hProcess);
  const DWORD start = GetTickCount();
  while (!std::filesystem::exists(marker)) {
    if (GetTickCount() - start > 10000) return false;
    pump(20);
  }
  std::filesystem::remove(marker);
  pump(400);
  return true;
}

bool Xdotool(const std::string& arguments) { return Xdotool(arguments, PumpMessages); }

std::string PointerAt(POINT screen) {
  return "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " ";
}

POINT ScreenCentre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
