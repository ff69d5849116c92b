#include "settings/ProfileFiles.h"

#include <memory>

#include "settings/Gcc12Restrict.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/StoredFile.h"
#include "settings/Utf.h"

namespace {

// The extension the file dialogs give, or any four characters in its place.
constexpr std::size_t kExtensionUnits = 4;

bool NameTakenByOther(const MouseConfig& config, int slot, std::u16string_view name) {
  for (int i = 0; i < config.header.totle && i < kMaxProfiles; ++i)
    if (i != slot && FixedText(config.profiles[i].name) == name) return true;
  return false;
}

}  // namespace

bool ReadProfileFile(const std::filesystem::path& file, ProfileRecord& profile) {
  return ReadProfileFile(std::make_shared<DiskFile>(file), profile);
}

bool ReadProfileFile(std::shared_ptr<StoredFile> file, ProfileRecord& profile) {
  const IniFile ini(std::move(file));
  // A file gone since the dialog, locked or unreadable is not an empty profile.
  if (!ini.existed() || ini.unreadable()) return false;
  auto read = std::make_unique<ProfileRecord>();
  ReadProfileSection(*read, 0, ini, true);
  ValidateProfile(*read, false);
  profile = *read;
  return true;
}

bool WriteProfileFile(const std::filesystem::path& file, const ProfileRecord& profile) {
  return WriteProfileFile(std::make_shared<DiskFile>(file), profile);
}

bool WriteProfileFile(std::shared_ptr<StoredFile> file, const ProfileRecord& profile) {
  IniFile ini(std::move(file));
  WriteProfileSection(profile, 0, ini, true);
  return ini.Commit();
}

std::u16string ProfileNameFromFile(std::u16string_view path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  const std::u16string_view name =
      slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  if (name.size() <= kExtensionUnits) return {};
  return std::u16string(CutToFit(name.substr(0, name.size() - kExtensionUnits), kProfileNameLimit));
}

std::u16string UniqueProfileName(std::u16string_view name, const MouseConfig& config, int slot) {
  std::u16string candidate(CutToFit(name, kProfileNameLimit));
  // At most five other profiles: one of the first six candidates is free.
  for (int k = 1; NameTakenByOther(config, slot, candidate); ++k) {
    GCC12_BUG_105651_BEGIN
    const std::u16string suffix = u"(" + DecimalText(k) + u")";
    GCC12_BUG_105651_END
    candidate = std::u16string(CutToFit(name, kProfileNameLimit - suffix.size())) + suffix;
  }
  return candidate;
}

void PlaceImportedProfile(MouseConfig& config, const ProfileRecord& imported,
                          std::u16string_view filePath) {
  const int slot = config.header.current;
  ProfileRecord& target = config.profiles[slot];
  target = imported;
  SetFixedText(target.name, UniqueProfileName(ProfileNameFromFile(filePath), config, slot));
}

bool ImportProfileFile(SettingsStore& store, const std::filesystem::path& file) {
  return ImportProfileFile(store, std::make_shared<DiskFile>(file), file.u16string());
}

bool ImportProfileFile(SettingsStore& store, std::shared_ptr<StoredFile> file,
                       std::u16string_view fileName) {
  auto imported = std::make_unique<ProfileRecord>();
  if (!ReadProfileFile(std::move(file), *imported)) return false;
  PlaceImportedProfile(store.config(), *imported, fileName);
  // The file is the truth once it holds the profile: the reload also drops the
  // changes not yet applied. A file that refused the write is not reloaded,
  // so that the imported profile stays on screen for the next apply.
  if (store.WriteCurrentProfileAndGlobal()) store.Reload();
  return true;
}

RenameOutcome CheckProfileRename(const MouseConfig& config, std::u16string_view typed) {
  RenameOutcome outcome;
  outcome.name = std::u16string(CutToFit(typed, kProfileNameLimit));
  for (int i = 0; i < config.header.totle && i < kMaxProfiles; ++i) {
    if (FixedText(config.profiles[i].name) != outcome.name) continue;
    if (i != config.header.current) outcome.warning = kWarnDuplicateName;
    return outcome;
  }
  outcome.changes = true;
  return outcome;
}

bool IsProfileInUse(const MouseConfig& config, int row) {
  return row >= 0 && row < config.header.totle && row < kMaxProfiles;
}
