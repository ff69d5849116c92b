#include "macro/Libraries.h"

#include "macro/Patterns.h"
#include "settings/IniFile.h"

Libraries::Libraries(const std::filesystem::path& folder)
    : macros(LibraryKind::kMacro, folder / TraitsOf(LibraryKind::kMacro).fileName),
      patterns(LibraryKind::kPattern, folder / TraitsOf(LibraryKind::kPattern).fileName) {}

bool Libraries::Reload() {
  std::error_code ec;
  if (!std::filesystem::exists(patterns.path(), ec)) CreateBuiltInPatterns(patterns.path());
  const bool macrosRead = macros.LoadLibraryFile();
  return patterns.LoadLibraryFile() && macrosRead;
}

void Libraries::FillProfileSlots(ProfileRecord& profile) const {
  const IniFile macroFile(macros.file());
  const IniFile patternFile(patterns.file());
  for (ButtonSlot& slot : profile.slots) {
    if (!macros.FillSlot(slot, macroFile)) patterns.FillSlot(slot, patternFile);
  }
}
