// A long run of the main window: page switches, profile switches, menus
// opened and closed, language switches and applies, sent to the real dialog
// as its controls send them. Prints the GDI objects, the windows (user
// objects) and the private memory of the process at the start, after 1,000
// actions and after the last one.
//   scripts/with-display scripts/wine-exec build/win/bin/soak.exe [actions]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/QoxelDlg_win.h"
#include "macro/Libraries.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"
#include "tests/win/GdiCount_win.h"

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Windows of this thread, children included: the program's user objects.
int CountWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) -> BOOL {
        auto* n = reinterpret_cast<int*>(counter);
        ++*n;
        EnumChildWindows(
            window,
            [](HWND, LPARAM inner) -> BOOL {
              ++*reinterpret_cast<int*>(inner);
              return TRUE;
            },
            counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// Committed private memory. Wine leaves PrivateUsage at zero; the page-file
// count is the same figure there and on Windows.
SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

void Report(const char* when, int actions) {
  std::printf("%-14s %6d actions  GDI objects %5d  windows %4d  private memory %8.1f MB\n", when,
              actions, GdiObjectCount(), CountWindows(), PrivateBytes() / 1048576.0);
  std::fflush(stdout);
}

class Soak {
 public:
  explicit Soak(CQoxelDlg& dialog) : dialog_(dialog) {}

  // The control at the centre of a skin entry, as a click would find it.
  HWND ControlAt(std::u16string_view section, std::u16string_view key) const {
    const SkinEntry e = ParseSkinEntry(ReadSkinValue(section, key));
    return ChildWindowFromPointEx(
        dialog_.m_hWnd, POINT{(e.left + e.right) / 2, (e.top + e.bottom) / 2}, CWP_SKIPINVISIBLE);
  }
  void Click(std::u16string_view section, std::u16string_view key) {
    HWND control = ControlAt(section, key);
    if (!control || control == dialog_.m_hWnd) return;
    dialog_.SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  }

  void Act(int i) {
    static const char16_t* tabs[] = {u"7", u"8", u"99", u"9"};
    static const char16_t* pictures[] = {u"1", u"2", u"3", u"4", u"5", u"6"};
    switch (i % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
        Click(u"MAIN", tabs[i % 4]);
        break;
      case 4:
        Click(u"SYNC", pictures[(i / 10) % 6]);
        break;
      case 5:
      case 6: {
        // A drop-down on the page shown: the first click opens it, the
        // second only closes it.
        Click(u"MAIN", tabs[0]);
        Click(u"MAIN", u"5");
        Click(u"MAIN", u"5");
        break;
      }
      case 7:
        Click(u"MAIN", tabs[3]);
        Click(u"MOUSE", u"14");
        Click(u"MOUSE", u"14");
        break;
      case 8:
        if ((i / 10) % 5 == 0) Click(u"MAIN", u"11");  // apply
        break;
      default:
        if ((i / 10) % 10 == 0) SwitchLanguage();
        break;
    }
    RedrawWindow(dialog_.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  void SwitchLanguage() {
    MouseConfig& config = dialog_.config();
    config.header.lanId = config.header.lanId == 1 ? 0 : 1;
    SelectSkinFile(Paths().programFolder, config.header.lanId);
    dialog_.RefreshMainWindow();
  }

 private:
  CQoxelDlg& dialog_;
};

}  // namespace

int main(int argc, char** argv) {
  const int actions = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 10000;
  const GdiplusSession gdiplus;
  Paths().programFolder = ExecutableFolder();
  HMODULE resources = LoadLibraryExW((Paths().programFolder + L"KestrelonR58.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  SetResourceModule(resources);
  const auto folder = std::filesystem::temp_directory_path() / L"r58-soak";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  SettingsStore settings(folder / L"GamingMouse");
  Libraries libraries(folder);
  auto dialog = std::make_unique<CQoxelDlg>(settings, &libraries);
  if (!dialog->Create(nullptr)) return 1;
  dialog->ShowWindow(SW_SHOW);
  Soak soak(*dialog);
  // Every page and language once, so that caches made on first use are there.
  for (int i = 0; i < 20; ++i) soak.Act(i);
  soak.SwitchLanguage();
  soak.SwitchLanguage();
  Report("start", 0);
  for (int i = 1; i <= actions; ++i) {
    soak.Act(i);
    if (i == 1000 || i == actions) Report(i == actions ? "end" : "after 1,000", i);
  }
  dialog->DestroyWindow();
  if (HWND service = FindWindowW(nullptr, L"Kestrelon_R58_Hid"))
    PostMessageW(service, WM_CLOSE, 0, 0);
  return 0;
}
