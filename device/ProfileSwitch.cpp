#include "device/ProfileSwitch.h"

namespace {

bool InUse(int profile, int count) { return profile >= 0 && profile < count; }

// The memory as far as it still describes the settings.
SwitchMemory StillValid(const SwitchSituation& s) {
  const SwitchMemory& m = s.memory;
  if (!InUse(m.returnTo, s.profileCount) || !InUse(m.switchedTo, s.profileCount) ||
      m.switchedTo != s.active)
    return {};
  return m;
}

}  // namespace

SwitchDecision DecideProfileSwitch(const SwitchSituation& s) {
  if (s.configuratorOpen) return {SwitchAction::kNothing, kNoProfile, s.memory};
  const SwitchMemory memory = StillValid(s);
  if (ProgramFileName(s.program).empty()) return {SwitchAction::kNothing, kNoProfile, memory};

  const int linked = FindLinkedProfile(s.links, s.program);
  if (InUse(linked, s.profileCount)) {
    if (linked == s.active) return {SwitchAction::kNothing, kNoProfile, memory};
    const int returnTo = memory.returnTo == kNoProfile ? s.active : memory.returnTo;
    // Switching to the user's own profile leaves nothing to return to.
    const SwitchMemory next = linked == returnTo ? SwitchMemory{} : SwitchMemory{returnTo, linked};
    return {SwitchAction::kSwitch, linked, next};
  }
  if (memory.returnTo == kNoProfile) return {SwitchAction::kNothing, kNoProfile, memory};
  return {SwitchAction::kReturn, memory.returnTo, {}};
}
