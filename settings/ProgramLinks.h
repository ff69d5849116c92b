// Programs linked to a profile: while one of them is in front, the device
// service makes its profile the active one. Each profile has seven entries;
// entry i is ExePath i (the program's full path) and ExeName i (its file name,
// which is what is compared, without regard to case). An entry with an empty
// name is unused. A program is linked to at most one profile.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/MouseConfig.h"

constexpr int kLinksPerProfile = kButtonSlots;

struct ProgramLink {
  int profile;  // index of the profile
  int entry;    // 0..6
  std::u16string path;
  std::u16string name;
};

// The file name of a path: what follows its last backslash or slash.
std::u16string_view ProgramFileName(std::u16string_view path);

// The links of one profile, in entry order.
std::vector<ProgramLink> ProfileLinks(const ProfileRecord& profile, int index);
// The links of every profile in use, by profile and entry.
std::vector<ProgramLink> AllProgramLinks(const MouseConfig& config);
// The profile the program (a file name or a full path) is linked to; -1 for
// none. A name that a hand-edited or imported file gives two profiles belongs
// to the first of them.
int FindLinkedProfile(const std::vector<ProgramLink>& links, std::u16string_view program);

enum class LinkResult {
  kLinked,         // a new entry, possibly moved from another profile
  kAlreadyLinked,  // the profile has the program; its entry takes the given path
  kProfileFull,    // seven programs are linked to the profile; nothing changed
  kNoProgramName,  // the path names no file (empty, ends in a separator, control characters)
  kPathTooLong,    // more than 259 units: the entry could not hold it
  kNoSuchProfile,  // the index is not a profile in use
};

struct LinkOutcome {
  LinkResult result;
  int entry = -1;      // the program's entry in the profile
  int movedFrom = -1;  // the profile the program was taken from, -1 when none
  bool changed = false;
};

// Links the program at `path` to profile `index` and takes it from any other
// profile in use.
LinkOutcome LinkProgram(MouseConfig& config, int index, std::u16string_view path);
// Unlinks the program (a file name or a full path, compared by its file name)
// from every profile in use. Returns the links removed.
std::vector<ProgramLink> UnlinkProgram(MouseConfig& config, std::u16string_view program);
