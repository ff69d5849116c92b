// Making one profile the active and current one in the settings file without
// touching anything else in it: the device service's switch to the profile of
// the program in front, and "r58ctl profile use".
#pragma once

#include <filesystem>

enum class UseProfileResult {
  kDone,           // the file names the profile as active and current
  kNoSuchProfile,  // the index is not a profile in use in the file; nothing written
  kMissing,        // no settings file
  kUnreadable,     // the file could not be read whole; never written
  kWriteFailed,    // the file could not be replaced; it is as it was
};

// Sets Active and Current of the global section to `index` in one atomic
// replacement of the file; every other key keeps its value. A file that
// already names the profile is not written.
UseProfileResult UseProfileInFile(const std::filesystem::path& file, int index);
