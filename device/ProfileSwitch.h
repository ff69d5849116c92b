// What the device service does when another program comes to the front: make
// the profile linked to that program active, and return to the user's own
// profile once a program linked to none is in front.
#pragma once

#include <string>
#include <vector>

#include "settings/ProgramLinks.h"

constexpr int kNoProfile = -1;

// What the service remembers between two programs in front.
struct SwitchMemory {
  int returnTo = kNoProfile;    // the profile active before the first automatic switch
  int switchedTo = kNoProfile;  // the profile the last automatic switch made active
  bool operator==(const SwitchMemory&) const = default;
};

struct SwitchSituation {
  std::u16string program;          // file name or full path; empty when it could not be found
  std::vector<ProgramLink> links;  // of the profiles in use
  bool configuratorOpen;           // the configuration program's main window exists
  int active;                      // the active profile of the settings file
  int profileCount;                // profiles in use
  SwitchMemory memory;
};

enum class SwitchAction {
  kNothing,
  kSwitch,  // make `profile` active: the program in front is linked to it
  kReturn,  // make `profile` active again: the program in front is linked to none
};

struct SwitchDecision {
  SwitchAction action = SwitchAction::kNothing;
  int profile = kNoProfile;
  SwitchMemory memory;  // to keep for the next decision
  bool operator==(const SwitchDecision&) const = default;
};

// The rules:
// - While the configurator is open nothing switches (the user is editing and
//   its next apply writes the whole file); what is remembered is kept, so the
//   first program in front after it closes decides.
// - A remembered profile is forgotten once it no longer makes sense: the
//   active profile is not the one the service switched to (the user applied or
//   chose another one, which is now theirs), or an index is no longer a profile
//   in use (a profile was deleted).
// - An unknown program (no window, no access to its process) changes nothing.
// - A program linked to a profile in use other than the active one switches
//   to it and remembers the profile to return to: the one active before the
//   first automatic switch. A link to a profile that is no longer in use is no
//   link.
// - A program linked to no profile returns to the remembered profile.
SwitchDecision DecideProfileSwitch(const SwitchSituation& situation);
