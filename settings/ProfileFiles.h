// Profile files of the user's own (one profile in section "ProfileSetting"),
// the names an import and a rename give a profile, and the import into the
// current slot of the settings file.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "settings/MouseConfig.h"
#include "settings/Warnings.h"

class SettingsStore;
class StoredFile;

// The longest profile name, in UTF-16 units.
constexpr std::size_t kProfileNameLimit = kNameLength - 1;

// Reads section "ProfileSetting" of a profile file and validates it like every
// loaded profile; keys the file lacks get their defaults. False, with
// `profile` untouched, when nothing can be read at the path (gone, locked,
// unreadable, a folder).
bool ReadProfileFile(const std::filesystem::path& file, ProfileRecord& profile);
bool ReadProfileFile(std::shared_ptr<StoredFile> file, ProfileRecord& profile);
// Writes `profile` into section "ProfileSetting" of `file`: its other sections
// and keys stay, and the file is replaced atomically. False when the file
// exists but cannot be read whole, or cannot be written.
bool WriteProfileFile(const std::filesystem::path& file, const ProfileRecord& profile);
bool WriteProfileFile(std::shared_ptr<StoredFile> file, const ProfileRecord& profile);

// The name a profile file gives: the file name without its folder, less its
// last four characters (normally ".ini"), cut to the name limit. Shorter file
// names give an empty name.
std::u16string ProfileNameFromFile(std::u16string_view path);
// The first of name, name(1), name(2), ... that none of the profiles in use
// other than `slot` holds (compared exactly). Each candidate is cut before its
// "(k)" so that the whole stays within the name limit.
std::u16string UniqueProfileName(std::u16string_view name, const MouseConfig& config, int slot);

// The imported profile into the current slot, named after the file. The slot
// keeps its section number, so that no two slots share a section.
void PlaceImportedProfile(MouseConfig& config, const ProfileRecord& imported,
                          std::u16string_view filePath);

// Reads the profile file into the current profile, writes its section and the
// global section, and reloads the settings file. False, with nothing changed,
// when the profile file cannot be read. When the settings file refuses the
// write, the imported profile stays in memory and nothing is reloaded.
bool ImportProfileFile(SettingsStore& store, const std::filesystem::path& file);
// The same for a file of any kind; `fileName` names the profile.
bool ImportProfileFile(SettingsStore& store, std::shared_ptr<StoredFile> file,
                       std::u16string_view fileName);

// What committing a typed name for the current profile does.
struct RenameOutcome {
  Warning warning = kAccepted;  // kWarnDuplicateName: another profile has the name
  bool changes = false;         // false for the profile's own name or a refusal
  std::u16string name;          // the typed text cut to the name limit
};
RenameOutcome CheckProfileRename(const MouseConfig& config, std::u16string_view typed);

// Rows of the profile bar at Totle and above stand for no profile: they show
// nothing and do not react.
bool IsProfileInUse(const MouseConfig& config, int row);
