#include "tools/hid/ProgramFollow.h"

#include "settings/ActiveProfile.h"
#include "settings/SettingsFile.h"
#include "tools/hid/Journal.h"

ProgramFollower::ProgramFollower(std::filesystem::path settingsFile, std::filesystem::path journal)
    : settingsFile_(std::move(settingsFile)), journal_(std::move(journal)) {}

SwitchDecision ProgramFollower::OnProgramInFront(const std::u16string& program,
                                                 bool configuratorOpen, std::time_t now,
                                                 MouseConfig& config) {
  SwitchSituation situation{program, {}, configuratorOpen, kNoProfile, 0, memory_};
  if (!configuratorOpen) {
    // Read afresh each time: links edited on the command line count at once,
    // and a profile deleted since is never switched to.
    SettingsStore store(settingsFile_);
    if (!store.LoadOnly() || !std::filesystem::exists(settingsFile_)) return {};
    situation.links = AllProgramLinks(store.config());
    situation.active = store.config().header.active;
    situation.profileCount = store.config().header.totle;
  }
  const SwitchDecision decision = DecideProfileSwitch(situation);
  if (decision.action == SwitchAction::kNothing) {
    memory_ = decision.memory;
    return decision;
  }
  if (UseProfileInFile(settingsFile_, decision.profile) != UseProfileResult::kDone) return {};
  memory_ = decision.memory;
  const char* message = decision.action == SwitchAction::kSwitch ? "switch" : "return";
  AppendJournal(journal_, ProgramSwitchEntry(message, settingsFile_, now, config, program));
  return decision;
}
