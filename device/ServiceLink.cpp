#include "device/ServiceLink.h"

#include "macro/Libraries.h"
#include "settings/SettingsFile.h"

bool ApplySettingsToFiles(SettingsStore& settings, Libraries& libraries) {
  libraries.macros.WriteLibrary();
  MouseConfig& config = settings.config();
  config.header.active = config.header.current;
  libraries.FillProfileSlots(config.profiles[config.header.current]);
  return settings.Save();
}

bool SetDpiLevel(MouseConfig& config, std::intptr_t profile, std::intptr_t level) {
  if (profile < 0 || profile >= kMaxProfiles || level < 0 || level >= kLevels) return false;
  config.profiles[profile].dpiCur = static_cast<std::int32_t>(level);
  return true;
}

bool SetShowOsd(MouseConfig& config, std::intptr_t value) {
  if (value != 0 && value != 1) return false;
  config.header.showOsd = static_cast<std::int32_t>(value);
  return true;
}

bool IsShutdownRequest(std::uintptr_t wParam) {
  return wParam == kShutdownSession || wParam == kShutdownDevice;
}
