// Start-up to first paint: the program (settings file present, device service
// running) against the minimal window, launched alternately. A run ends when
// the window and every child it shows have nothing left to paint.
//   scripts/with-display scripts/wine-exec build/win/bin/startup_bench.exe [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "skin/ProgramPaths_win.h"

namespace {

bool NeedsPaint(HWND window) {
  RECT update;
  return GetUpdateRect(window, &update, FALSE) != FALSE;
}

// The window is visible and neither it nor a visible child waits for a paint.
bool Painted(HWND window) {
  if (!IsWindowVisible(window) || NeedsPaint(window)) return false;
  bool pending = false;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM flag) -> BOOL {
        if (IsWindowVisible(child) && NeedsPaint(child)) *reinterpret_cast<bool*>(flag) = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

// Milliseconds from process creation to the painted window; -1 on failure.
double TimeToPaint(const std::wstring& exe, const wchar_t* title) {
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = NowMs();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      ExecutableFolder().c_str(), &startup, &process))
    return -1;
  double painted = -1;
  while (NowMs() - start < 30000) {
    HWND window = FindWindowW(nullptr, title);
    if (window && Painted(window)) {
      painted = NowMs() - start;
      PostMessageW(window, WM_CLOSE, 0, 0);
      break;
    }
    Sleep(1);
  }
  WaitForSingleObject(process.hProcess, 15000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return painted;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(7, std::atoi(argv[1])) : 9;
  const std::wstring folder = ExecutableFolder();
  // A first start writes the settings file and starts the service.
  TimeToPaint(folder + L"KestrelonR58.exe", L"Kestrelon R58");
  std::vector<double> program, minimal;
  for (int i = 0; i < runs; ++i) {
    minimal.push_back(TimeToPaint(folder + L"minimal_window.exe", L"Kestrelon minimal window"));
    program.push_back(TimeToPaint(folder + L"KestrelonR58.exe", L"Kestrelon R58"));
  }
  const double p = Median(program), m = Median(minimal);
  std::printf("start-up to painted window, median of %d runs\n", runs);
  std::printf("  program         %8.1f ms\n", p);
  std::printf("  minimal window  %8.1f ms\n", m);
  std::printf("  ratio           %8.2f (target <= 3)\n", m > 0 ? p / m : 0);
  return 0;
}
