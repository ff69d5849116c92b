#include "tools/hid/Journal.h"

#include <cstdio>
#include <fstream>

#include "settings/SettingsFile.h"
#include "settings/StoredFile.h"
#include "settings/Utf.h"

std::string IsoTimeUtc(std::time_t time) {
  std::tm parts{};
#ifdef _WIN32
  gmtime_s(&parts, &time);
#else
  gmtime_r(&time, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

std::string HexColour(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

nlohmann::ordered_json ProfileAsMouseGetsIt(const ProfileRecord& p) {
  using Json = nlohmann::ordered_json;
  Json dpi = Json::array();
  for (int level = 0; level < kLevels; ++level) dpi.push_back(kDpiTable[p.dpiValue[level]]);
  Json colours = Json::array();
  Json cycle = Json::array();
  for (int i = 0; i < kLevels; ++i) {
    colours.push_back(HexColour(p.lightColor[i]));
    cycle.push_back(HexColour(p.lightCycle[i]));
  }
  Json buttons = Json::array();
  for (const ButtonSlot& slot : p.slots)
    buttons.push_back(Json{{"button", slot.button},
                           {"code", slot.code},
                           {"count", std::min<int>(slot.count, kEventCapacity)},
                           {"library", slot.library}});
  return Json{{"name", Utf16ToUtf8(FixedText(p.name))},
              {"dpi", dpi},
              {"dpi_level", p.dpiCur},
              {"polling_hz", kPollingRateHz[p.pollRate]},
              {"lighting", Json{{"on", p.enableLight == 1},
                                {"effect", p.lightType},
                                {"brightness", p.lightBright},
                                {"speed", p.lightSpeed},
                                {"cycle", p.cycleEnable == 1},
                                {"colors", colours},
                                {"cycle_colors", cycle}}},
              {"pointer_speed", p.mouseSpeed},
              {"scroll_speed", p.scrollSpeed},
              {"double_click_speed", p.dbClickSpeed},
              {"scroll_page", p.scrollPage == 1},
              {"enhance", p.mouseEnhance == 1},
              {"buttons", buttons}};
}

namespace {

// What a message that programs the mouse records: the settings file read,
// validated and described as the mouse gets its active profile. `program`
// goes before the profile when given.
nlohmann::ordered_json SettingsEntry(const char* message, std::shared_ptr<StoredFile> settingsFile,
                                     std::time_t time, MouseConfig& config, bool* fileExists,
                                     const std::u16string* program) {
  const IniFile ini(std::move(settingsFile));
  nlohmann::ordered_json entry{{"time", IsoTimeUtc(time)}, {"message", message}};
  if (fileExists) *fileExists = ini.existed();
  if (!ini.existed()) {
    entry["file"] = "missing";
    entry["active"] = nullptr;
    if (program) entry["program"] = Utf16ToUtf8(*program);
    entry["profile"] = nullptr;
    return entry;
  }
  entry["file"] = IsSettingsFileComplete(ini) ? "complete" : "incomplete";
  ClearSettings(config);
  LoadSettings(config, ini);
  ValidateSettings(config);
  entry["active"] = config.header.active;
  if (program) entry["program"] = Utf16ToUtf8(*program);
  entry["profile"] = ProfileAsMouseGetsIt(config.profiles[config.header.active]);
  return entry;
}

}  // namespace

nlohmann::ordered_json ApplyEntry(const std::filesystem::path& settingsFile, std::time_t time,
                                  MouseConfig& config, bool* fileExists) {
  return ApplyEntry(std::make_shared<DiskFile>(settingsFile), time, config, fileExists);
}

nlohmann::ordered_json ApplyEntry(std::shared_ptr<StoredFile> settingsFile, std::time_t time,
                                  MouseConfig& config, bool* fileExists) {
  return SettingsEntry("apply", std::move(settingsFile), time, config, fileExists, nullptr);
}

nlohmann::ordered_json ProgramSwitchEntry(const char* message,
                                          const std::filesystem::path& settingsFile,
                                          std::time_t time, MouseConfig& config,
                                          const std::u16string& program) {
  return SettingsEntry(message, std::make_shared<DiskFile>(settingsFile), time, config, nullptr,
                       &program);
}

nlohmann::ordered_json ResetEntry(std::time_t time) {
  return {{"time", IsoTimeUtc(time)}, {"message", "reset"}};
}

bool AppendJournal(const std::filesystem::path& journal, const nlohmann::ordered_json& entry) {
  std::ofstream out(journal, std::ios::binary | std::ios::app);
  out << entry.dump() << "\n";
  return static_cast<bool>(out.flush());
}
