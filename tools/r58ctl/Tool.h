// Shared conventions of r58ctl's commands: exit codes, numbers, paths, JSON.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

using Json = nlohmann::ordered_json;

class SettingsStore;

enum ExitCode : int {
  kExitDone = 0,
  kExitRefused = 1,   // a rule of the program said no
  kExitUsage = 2,     // bad usage, unknown command, index that does not exist
  kExitFileError = 3  // missing, unreadable or unwritable file; nothing was written
};

// Thrown by a command to end the tool with a message on standard error.
struct ToolExit {
  int code;
  std::string message;
};

std::filesystem::path PathArg(const std::string& utf8);
std::string PathText(const std::filesystem::path& path);
// Decimal or 0x-hexadecimal; anything else is a usage error.
long long NumberArg(const std::string& text, const char* what);
std::string Utf8(std::u16string_view text);
void PrintJson(const Json& value);
// The folder of the running tool.
std::filesystem::path ToolFolder();
// Fails with exit code 3 when the file does not exist or is not a file.
void RequireFile(const std::filesystem::path& path);
// Ends the tool with exit code 3: the file exists but could not be read whole,
// so it was not written either.
[[noreturn]] void FailUnreadable(const std::filesystem::path& path);
// Loads an existing settings file as the program does; a file that is missing
// or cannot be read ends the tool before anything is written.
void LoadExistingSettings(SettingsStore& store);

// Each command group lives in its own file and registers itself at start-up:
//   static const bool registered = RegisterCommandGroup(&AddMacroCommands);
using CommandGroup = void (*)(CLI::App& app);
bool RegisterCommandGroup(CommandGroup group);
void AddRegisteredCommandGroups(CLI::App& app);
