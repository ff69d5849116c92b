// The settings file the benchmarks save and load: six profiles with a macro of
// 40 events in four slots each.
#pragma once

#include "settings/SettingsFile.h"

inline void FillFullSettings(SettingsStore& store) {
  store.Reload();
  for (ProfileRecord& p : store.config().profiles)
    for (int s = 1; s <= 4; ++s) {
      p.slots[s].code = kCodeMacro;
      p.slots[s].library = s;
      for (int e = 0; e < 40; ++e) p.slots[s].events[e] = {std::uint8_t(0x20 + e), 0, 1};
      p.slots[s].count = 40;
    }
}
