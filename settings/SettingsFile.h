// The settings file "GamingMouse": the only persistent copy of the settings
// block and the only data channel to the device service.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/MouseConfig.h"

// Section names: "Setting", "Profile%dSetting", and "ProfileSetting" for the
// single profile of an exported file.
extern const char16_t kGlobalSection[];
std::u16string ProfileSectionName(int number, bool single);

void ReadGlobalSection(ConfigHeader& header, const IniFile& ini);
void WriteGlobalSection(const ConfigHeader& header, IniFile& ini);
void ReadProfileSection(ProfileRecord& profile, int number, const IniFile& ini, bool single);
void WriteProfileSection(const ProfileRecord& profile, int number, IniFile& ini, bool single);
void LoadSettings(MouseConfig& block, const IniFile& ini);
// Whether the file holds every key of the global section and of each profile
// in use, and every button struct value passes its checksum.
bool IsSettingsFileComplete(const IniFile& ini);
void SaveSettings(const MouseConfig& block, IniFile& ini);

// The live settings of the program, bound to the settings file. Every write is
// one batch committed atomically; a false result means the file is unchanged.
class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path settingsPath);

  MouseConfig& config() { return *config_; }
  const MouseConfig& config() const { return *config_; }
  const std::filesystem::path& path() const { return path_; }

  // Clear, load and validate; when no file exists, write the validated
  // defaults. Returns false only when that first write failed.
  bool Reload();
  // Clear, load and validate without writing anything.
  void LoadOnly();
  // The whole file (apply).
  bool Save();
  // The new profile's section, then the global section. kWarnProfilesFull when
  // six profiles are in use; `written` tells whether the file took the change.
  Warning AddProfile(std::u16string_view defaultNameBase, bool* written = nullptr);
  // The global section. Returns false when the file could not be written.
  bool DeleteProfile();
  // The current profile's section, then the global section (import).
  bool WriteCurrentProfileAndGlobal();

  // Slots whose section number validation changed and whose data the file
  // does not hold under that number yet.
  SlotMask unwrittenSections() const { return unwritten_; }

 private:
  // Profile `slot`'s section (none for -1) and the global section, in one commit.
  bool WriteGlobal(int slot);

  std::filesystem::path path_;
  std::unique_ptr<MouseConfig> config_;
  SlotMask unwritten_ = 0;
};
