// Process-wide folders and files of the program.
#pragma once

#include <string>

struct ProgramPaths {
  std::wstring programFolder;  // folder of the executable, with a trailing backslash
  std::wstring settingsFile;   // per-user "GamingMouse"
  std::wstring macroLibrary;   // per-user "MacroSetting"
  std::wstring bulletLibrary;  // per-user "BulletSetting"
};

ProgramPaths& Paths();

// Folder of the running executable with its trailing backslash.
std::wstring ExecutableFolder();
// The user's roaming application-data folder (created if missing), or empty.
std::wstring AppDataFolder();
// Creates "\Kestrelon" and "\Kestrelon\R58" below the application-data folder.
void EnsurePerUserFolder();
// Fills the three per-user paths; false when the application-data folder is unknown.
bool SetPerUserPaths();
