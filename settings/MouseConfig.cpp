#include "settings/MouseConfig.h"

#include <algorithm>
#include <cstring>

#include "settings/Utf.h"

const std::array<Colour, kLevels> kDpiColourTable = {255,      65280, 16711680, 16776960,
                                                     16711935, 65535, 16777215};
const std::array<Colour, kLevels> kCycleColourTable = {255,      65280,    16711680, 65535,
                                                       16776960, 16711935, 16777215};
const std::array<std::uint8_t, kButtonSlots> kDefaultCodes = {0xA0, 0xA1, 0xA2, 0xC2,
                                                              0xA4, 0xA3, 0x00};
const std::array<int, 8> kDpiTable = {0, 600, 1200, 2000, 3000, 4000, 5000, 7000};
const std::array<int, 4> kPollingRateHz = {125, 250, 500, 1000};

bool IsValidFunctionCode(std::uint8_t code) {
  return (code >= 0xA0 && code <= 0xAB) || (code >= 0xB0 && code <= 0xBA) ||
         (code >= 0xC0 && code <= 0xC7) || (code >= 0xD0 && code <= 0xD6);
}

int CountEvents(const EventList& events) {
  int n = 0;
  while (n < kEventCapacity && events[n].code != 0) ++n;
  return n;
}

std::u16string_view FixedText(const char16_t* field, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && field[n] != 0) ++n;
  return {field, n};
}

std::u16string_view FixedFieldText(std::u16string_view text, std::size_t capacity) {
  // The field ends at its first terminator: what a text holds after an
  // embedded one could never be read or written, so it is not kept either.
  return CutToFit(text.substr(0, text.find(u'\0')), capacity - 1);
}

void SetFixedText(char16_t* field, std::size_t capacity, std::u16string_view text) {
  text = FixedFieldText(text, capacity);
  std::memset(field, 0, capacity * sizeof(char16_t));
  std::copy(text.begin(), text.end(), field);
}

namespace {

bool InRange(std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; }

void Limit(std::int32_t& v, std::int32_t lo, std::int32_t hi, std::int32_t fallback) {
  if (!InRange(v, lo, hi)) v = fallback;
}

}  // namespace

void ClearSlot(ButtonSlot& slot, int index) {
  std::memset(&slot, 0, sizeof slot);
  slot.button = static_cast<std::uint8_t>(index + 1);
  slot.code = kCodeCleared;
  slot.library = -1;
}

void ClearProfile(ProfileRecord& p) {
  for (std::int32_t* v :
       {&p.groupId, &p.dpiCur, &p.pollRate, &p.enableLight, &p.cycleEnable, &p.lightType,
        &p.lightColorId, &p.lightBright, &p.lightSpeed, &p.dbClickSpeed, &p.scrollSpeed,
        &p.scrollPage, &p.mouseSpeed, &p.mouseEnhance})
    *v = -1;
  std::fill(std::begin(p.dpiValue), std::end(p.dpiValue), -1);
  SetFixedText(p.name, u"");
  SetFixedText(p.syncPath, u"");
  for (int i = 0; i < kButtonSlots; ++i) {
    SetFixedText(p.exePath[i], u"");
    SetFixedText(p.exeName[i], u"");
    ClearSlot(p.slots[i], i);
  }
}

void ClearSettings(MouseConfig& block) {
  ConfigHeader& h = block.header;
  h.lanId = h.showTrayIcon = h.showOsd = h.active = -1;
  SetFixedText(h.bgPath, u"");
  for (ProfileRecord& p : block.profiles) ClearProfile(p);
}

void ValidateProfile(ProfileRecord& p, bool reset) {
  Limit(p.groupId, 0, 20, 0);
  Limit(p.dpiCur, 0, 6, 3);
  for (int i = 0; i < kLevels; ++i) {
    Limit(p.dpiValue[i], 0, 7, i + 1);
    if (reset) p.dpiColor[i] = kDpiColourTable[i];
  }
  if (reset) std::copy(kCycleColourTable.begin(), kCycleColourTable.end(), p.lightCycle);
  Limit(p.pollRate, 0, 3, 2);
  Limit(p.enableLight, 0, 1, 1);
  Limit(p.cycleEnable, 0, 1, 0);
  Limit(p.lightType, 0, 6, 0);
  Limit(p.lightBright, 0, 5, 5);
  Limit(p.lightSpeed, 1, 5, 3);
  Limit(p.lightColorId, 0, 6, 0);
  if (reset) std::copy(kCycleColourTable.begin(), kCycleColourTable.end(), p.lightColor);
  Limit(p.dbClickSpeed, 1, 10, 4);
  Limit(p.scrollSpeed, 1, 10, 3);
  Limit(p.scrollPage, 0, 1, 0);
  Limit(p.mouseEnhance, 0, 1, 0);
  Limit(p.mouseSpeed, 1, 10, 5);
  for (int i = 0; i < kButtonSlots; ++i) {
    ButtonSlot& s = p.slots[i];
    if (IsValidFunctionCode(s.code) && !reset) continue;
    s.code = kDefaultCodes[i];
    s.button = static_cast<std::uint8_t>(i + 1);
    s.count = 0;
    s.events = {};
    s.repeatType = s.repeatTimes = 0;
    s.library = -1;
  }
}

void ResetProfile(ProfileRecord& profile) {
  ClearProfile(profile);
  ValidateProfile(profile, true);
}

SlotMask ValidateSettings(MouseConfig& block) {
  ConfigHeader& h = block.header;
  Limit(h.totle, 1, kMaxProfiles, 1);
  Limit(h.current, 0, h.totle - 1, 0);
  Limit(h.active, 0, h.totle - 1, 0);
  Limit(h.lanId, 0, 1, 1);
  Limit(h.showTrayIcon, 0, 1, 1);
  Limit(h.showOsd, 0, 1, 1);
  SlotMask renumbered = 0;
  for (int i = 0; i < h.totle; ++i) {
    if (!InRange(h.section[i], 0, kMaxProfiles - 1)) {
      h.section[i] = 0;
      renumbered |= SlotMask(1u << i);
    }
    ValidateProfile(block.profiles[i], false);
  }
  // Two slots naming one section would overwrite each other at the next save.
  for (int i = 1; i < h.totle; ++i) {
    if (std::find(h.section, h.section + i, h.section[i]) == h.section + i) continue;
    h.section[i] = FreeNumber(h.section, h.totle, kMaxProfiles);
    renumbered |= SlotMask(1u << i);
  }
  return renumbered;
}

int FreeNumber(const std::int32_t* map, int count, int limit) {
  for (int n = 0; n < limit; ++n)
    if (std::find(map, map + count, n) == map + count) return n;
  return -1;
}

std::u16string MakeDefaultName(std::u16string_view base, int limit,
                               const std::vector<std::u16string>& existing) {
  for (int a = 1; a <= limit; ++a) {
    std::u16string candidate = std::u16string(base) + u" " + DecimalText(a);
    if (std::find(existing.begin(), existing.end(), candidate) == existing.end()) return candidate;
  }
  return {};
}

void NameUnnamedProfiles(MouseConfig& block, std::u16string_view base) {
  for (int i = 0; i < kMaxProfiles; ++i) {
    ProfileRecord& p = block.profiles[i];
    if (p.name[0] == 0) SetFixedText(p.name, std::u16string(base) + u" " + DecimalText(i + 1));
  }
}

Warning AddProfile(MouseConfig& block, std::u16string_view defaultNameBase) {
  ConfigHeader& h = block.header;
  if (h.totle >= kMaxProfiles) return kWarnProfilesFull;
  const int n = h.totle;
  std::vector<std::u16string> names;
  for (int i = 0; i < n; ++i) names.emplace_back(FixedText(block.profiles[i].name));
  h.totle = n + 1;
  ResetProfile(block.profiles[n]);
  SetFixedText(block.profiles[n].name, MakeDefaultName(defaultNameBase, kMaxProfiles, names));
  h.section[n] = FreeNumber(h.section, n, kMaxProfiles);
  h.current = n;
  return kAccepted;
}

bool DeleteProfile(MouseConfig& block) {
  ConfigHeader& h = block.header;
  if (h.totle <= 1) return false;
  const int deleted = h.current;
  for (int k = deleted; k <= h.totle - 2; ++k) {
    h.section[k] = h.section[k + 1];
    block.profiles[k] = block.profiles[k + 1];
  }
  h.section[h.totle - 1] = -1;
  ClearProfile(block.profiles[h.totle - 1]);
  if (h.current == h.totle - 1 && h.current > 0) --h.current;
  --h.totle;
  // Active keeps naming the profile the mouse last received, wherever it moved.
  if (h.active > deleted)
    --h.active;
  else if (h.active == deleted)
    h.active = h.current;
  return true;
}

Warning CheckAssignment(const ProfileRecord& profile, int index, std::uint8_t code) {
  int otherLeftClicks = 0;
  int otherMacros = 0;
  for (int i = 0; i < kButtonSlots; ++i) {
    if (i == index) continue;
    const std::uint8_t c = profile.slots[i].code;
    if (c == kCodeLeftClick) ++otherLeftClicks;
    if (c == kCodeMacro || c == kCodePattern) ++otherMacros;
  }
  if (code != kCodeLeftClick && otherLeftClicks == 0) return kWarnLastLeftClick;
  if ((code == kCodeMacro || code == kCodePattern) && otherMacros >= kMaxMacroButtons &&
      profile.slots[index].code != code)
    return kWarnTooManyMacros;
  return kAccepted;
}

void AssignFunction(ButtonSlot& slot, std::uint8_t code) {
  slot.code = code;
  slot.count = 0;
  slot.events = {};
  slot.repeatType = slot.repeatTimes = 0;
  slot.library = 0;
}

void AssignMacro(ButtonSlot& slot, int libraryNumber, std::uint8_t repeatType,
                 std::uint8_t repeatTimes) {
  slot.code = kCodeMacro;
  slot.library = libraryNumber;
  slot.repeatType = repeatType;
  slot.repeatTimes = repeatTimes;
}

void AssignPattern(ButtonSlot& slot, int libraryNumber) {
  slot.code = kCodePattern;
  slot.library = libraryNumber;
}
