#include "settings/ActiveProfile.h"

#include <memory>

#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

UseProfileResult UseProfileInFile(const std::filesystem::path& file, int index) {
  IniFile ini(file);
  if (!ini.existed()) return UseProfileResult::kMissing;
  if (ini.unreadable()) return UseProfileResult::kUnreadable;
  // The profiles in use as the program counts them after validation.
  auto loaded = std::make_unique<MouseConfig>();
  ClearSettings(*loaded);
  LoadSettings(*loaded, ini);
  ValidateSettings(*loaded);
  if (index < 0 || index >= loaded->header.totle) return UseProfileResult::kNoSuchProfile;
  ini.WriteInt(kGlobalSection, u"Active", index);
  ini.WriteInt(kGlobalSection, u"Current", index);
  return ini.Commit() ? UseProfileResult::kDone : UseProfileResult::kWriteFailed;
}
