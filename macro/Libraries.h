// The main window's two libraries, kept side by side in the per-user folder.
#pragma once

#include <filesystem>

#include "macro/Library.h"

class Libraries {
 public:
  // The library files "MacroSetting" and "BulletSetting" of `folder`.
  explicit Libraries(const std::filesystem::path& folder);

  Library& of(LibraryKind kind) { return kind == LibraryKind::kMacro ? macros : patterns; }
  const Library& of(LibraryKind kind) const {
    return kind == LibraryKind::kMacro ? macros : patterns;
  }

  // The libraries' part of a settings reload: the built-in patterns when the
  // pattern library file is absent, then both copies rebuilt from their files.
  // False when a library file could not be read (that library is then empty
  // and refuses writes).
  bool Reload();
  // The apply's slot refresh: every slot of the profile that plays a macro or
  // pattern gets its events from the library file; slots of a library file
  // that cannot be read keep theirs.
  void FillProfileSlots(ProfileRecord& profile) const;

  Library macros;
  Library patterns;
};
