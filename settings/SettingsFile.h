// The settings file "GamingMouse": the only persistent copy of the settings
// block and the only data channel to the device service.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/MouseConfig.h"

class StoredFile;

// Section names: "Setting", "Profile%dSetting", and "ProfileSetting" for the
// single profile of an exported file.
extern const char16_t kGlobalSection[];
std::u16string ProfileSectionName(int number, bool single);

void ReadGlobalSection(ConfigHeader& header, const IniFile& ini);
void WriteGlobalSection(const ConfigHeader& header, IniFile& ini);
void ReadProfileSection(ProfileRecord& profile, int number, const IniFile& ini, bool single);
void WriteProfileSection(const ProfileRecord& profile, int number, IniFile& ini, bool single);
// Returns the slots given every default instead of being read (a count below
// 1 reads no profile, and validation then brings slot 0 into use): the file
// does not hold them under their section number.
SlotMask LoadSettings(MouseConfig& block, const IniFile& ini);
// Whether the file holds every key of the global section and of each profile
// in use, and every button struct value passes its checksum.
bool IsSettingsFileComplete(const IniFile& ini);
void SaveSettings(const MouseConfig& block, IniFile& ini);

// The live settings of the program, bound to the settings file. Every write is
// one batch committed atomically; a false result means the file is unchanged.
//
// A file that exists but cannot be read whole (see ReadResult) is never
// written: loading it gives the defaults, and every write is refused until a
// later load reads the file, so that the defaults never replace it.
class SettingsStore {
 public:
  // The settings file on disk; an empty path stands for no file at all (no
  // per-user folder): the store then runs on defaults and writes nothing.
  explicit SettingsStore(std::filesystem::path settingsPath);
  explicit SettingsStore(std::shared_ptr<StoredFile> file);

  MouseConfig& config() { return *config_; }
  const MouseConfig& config() const { return *config_; }
  const std::filesystem::path& path() const { return path_; }

  // Clear, load and validate; when no file exists, write the validated
  // defaults. False when the file could not be read or that first write failed.
  bool Reload();
  // Clear, load and validate without writing anything. False when the file
  // exists but could not be read.
  bool LoadOnly();
  // Whether the last load found a file it could not read; writes are refused.
  bool unreadable() const { return unreadable_; }
  // The whole file (apply).
  bool Save();
  // The new profile's section, then the global section. kWarnProfilesFull when
  // six profiles are in use; `written` tells whether the file took the change.
  Warning AddProfile(std::u16string_view defaultNameBase, bool* written = nullptr);
  // The global section. Returns false when the file could not be written.
  bool DeleteProfile();
  // The current profile's section, then the global section (import).
  bool WriteCurrentProfileAndGlobal();

  // Slots whose data the file does not hold under their section number: the
  // load renumbered them or gave them every default. The next write of the
  // global section writes their sections first.
  SlotMask unwrittenSections() const { return unwritten_; }

 private:
  bool Load(const IniFile& ini);
  IniFile ReadFile() const;
  bool Writable() const { return file_ && !unreadable_; }
  // Profile `slot`'s section (none for -1) and the global section, in one commit.
  bool WriteGlobal(int slot);

  std::shared_ptr<StoredFile> file_;
  std::filesystem::path path_;
  std::unique_ptr<MouseConfig> config_;
  SlotMask unwritten_ = 0;
  bool unreadable_ = false;
};
