#include "app/FileDialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace {

// Longer than MAX_PATH so that deep folders are not cut.
constexpr DWORD kPathBuffer = 1024;

std::wstring Show(HWND owner, const FileDialogSpec& spec, bool save) {
  std::vector<wchar_t> path(kPathBuffer, L'\0');
  lstrcpynW(path.data(), spec.initialName, static_cast<int>(path.size()));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = spec.filter;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = kPathBuffer;
  ofn.lpstrDefExt = spec.defaultExtension;
  ofn.lpstrInitialDir = spec.initialFolder.empty() ? nullptr : spec.initialFolder.c_str();
  ofn.Flags = spec.options | OFN_EXPLORER | OFN_NOCHANGEDIR;
  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  return chosen ? std::wstring(path.data()) : std::wstring();
}

}  // namespace

std::wstring ShowOpenDialog(HWND owner, const FileDialogSpec& spec) {
  return Show(owner, spec, false);
}

std::wstring ShowSaveDialog(HWND owner, const FileDialogSpec& spec) {
  return Show(owner, spec, true);
}

std::wstring ChoosePictureFile(HWND owner) {
  wchar_t folder[MAX_PATH] = L"";
  ExpandEnvironmentStringsW(L"%ProgramFiles%", folder, MAX_PATH);
  const FileDialogSpec spec{L"JPG File(*.jpg)\0*.jpg\0", L"jpg", L"*.jpg", folder,
                            OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT};
  return ShowOpenDialog(owner, spec);
}

std::wstring DesktopFolder() {
  wchar_t folder[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, folder)))
    return {};
  return folder;
}
