#include "skin/ProgramPaths_win.h"

#include <windows.h>

#include <shlobj.h>

ProgramPaths& Paths() {
  static ProgramPaths paths;
  return paths;
}

std::wstring ExecutableFolder() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, n);
  return path.substr(0, path.rfind(L'\\') + 1);
}

std::wstring AppDataFolder() {
  wchar_t buffer[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, buffer)))
    return {};
  return buffer;
}

void EnsurePerUserFolder() {
  const std::wstring base = AppDataFolder();
  if (base.empty()) return;
  for (const wchar_t* part : {L"\\Kestrelon", L"\\Kestrelon\\R58"}) {
    const std::wstring folder = base + part;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
      CreateDirectoryW(folder.c_str(), nullptr);
  }
}

bool SetPerUserPaths() {
  const std::wstring base = AppDataFolder();
  if (base.empty()) return false;
  Paths().macroLibrary = base + L"\\Kestrelon\\R58\\MacroSetting";
  Paths().bulletLibrary = base + L"\\Kestrelon\\R58\\BulletSetting";
  Paths().settingsFile = base + L"\\Kestrelon\\R58\\GamingMouse";
  return true;
}
