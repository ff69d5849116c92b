// Opens one editor on the user's libraries, as the library panel does, so
// that the end-to-end tests can drive the editor windows alone:
//
//   editor_launcher.exe macro|pattern POSITION
//
// POSITION -1 opens the editor for a new entry. Exit status 0 when the entry
// was saved, 1 when the editor closed without saving, 2 on bad usage.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <filesystem>
#include <string>

#include "editors/Editors_win.h"
#include "macro/Libraries.h"
#include "skin/GdiHandles_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"

namespace {

constexpr int kEnglish = 1;

bool ParsePosition(const wchar_t* text, int& position) {
  wchar_t* end = nullptr;
  const long value = wcstol(text, &end, 10);
  if (!end || *end != L'\0' || end == text || value < -1 || value > 99) return false;
  position = static_cast<int>(value);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int position = 0;
  if (!argv || argc != 3 || !ParsePosition(argv[2], position)) return 2;
  const std::wstring kind = argv[1];
  LocalFree(argv);
  if (kind != L"macro" && kind != L"pattern") return 2;

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  GdiplusSession gdiplus;
  Paths().programFolder = ExecutableFolder();
  EnsurePerUserFolder();
  if (!SetPerUserPaths()) return 2;
  SelectSkinFile(Paths().programFolder, kEnglish);
  LoadInterfaceFontFace();

  Libraries libraries(std::filesystem::path(Paths().settingsFile).parent_path());
  libraries.Reload();
  const INT_PTR result = kind == L"macro" ? EditMacro(nullptr, libraries, position)
                                          : EditPattern(nullptr, libraries, position);
  return result == IDOK ? 0 : 1;
}
