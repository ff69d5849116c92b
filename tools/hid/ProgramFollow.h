// The simulator's side of linked programs: told which program is in front, it
// reads the settings file, decides, makes the linked profile active in the
// file and records the switch in the journal.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "device/ProfileSwitch.h"

struct MouseConfig;

class ProgramFollower {
 public:
  ProgramFollower(std::filesystem::path settingsFile, std::filesystem::path journal);

  // Returns what was done: kNothing also when the file could not be read or
  // written, in which case nothing is remembered either. After a switch or a
  // return, `config` holds the settings as now written.
  SwitchDecision OnProgramInFront(const std::u16string& program, bool configuratorOpen,
                                  std::time_t now, MouseConfig& config);

  const SwitchMemory& memory() const { return memory_; }

 private:
  std::filesystem::path settingsFile_;
  std::filesystem::path journal_;
  SwitchMemory memory_;
};
