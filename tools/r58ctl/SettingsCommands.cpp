// r58ctl settings dump|init, profile add|delete|use.
#include <algorithm>

#include "device/ServiceLink.h"
#include "settings/ActiveProfile.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "skin/LanguageTable.h"
#include "tools/r58ctl/Tool.h"

namespace {

template <typename T, std::size_t N>
Json Numbers(const T (&values)[N]) {
  Json out = Json::array();
  for (const T& v : values) out.push_back(v);
  return out;
}

Json ButtonJson(const ButtonSlot& slot) {
  const int count = std::min<int>(slot.count, kEventCapacity);
  Json events = Json::array();
  for (int i = 0; i < count; ++i) events.push_back({slot.events[i].code, slot.events[i].value});
  return Json{{"button", slot.button},
              {"code", slot.code},
              {"count", count},
              {"repeat_type", slot.repeatType},
              {"repeat_times", slot.repeatTimes},
              {"library", slot.library},
              {"events", events}};
}

Json ProfileJson(const ProfileRecord& p) {
  Json exePaths = Json::array();
  Json exeNames = Json::array();
  Json buttons = Json::array();
  for (int i = 0; i < kButtonSlots; ++i) {
    exePaths.push_back(Utf8(FixedText(p.exePath[i])));
    exeNames.push_back(Utf8(FixedText(p.exeName[i])));
    buttons.push_back(ButtonJson(p.slots[i]));
  }
  return Json{{"GroupID", p.groupId},
              {"DPI_Cur", p.dpiCur},
              {"DPI_Value", Numbers(p.dpiValue)},
              {"DPI_Color", Numbers(p.dpiColor)},
              {"POLLRATE_VALUE", p.pollRate},
              {"Enable_light", p.enableLight},
              {"Cycle_enable", p.cycleEnable},
              {"light_type", p.lightType},
              {"light_bright", p.lightBright},
              {"light_speed", p.lightSpeed},
              {"light_bright_colorID", p.lightColorId},
              {"light_Color", Numbers(p.lightColor)},
              {"light_Cycle", Numbers(p.lightCycle)},
              {"DBClick_Speed", p.dbClickSpeed},
              {"Scroll_Speed", p.scrollSpeed},
              {"scroll_page", p.scrollPage},
              {"Mouse_Speed", p.mouseSpeed},
              {"mouse_enhance", p.mouseEnhance},
              {"Profil_Name", Utf8(FixedText(p.name))},
              {"SYNCFilesPath", Utf8(FixedText(p.syncPath))},
              {"ExePath", exePaths},
              {"ExeName", exeNames},
              {"buttons", buttons}};
}

Json HeaderJson(const ConfigHeader& h) {
  Json sections = Json::array();
  for (int i = 0; i < h.totle; ++i) sections.push_back(h.section[i]);
  return Json{{"lan_id", h.lanId},
              {"Show_TrayIcon", h.showTrayIcon},
              {"Show_OSD", h.showOsd},
              {"Totle", h.totle},
              {"Current", h.current},
              {"Active", h.active},
              {"BGFilesPath", Utf8(FixedText(h.bgPath))},
              {"sections", sections}};
}

// The word default profile names are made of: string 16 of the given skin
// file, else of the skin file the program would read beside the tool.
std::u16string ProfileWord(const std::string& skinArg, int lanId) {
  const std::filesystem::path skin =
      skinArg.empty() ? ToolFolder() / kLanguageFolder / SkinFileName(lanId) : PathArg(skinArg);
  const IniFile ini(skin);
  if (!ini.existed()) return u"Profile";
  return FuncStringFrom(ini, kTextProfileWord);
}

void WriteFailed(const SettingsStore& store) {
  if (store.unreadable()) FailUnreadable(store.path());
  throw ToolExit{kExitFileError, "cannot write " + PathText(store.path())};
}

}  // namespace

namespace {

void AddSettingsCommands(CLI::App& app) {
  auto* settings = app.add_subcommand("settings", "the settings file");
  settings->require_subcommand(1);

  static std::string file;
  auto* dump =
      settings->add_subcommand("dump", "load and validate FILE as the program does; print it");
  dump->add_option("FILE", file)->required();
  dump->callback([] {
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    const MouseConfig& c = store.config();
    Json out = HeaderJson(c.header);
    Json profiles = Json::array();
    for (int i = 0; i < c.header.totle; ++i) profiles.push_back(ProfileJson(c.profiles[i]));
    out["profiles"] = profiles;
    PrintJson(out);
  });

  auto* init =
      settings->add_subcommand("init", "write the defaults of a first start when FILE is absent");
  init->add_option("FILE", file)->required();
  init->callback([] {
    SettingsStore store(PathArg(file));
    if (!store.Reload()) WriteFailed(store);
  });

  auto* profile = app.add_subcommand("profile", "the profile table of a settings file");
  profile->require_subcommand(1);
  static std::string skin;
  static std::string index;
  auto* add = profile->add_subcommand("add", "add a profile, as the profile bar's add button");
  add->add_option("FILE", file)->required();
  add->add_option("--skin", skin, "skin file whose string 16 names new profiles");
  add->callback([] {
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    const std::u16string word = ProfileWord(skin, store.config().header.lanId);
    NameUnnamedProfiles(store.config(), word);
    bool written = false;
    if (store.AddProfile(word, &written) == kWarnProfilesFull)
      throw ToolExit{kExitRefused, "refused: six profiles are in use (warning 12)"};
    if (!written) WriteFailed(store);
    PrintJson(HeaderJson(store.config().header));
  });

  auto* del = profile->add_subcommand("delete", "make INDEX current and delete it");
  del->add_option("FILE", file)->required();
  del->add_option("INDEX", index)->required();
  del->add_option("--skin", skin, "skin file whose string 16 names unnamed profiles");
  del->callback([] {
    const long long i = NumberArg(index, "INDEX");
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    if (i < 0 || i >= store.config().header.totle)
      throw ToolExit{kExitUsage, "no profile " + index};
    NameUnnamedProfiles(store.config(), ProfileWord(skin, store.config().header.lanId));
    store.config().header.current = static_cast<int>(i);
    if (!store.DeleteProfile()) WriteFailed(store);
    PrintJson(HeaderJson(store.config().header));
  });

  auto* use = profile->add_subcommand(
      "use", "make INDEX the active and current profile, then tell the device service");
  use->add_option("FILE", file)->required();
  use->add_option("INDEX", index)->required();
  use->callback([] {
    const long long i = NumberArg(index, "INDEX");
    const std::filesystem::path path = PathArg(file);
    RequireFile(path);
    const int profile = i < 0 || i >= kMaxProfiles ? -1 : static_cast<int>(i);
    switch (UseProfileInFile(path, profile)) {
      case UseProfileResult::kDone:
        break;
      case UseProfileResult::kNoSuchProfile:
        throw ToolExit{kExitUsage, "no profile " + index};
      case UseProfileResult::kMissing:
        throw ToolExit{kExitFileError, "no such file: " + PathText(path)};
      case UseProfileResult::kUnreadable:
        FailUnreadable(path);
      case UseProfileResult::kWriteFailed:
        throw ToolExit{kExitFileError, "cannot write " + PathText(path)};
    }
    const bool told = NotifyService(UM_SERVICE_APPLY);
    PrintJson(Json{{"active", profile}, {"service", told}});
  });
}

const bool registered = RegisterCommandGroup(&AddSettingsCommands);

}  // namespace
