// A page switch through a tab (the tab's command, then everything repainted)
// against one copy of a full-window bitmap to the window, in one process.
//   scripts/with-display scripts/wine-exec build/win/bin/tab_switch_bench.exe [switches]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/QoxelDlg_win.h"
#include "bench/BenchTiming.h"
#include "macro/Libraries.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

HWND TabButton(HWND dialog, int tab) {
  const char16_t* keys[] = {u"7", u"8", u"99", u"9"};
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(u"MAIN", keys[tab]));
  return ChildWindowFromPoint(
      dialog, POINT{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
}

}  // namespace

int main(int argc, char** argv) {
  const int switches = argc > 1 ? std::max(20, std::atoi(argv[1])) : 200;
  const GdiplusSession gdiplus;
  Paths().programFolder = ExecutableFolder();
  HMODULE resources = LoadLibraryExW((Paths().programFolder + L"KestrelonR58.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  SetResourceModule(resources);
  const auto folder = std::filesystem::temp_directory_path() / L"r58-tab-bench";
  std::filesystem::create_directories(folder);
  SettingsStore settings(folder / L"GamingMouse");
  Libraries libraries(folder);
  auto dialog = std::make_unique<CQoxelDlg>(settings, &libraries);
  if (!dialog->Create(nullptr)) return 1;
  dialog->ShowWindow(SW_SHOW);
  RedrawWindow(dialog->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();

  std::vector<double> switchTimes;
  for (int i = 0; i < switches + kTabCount; ++i) {
    HWND tab = TabButton(dialog->m_hWnd, i % kTabCount);
    const double start = NowMs();
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(tab));
    RedrawWindow(dialog->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    // The first round completes the pages and warms the caches.
    if (i >= kTabCount) switchTimes.push_back(NowMs() - start);
    Pump();
  }

  // One full-window copy of a bitmap to the window.
  const RECT client = dialog->GetClientRect();
  HDC windowDc = GetDC(dialog->m_hWnd);
  UniqueBitmap full(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
  const UniqueDC memory = UniqueDC::Compatible(windowDc);
  std::vector<double> copyTimes;
  {
    const SelectScope select(memory.get(), full.get());
    for (int i = 0; i < switches; ++i) {
      const double start = NowMs();
      BitBlt(windowDc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
      GdiFlush();
      copyTimes.push_back(NowMs() - start);
    }
  }
  ReleaseDC(dialog->m_hWnd, windowDc);
  dialog->DestroyWindow();

  const double s = Median(switchTimes), c = Median(copyTimes);
  std::printf("page switch through a tab, median of %d\n", switches);
  std::printf("  tab click to painted  %8.2f ms\n", s);
  std::printf("  full-window copy      %8.2f ms\n", c);
  std::printf("  ratio                 %8.2f (target <= 3)\n", c > 0 ? s / c : 0);
  if (HWND service = FindWindowW(nullptr, L"Kestrelon_R58_Hid"))
    PostMessageW(service, WM_CLOSE, 0, 0);
  return 0;
}
