// The settings block shared with the device service: a header with the global
// settings and the profile table, then six profiles of seven button slots each.
// The layout is fixed byte for byte; the settings file stores it field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Warnings.h"

using Colour = std::uint32_t;  // red + green * 256 + blue * 65536

constexpr int kMaxProfiles = 6;
constexpr int kButtonSlots = 7;
constexpr int kLevels = 7;
constexpr int kEventCapacity = 92;
constexpr int kNameLength = 50;   // UTF-16 units with the terminator
constexpr int kPathLength = 260;  // UTF-16 units with the terminator

// One event of a macro or recoil pattern as the mouse plays it.
struct MacroEvent {
  std::uint8_t code;  // 0 ends the list, 0xFF delay, else a button or key code
  std::uint8_t zero;
  std::uint16_t value;  // 1 press / 0 release, or a delay in milliseconds
};
static_assert(sizeof(MacroEvent) == 4);

using EventList = std::array<MacroEvent, kEventCapacity>;
static_assert(sizeof(EventList) == 368);

struct ButtonSlot {
  std::uint8_t button;  // 1..7
  std::uint8_t code;    // function code
  std::uint8_t count;   // events held in the event area
  std::uint8_t unused3;
  EventList events;
  std::uint8_t repeatType;
  std::uint8_t repeatTimes;
  std::uint8_t unused374[2];
  std::int32_t library;  // library number of the macro or pattern, -1 none
};
static_assert(sizeof(ButtonSlot) == 380);
static_assert(offsetof(ButtonSlot, code) == 1);
static_assert(offsetof(ButtonSlot, count) == 2);
static_assert(offsetof(ButtonSlot, events) == 4);
static_assert(offsetof(ButtonSlot, repeatType) == 372);
static_assert(offsetof(ButtonSlot, repeatTimes) == 373);
static_assert(offsetof(ButtonSlot, library) == 376);

struct ProfileRecord {
  std::int32_t groupId;
  char16_t name[kNameLength];
  std::int32_t dpiCur;
  Colour dpiColor[kLevels];
  std::int32_t dpiValue[kLevels];
  std::int32_t pollRate;
  std::int32_t enableLight;
  std::int32_t cycleEnable;
  std::int32_t lightType;
  Colour lightColor[kLevels];
  Colour lightCycle[kLevels];
  std::int32_t lightColorId;
  std::int32_t lightBright;
  std::int32_t lightSpeed;
  std::int32_t dbClickSpeed;
  std::int32_t scrollSpeed;
  std::int32_t mouseSpeed;
  std::int32_t scrollPage;
  std::int32_t mouseEnhance;
  char16_t syncPath[kPathLength];
  char16_t exePath[kButtonSlots][kPathLength];
  char16_t exeName[kButtonSlots][kPathLength];
  ButtonSlot slots[kButtonSlots];
};
static_assert(sizeof(ProfileRecord) == 10728);
static_assert(offsetof(ProfileRecord, name) == 4);
static_assert(offsetof(ProfileRecord, dpiCur) == 104);
static_assert(offsetof(ProfileRecord, dpiColor) == 108);
static_assert(offsetof(ProfileRecord, dpiValue) == 136);
static_assert(offsetof(ProfileRecord, pollRate) == 164);
static_assert(offsetof(ProfileRecord, enableLight) == 168);
static_assert(offsetof(ProfileRecord, cycleEnable) == 172);
static_assert(offsetof(ProfileRecord, lightType) == 176);
static_assert(offsetof(ProfileRecord, lightColor) == 180);
static_assert(offsetof(ProfileRecord, lightCycle) == 208);
static_assert(offsetof(ProfileRecord, lightColorId) == 236);
static_assert(offsetof(ProfileRecord, lightBright) == 240);
static_assert(offsetof(ProfileRecord, lightSpeed) == 244);
static_assert(offsetof(ProfileRecord, dbClickSpeed) == 248);
static_assert(offsetof(ProfileRecord, scrollSpeed) == 252);
static_assert(offsetof(ProfileRecord, mouseSpeed) == 256);
static_assert(offsetof(ProfileRecord, scrollPage) == 260);
static_assert(offsetof(ProfileRecord, mouseEnhance) == 264);
static_assert(offsetof(ProfileRecord, syncPath) == 268);
static_assert(offsetof(ProfileRecord, exePath) == 788);
static_assert(offsetof(ProfileRecord, exeName) == 4428);
static_assert(offsetof(ProfileRecord, slots) == 8068);

struct ConfigHeader {
  std::int32_t lanId;
  std::int32_t showTrayIcon;
  std::int32_t showOsd;
  std::int32_t totle;  // profiles in use (the settings file's own spelling)
  std::int32_t current;
  std::int32_t active;
  char16_t bgPath[kPathLength];
  std::int32_t section[kMaxProfiles];  // section number of each profile slot
};
static_assert(sizeof(ConfigHeader) == 568);
static_assert(offsetof(ConfigHeader, showTrayIcon) == 4);
static_assert(offsetof(ConfigHeader, showOsd) == 8);
static_assert(offsetof(ConfigHeader, totle) == 12);
static_assert(offsetof(ConfigHeader, current) == 16);
static_assert(offsetof(ConfigHeader, active) == 20);
static_assert(offsetof(ConfigHeader, bgPath) == 24);
static_assert(offsetof(ConfigHeader, section) == 544);

struct MouseConfig {
  ConfigHeader header;
  ProfileRecord profiles[kMaxProfiles];
};
static_assert(sizeof(MouseConfig) == 64936);
static_assert(offsetof(MouseConfig, profiles) == 568);

// Function codes with a meaning of their own in this program.
constexpr std::uint8_t kCodeLeftClick = 0xA0;  // must stay on at least one button
constexpr std::uint8_t kCodeMacro = 0xA6;
constexpr std::uint8_t kCodePattern = 0xA7;
constexpr std::uint8_t kCodeCleared = 0xFF;
constexpr int kMaxMacroButtons = 4;

extern const std::array<Colour, kLevels> kDpiColourTable;    // table A
extern const std::array<Colour, kLevels> kCycleColourTable;  // table B
extern const std::array<std::uint8_t, kButtonSlots> kDefaultCodes;
extern const std::array<int, 8> kDpiTable;       // entry -> DPI, 0 = off
extern const std::array<int, 4> kPollingRateHz;  // entry -> Hz

bool IsValidFunctionCode(std::uint8_t code);
// Number of leading events with a non-zero code.
int CountEvents(const EventList& events);

// Fixed UTF-16 fields: the text up to the terminator, and a cut-to-fit copy
// that never splits a surrogate pair.
std::u16string_view FixedText(const char16_t* field, std::size_t capacity);
template <std::size_t N>
std::u16string_view FixedText(const char16_t (&field)[N]) {
  return FixedText(field, N);
}
// What a field of `capacity` units keeps of a text: what stands before an
// embedded terminator, cut to leave room for the field's own.
std::u16string_view FixedFieldText(std::u16string_view text, std::size_t capacity);
void SetFixedText(char16_t* field, std::size_t capacity, std::u16string_view text);
template <std::size_t N>
void SetFixedText(char16_t (&field)[N], std::u16string_view text) {
  SetFixedText(field, N, text);
}

void ClearSettings(MouseConfig& block);
void ClearProfile(ProfileRecord& profile);
void ClearSlot(ButtonSlot& slot, int index);
// A set of profile slots, bit i for slot i.
using SlotMask = std::uint8_t;
// Corrects out-of-range values. Returns the slots whose section number was
// changed, because it lay outside 0..5 or an earlier slot already used it;
// their data is not yet stored under the new number.
SlotMask ValidateSettings(MouseConfig& block);
void ValidateProfile(ProfileRecord& profile, bool reset);
void ResetProfile(ProfileRecord& profile);

// Smallest number in 0..limit-1 that none of the first count entries holds, -1 when none.
int FreeNumber(const std::int32_t* map, int count, int limit);
// base + " " + a for the smallest a in 1..limit that is none of the names; empty when all are
// taken.
std::u16string MakeDefaultName(std::u16string_view base, int limit,
                               const std::vector<std::u16string>& existing);
// "Profile 2" style names for every one of the six profiles whose name is empty.
void NameUnnamedProfiles(MouseConfig& block, std::u16string_view base);

// Profile table changes; the caller writes the settings file afterwards.
// AddProfile returns kWarnProfilesFull when six profiles are in use.
Warning AddProfile(MouseConfig& block, std::u16string_view defaultNameBase);
// Deletes the current profile. Active follows the profile it named: one down
// when that profile moved up, the new Current when it was the one deleted.
// Returns false when nothing happened (a single profile).
bool DeleteProfile(MouseConfig& block);

// Assignment rules of the button page, for slot `index` of a profile.
Warning CheckAssignment(const ProfileRecord& profile, int index, std::uint8_t code);
void AssignFunction(ButtonSlot& slot, std::uint8_t code);
void AssignMacro(ButtonSlot& slot, int libraryNumber, std::uint8_t repeatType,
                 std::uint8_t repeatTimes);
void AssignPattern(ButtonSlot& slot, int libraryNumber);
