#include "tools/r58ctl/Tool.h"

#include <iostream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"

namespace {

std::vector<CommandGroup>& Groups() {
  static std::vector<CommandGroup> groups;
  return groups;
}

}  // namespace

bool RegisterCommandGroup(CommandGroup group) {
  Groups().push_back(group);
  return true;
}

void AddRegisteredCommandGroups(CLI::App& app) {
  for (CommandGroup group : Groups()) group(app);
}

std::filesystem::path PathArg(const std::string& utf8) {
  return std::filesystem::path(Utf8ToUtf16(utf8));
}

std::string PathText(const std::filesystem::path& path) {
  const std::u16string text = path.u16string();
  return Utf16ToUtf8(text);
}

long long NumberArg(const std::string& text, const char* what) {
  std::int64_t value = 0;
  if (!ParseNumber(text, value))
    throw ToolExit{kExitUsage, std::string(what) + ": not a number: " + text};
  return value;
}

std::string Utf8(std::u16string_view text) { return Utf16ToUtf8(text); }

void PrintJson(const Json& value) { std::cout << value.dump(2) << "\n"; }

std::filesystem::path ToolFolder() {
#ifdef _WIN32
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, n)).parent_path();
#else
  std::error_code ec;
  return std::filesystem::canonical("/proc/self/exe", ec).parent_path();
#endif
}

void RequireFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw ToolExit{kExitFileError, "no such file: " + PathText(path)};
  if (!std::filesystem::is_regular_file(path, ec)) FailUnreadable(path);
}

void FailUnreadable(const std::filesystem::path& path) {
  throw ToolExit{kExitFileError, "cannot read " + PathText(path) +
                                     " (locked, no read permission, not a file or larger than " +
                                     std::to_string(kMaxSettingsFileBytes >> 20) +
                                     " MiB); left as it is"};
}

void LoadExistingSettings(SettingsStore& store) {
  RequireFile(store.path());
  if (!store.LoadOnly()) FailUnreadable(store.path());
}
