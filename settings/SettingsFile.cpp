#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "settings/StoredFile.h"
#include "settings/Utf.h"

const char16_t kGlobalSection[] = u"Setting";

namespace {

// Key names with an index, made once: "DPI_Value0" to "DPI_Value6" and so on
// (levels and button slots are both seven).
class IndexedKeys {
 public:
  explicit IndexedKeys(std::u16string_view name) {
    for (int i = 0; i < kButtonSlots; ++i) names_[i] = std::u16string(name) + DecimalText(i);
  }
  const std::u16string& operator[](int i) const { return names_[i]; }

 private:
  std::array<std::u16string, kButtonSlots> names_;
};
static_assert(kLevels == kButtonSlots);

const IndexedKeys kDpiValue(u"DPI_Value"), kDpiColor(u"DPI_Color"), kLightColor(u"light_Color"),
    kLightCycle(u"light_Cycle"), kExePath(u"ExePath"), kExeName(u"ExeName"),
    kButtonAssigned(u"ButtonAssigned");

std::int32_t ReadColour(const IniFile& ini, std::u16string_view s, std::u16string_view key,
                        Colour fallback) {
  return ini.ReadInt(s, key, static_cast<std::int32_t>(fallback));
}

// A fixed field holds what fits before a terminator, with no blank at either
// end, as the settings have always loaded: a cut may leave one at its end.
template <std::size_t N>
void ReadFixedText(const IniFile& ini, std::u16string_view section, std::u16string_view key,
                   char16_t (&field)[N]) {
  const std::u16string text = ini.ReadString(section, key);
  SetFixedText(field, TrimIniValue(FixedFieldText(text, N)));
}

}  // namespace

std::u16string ProfileSectionName(int number, bool single) {
  if (single) return u"ProfileSetting";
  return u"Profile" + DecimalText(number) + u"Setting";
}

void ReadGlobalSection(ConfigHeader& h, const IniFile& ini) {
  const std::u16string_view s = kGlobalSection;
  h.totle = ini.ReadInt(s, u"Totle", 6);
  h.current = ini.ReadInt(s, u"Current", 0);
  h.active = ini.ReadInt(s, u"Active", 0);
  h.showTrayIcon = ini.ReadInt(s, u"Show_TrayIcon", 1);
  h.showOsd = ini.ReadInt(s, u"Show_OSD", 1);
  h.lanId = ini.ReadInt(s, u"lan_id", 1);
  ReadFixedText(ini, s, u"BGFilesPath", h.bgPath);
  for (int i = 0; i < h.totle && i < kMaxProfiles; ++i)
    h.section[i] = ini.ReadInt(s, DecimalText(i), i);
}

void WriteGlobalSection(const ConfigHeader& h, IniFile& ini) {
  const std::u16string_view s = kGlobalSection;
  ini.WriteInt(s, u"Totle", h.totle);
  ini.WriteInt(s, u"Current", h.current);
  ini.WriteInt(s, u"Active", h.active);
  ini.WriteInt(s, u"Show_TrayIcon", h.showTrayIcon);
  ini.WriteInt(s, u"Show_OSD", h.showOsd);
  ini.WriteInt(s, u"lan_id", h.lanId);
  ini.WriteString(s, u"BGFilesPath", FixedText(h.bgPath));
  for (int i = 0; i < h.totle && i < kMaxProfiles; ++i)
    ini.WriteInt(s, DecimalText(i), h.section[i]);
}

void ReadProfileSection(ProfileRecord& target, int number, const IniFile& ini, bool single) {
  const std::u16string s = ProfileSectionName(number, single);
  auto p = std::make_unique<ProfileRecord>();
  p->groupId = ini.ReadInt(s, u"GroupID", 0);
  p->dpiCur = ini.ReadInt(s, u"DPI_Cur", 3);
  for (int i = 0; i < kLevels; ++i) {
    p->dpiValue[i] = ini.ReadInt(s, kDpiValue[i], i + 1);
    p->dpiColor[i] = ReadColour(ini, s, kDpiColor[i], kDpiColourTable[i]);
  }
  p->pollRate = ini.ReadInt(s, u"POLLRATE_VALUE", 2);
  p->enableLight = ini.ReadInt(s, u"Enable_light", 1);
  p->cycleEnable = ini.ReadInt(s, u"Cycle_enable", 0);
  p->lightType = ini.ReadInt(s, u"light_type", 0);
  p->lightBright = ini.ReadInt(s, u"light_bright", 5);
  p->lightSpeed = ini.ReadInt(s, u"light_speed", 3);
  p->lightColorId = ini.ReadInt(s, u"light_bright_colorID", 0);
  for (int i = 0; i < kLevels; ++i) p->lightColor[i] = ReadColour(ini, s, kLightColor[i], 255);
  for (int i = 0; i < kLevels; ++i)
    p->lightCycle[i] = ReadColour(ini, s, kLightCycle[i], kCycleColourTable[i]);
  p->dbClickSpeed = ini.ReadInt(s, u"DBClick_Speed", 4);
  p->scrollSpeed = ini.ReadInt(s, u"Scroll_Speed", 3);
  p->scrollPage = ini.ReadInt(s, u"scroll_page", 0);
  p->mouseSpeed = ini.ReadInt(s, u"Mouse_Speed", 5);
  p->mouseEnhance = ini.ReadInt(s, u"mouse_enhance", 0);
  ReadFixedText(ini, s, u"Profil_Name", p->name);
  ReadFixedText(ini, s, u"SYNCFilesPath", p->syncPath);
  for (int i = 0; i < kButtonSlots; ++i) {
    ReadFixedText(ini, s, kExePath[i], p->exePath[i]);
    ReadFixedText(ini, s, kExeName[i], p->exeName[i]);
    if (!ini.ReadStruct(s, kButtonAssigned[i], &p->slots[i], sizeof(ButtonSlot)))
      ClearSlot(p->slots[i], i);
  }
  std::memcpy(&target, p.get(), sizeof target);
}

void WriteProfileSection(const ProfileRecord& profile, int number, IniFile& ini, bool single) {
  const std::u16string s = ProfileSectionName(number, single);
  const ProfileRecord& p = profile;
  ini.WriteInt(s, u"GroupID", p.groupId);
  ini.WriteInt(s, u"DPI_Cur", p.dpiCur);
  for (int i = 0; i < kLevels; ++i) {
    ini.WriteInt(s, kDpiValue[i], p.dpiValue[i]);
    ini.WriteInt(s, kDpiColor[i], static_cast<std::int32_t>(p.dpiColor[i]));
  }
  ini.WriteInt(s, u"POLLRATE_VALUE", p.pollRate);
  ini.WriteInt(s, u"Enable_light", p.enableLight);
  ini.WriteInt(s, u"Cycle_enable", p.cycleEnable);
  ini.WriteInt(s, u"light_type", p.lightType);
  ini.WriteInt(s, u"light_bright", p.lightBright);
  ini.WriteInt(s, u"light_speed", p.lightSpeed);
  ini.WriteInt(s, u"light_bright_colorID", p.lightColorId);
  for (int i = 0; i < kLevels; ++i)
    ini.WriteInt(s, kLightColor[i], static_cast<std::int32_t>(p.lightColor[i]));
  for (int i = 0; i < kLevels; ++i)
    ini.WriteInt(s, kLightCycle[i], static_cast<std::int32_t>(p.lightCycle[i]));
  ini.WriteInt(s, u"DBClick_Speed", p.dbClickSpeed);
  ini.WriteInt(s, u"Scroll_Speed", p.scrollSpeed);
  ini.WriteInt(s, u"scroll_page", p.scrollPage);
  ini.WriteInt(s, u"Mouse_Speed", p.mouseSpeed);
  ini.WriteInt(s, u"mouse_enhance", p.mouseEnhance);
  ini.WriteString(s, u"Profil_Name", FixedText(p.name));
  ini.WriteString(s, u"SYNCFilesPath", FixedText(p.syncPath));
  for (int i = 0; i < kButtonSlots; ++i) {
    ini.WriteString(s, kExePath[i], FixedText(p.exePath[i]));
    ini.WriteString(s, kExeName[i], FixedText(p.exeName[i]));
    ini.WriteStruct(s, kButtonAssigned[i], &p.slots[i], sizeof(ButtonSlot));
  }
}

SlotMask LoadSettings(MouseConfig& block, const IniFile& ini) {
  ReadGlobalSection(block.header, ini);
  const int totle = block.header.totle;
  for (int i = 0; i < totle && i < kMaxProfiles; ++i)
    ReadProfileSection(block.profiles[i], block.header.section[i], ini, false);
  if (totle >= 1) return 0;
  // Validation turns a count below 1 into one profile, which was not read; it
  // gets the section number a missing key gives.
  block.header.section[0] = 0;
  ResetProfile(block.profiles[0]);
  return SlotMask(1);
}

namespace {

// The keys the writers put into a settings file: the global section's own
// (without the section numbers "0", "1", ...) and a profile section's.
struct WrittenKeys {
  std::vector<std::u16string> global;
  std::vector<std::u16string> profile;
};

const WrittenKeys& KeysOfTheWriters() {
  static const WrittenKeys keys = [] {
    auto defaults = std::make_unique<MouseConfig>();
    ClearSettings(*defaults);
    defaults->header.totle = 0;
    IniFile scratch = IniFile::FromBytes("");
    WriteGlobalSection(defaults->header, scratch);
    WriteProfileSection(defaults->profiles[0], 0, scratch, true);
    WrittenKeys written;
    scratch.Visit([&](std::u16string_view section, std::u16string_view key, std::u16string_view) {
      (section == kGlobalSection ? written.global : written.profile).emplace_back(key);
    });
    return written;
  }();
  return keys;
}

}  // namespace

bool IsSettingsFileComplete(const IniFile& ini) {
  const int totle = std::clamp(ini.ReadInt(kGlobalSection, u"Totle", 0), 0, kMaxProfiles);
  if (totle < 1) return false;
  const WrittenKeys& keys = KeysOfTheWriters();
  for (const std::u16string& key : keys.global)
    if (!ini.HasKey(kGlobalSection, key)) return false;
  for (int i = 0; i < totle; ++i)
    if (!ini.HasKey(kGlobalSection, DecimalText(i))) return false;
  ConfigHeader header{};
  ReadGlobalSection(header, ini);
  for (int i = 0; i < totle; ++i) {
    const std::u16string name = ProfileSectionName(header.section[i], false);
    for (const std::u16string& key : keys.profile) {
      if (!ini.HasKey(name, key)) return false;
      ButtonSlot slot;
      if (key.starts_with(u"ButtonAssigned") && !ini.ReadStruct(name, key, &slot, sizeof slot))
        return false;
    }
  }
  return true;
}

void SaveSettings(const MouseConfig& block, IniFile& ini) {
  WriteGlobalSection(block.header, ini);
  for (int i = 0; i < block.header.totle && i < kMaxProfiles; ++i)
    WriteProfileSection(block.profiles[i], block.header.section[i], ini, false);
}

SettingsStore::SettingsStore(std::filesystem::path settingsPath)
    : SettingsStore(settingsPath.empty() ? nullptr
                                         : std::make_shared<DiskFile>(std::move(settingsPath))) {}

SettingsStore::SettingsStore(std::shared_ptr<StoredFile> file)
    : file_(std::move(file)),
      path_(file_ ? file_->path() : std::filesystem::path()),
      config_(std::make_unique<MouseConfig>()) {}

IniFile SettingsStore::ReadFile() const { return file_ ? IniFile(file_) : IniFile::FromBytes(""); }

bool SettingsStore::Load(const IniFile& ini) {
  ClearSettings(*config_);
  unwritten_ = LoadSettings(*config_, ini);
  unwritten_ |= ValidateSettings(*config_);
  unreadable_ = ini.unreadable();
  return !unreadable_;
}

bool SettingsStore::LoadOnly() { return Load(ReadFile()); }

bool SettingsStore::Reload() {
  const IniFile ini = ReadFile();
  if (!Load(ini)) return false;
  if (ini.existed()) return true;
  return Save();
}

bool SettingsStore::Save() {
  if (!Writable()) return false;
  IniFile ini(file_);
  SaveSettings(*config_, ini);
  if (!ini.Commit()) return false;
  unwritten_ = 0;
  return true;
}

bool SettingsStore::WriteGlobal(int slot) {
  if (!Writable()) return false;
  IniFile ini(file_);
  const ConfigHeader& h = config_->header;
  if (slot >= 0) WriteProfileSection(config_->profiles[slot], h.section[slot], ini, false);
  // Sections the load renumbered or reset go in before the global section names them.
  for (int i = 0; i < h.totle; ++i)
    if (i != slot && (unwritten_ & (1u << i)))
      WriteProfileSection(config_->profiles[i], h.section[i], ini, false);
  WriteGlobalSection(h, ini);
  if (!ini.Commit()) return false;
  unwritten_ = 0;
  return true;
}

Warning SettingsStore::AddProfile(std::u16string_view defaultNameBase, bool* written) {
  const Warning w = ::AddProfile(*config_, defaultNameBase);
  if (written) *written = false;
  if (w != kAccepted) return w;
  const bool ok = WriteCurrentProfileAndGlobal();  // the new profile is the current one
  if (written) *written = ok;
  return kAccepted;
}

bool SettingsStore::DeleteProfile() {
  const int current = config_->header.current;
  if (!::DeleteProfile(*config_)) return true;
  // The slots after the deleted one moved up by one.
  const SlotMask below = unwritten_ & SlotMask((1u << current) - 1);
  const SlotMask above = SlotMask(unwritten_ >> (current + 1)) << current;
  unwritten_ = below | above;
  return WriteGlobal(-1);
}

bool SettingsStore::WriteCurrentProfileAndGlobal() { return WriteGlobal(config_->header.current); }
