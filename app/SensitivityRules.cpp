#include "app/SensitivityRules.h"

#include "settings/MouseConfig.h"

namespace {

std::u16string Decimal(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

bool IsDpiEntry(int entry) { return entry >= 0 && entry < static_cast<int>(kDpiTable.size()); }

}  // namespace

std::u16string LevelText(int entry) {
  if (!IsDpiEntry(entry) || kDpiTable[entry] == 0) return u"X";
  return Decimal(kDpiTable[entry]);
}

bool LevelHasColour(int entry) { return entry != 0; }

std::u16string PollingText(int entry) {
  if (entry < 0 || entry >= kPollingEntries) return {};
  return Decimal(kPollingRateHz[entry]) + u"Hz";
}

std::vector<LevelMenuItem> LevelMenuItems() {
  std::vector<LevelMenuItem> items;
  for (int entry = 0; entry < static_cast<int>(kDpiTable.size()); ++entry)
    items.push_back(LevelMenuItem{LevelText(entry), entry});
  return items;
}

bool ApplyLevelPick(ProfileRecord& profile, int entry) {
  if (!IsDpiEntry(entry) || profile.dpiCur < 0 || profile.dpiCur >= kLevels) return false;
  profile.dpiValue[profile.dpiCur] = entry;
  return true;
}

int RepairedLevel(int dpiCur) { return dpiCur >= 0 && dpiCur < kLevels ? dpiCur : 3; }

int RepairedPolling(int pollRate) {
  return pollRate >= 0 && pollRate < kPollingEntries ? pollRate : 2;
}

std::u16string ColourDialogCaption(int entry) {
  if (!IsDpiEntry(entry) || kDpiTable[entry] == 0) return u"X";
  return Decimal(kDpiTable[entry]) + u" DPI: ";
}
