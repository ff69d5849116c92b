#include "app/MainInventory.h"

#include <algorithm>

#include "skin/SkinFile.h"

namespace {

std::u16string Number(int n) {
  std::u16string text;
  const std::string digits = std::to_string(n);
  text.assign(digits.begin(), digits.end());
  return text;
}

class Builder {
 public:
  std::vector<InventoryEntry> entries;

  void Add(Ctl ctl, int index, Screen screen, std::u16string_view section, std::u16string key,
           ControlKind kind, ShownOn shown, unsigned options = 0, int controlId = 0,
           int minimum = 0, int maximum = 0) {
    entries.push_back(InventoryEntry{ctl, index, screen, std::u16string(section), std::move(key),
                                     kind, shown, options, controlId, minimum, maximum});
  }
};

std::vector<InventoryEntry> BuildInventory() {
  using K = ControlKind;
  using S = ShownOn;
  Builder b;
  const Screen m = Screen::kMouse;
  // Library commands "ADVANCE" 3..7 and the command each gives.
  const int commands[] = {0x73, 0x70, 0x72, 0x74, 0x71};
  for (int i = 0; i < 5; ++i)
    b.Add(Ctl::kLibraryCommand, i, m, u"ADVANCE", Number(3 + i), K::kSheetButton, S::kEveryPage, 0,
          commands[i]);
  b.Add(Ctl::kTitle, 0, m, u"MAIN", u"1", K::kSheetButton, S::kEveryPage,
        kOptFacesFromMain | kOptWhite);
  b.Add(Ctl::kPreferences, 0, m, u"MAIN", u"2", K::kImageButton, S::kEveryPage, kOptWhite);
  b.Add(Ctl::kMinimise, 0, m, u"MAIN", u"3", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kClose, 0, m, u"MAIN", u"4", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kProfileMenu, 0, m, u"MAIN", u"5", K::kSheetButton, S::kButtonsPage);
  b.Add(Ctl::kProfileEditMenu, 0, m, u"MAIN", u"6", K::kSheetButton, S::kButtonsPage);
  b.Add(Ctl::kDeleteProfile, 0, m, u"MAIN", u"14", K::kSheetButton, S::kButtonsPage);
  b.Add(Ctl::kAddProfile, 0, m, u"MAIN", u"15", K::kSheetButton, S::kButtonsPage);
  b.Add(Ctl::kImportProfile, 0, m, u"SYNC", u"7", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kExportProfile, 0, m, u"SYNC", u"8", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kProfileNameEdit, 0, m, u"MAIN", u"5", K::kColourEdit, S::kOwnRule,
        kOptFirstBuildOnly);
  const char16_t* tabKeys[] = {u"7", u"8", u"99", u"9"};
  for (int i = 0; i < 4; ++i)
    b.Add(Ctl::kTab, i, m, u"MAIN", tabKeys[i], K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kApplyAndClose, 0, m, u"MAIN", u"10", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kApply, 0, m, u"MAIN", u"11", K::kSheetButton, S::kEveryPage);
  b.Add(Ctl::kCloseButton, 0, m, u"MAIN", u"12", K::kSheetButton, S::kEveryPage);
  for (int i = 0; i < 6; ++i) {
    b.Add(Ctl::kProfilePicture, i, m, u"SYNC", Number(1 + i), K::kSheetButton2, S::kEveryPage);
    b.Add(Ctl::kProfileSelector, i, m, u"SYNC", Number(21 + i), K::kSheetButton2, S::kEveryPage);
  }
  for (int i = 0; i < 6; ++i)
    b.Add(Ctl::kProfileName, i, m, u"SYNC", Number(11 + i), K::kSheetButton, S::kEveryPage,
          kOptStoresRect);
  for (int r = 0; r < 6; ++r)
    b.Add(Ctl::kFunctionButton, r, m, u"MOUSE", u"F" + Number(1 + r), K::kImageButton,
          S::kButtonsPage, kOptIndirectKey | kOptWhite);
  for (int r = 0; r < 6; ++r)
    b.Add(Ctl::kRowLabel, r, m, u"MOUSE", u"F" + Number(21 + r), K::kImageButton, S::kButtonsPage,
          kOptIndirectKey | kOptWhite);
  for (int r = 0; r < 6; ++r)
    b.Add(Ctl::kRowButton, r, m, u"MOUSE", Number(31 + r), K::kImageButton, S::kButtonsPage,
          kOptWhite);
  b.Add(Ctl::kLibraryTab, 0, m, u"ADVANCE", u"9", K::kSheetButton, S::kEveryPage,
        kOptFacesFromMain | kOptWhite);
  b.Add(Ctl::kLibraryTab, 1, m, u"ADVANCE", u"10", K::kSheetButton, S::kEveryPage,
        kOptFacesFromMain | kOptWhite);

  const Screen l = Screen::kLight;
  b.Add(Ctl::kReset, 0, l, u"MAIN", u"13", K::kSheetButton, S::kLightingPage);
  b.Add(Ctl::kBackground, 0, l, u"MAIN", u"20", K::kSheetButton, S::kLightingPage);
  b.Add(Ctl::kCycleOn, 0, l, u"LIGHT_SELRECT", u"35", K::kSheetButton2, S::kOwnRule);
  b.Add(Ctl::kCycleOff, 0, l, u"LIGHT_SELRECT", u"35", K::kSheetButton2, S::kOwnRule);
  b.Add(Ctl::kEffect, 0, l, u"MOUSE", u"14", K::kSheetButton, S::kLightingPage);
  b.Add(Ctl::kPreview, 0, l, u"MOUSE", u"15", K::kRectangle, S::kNotAWindow);
  b.Add(Ctl::kColourField, 0, l, u"LIGHT_SELRECT", u"30", K::kSheetButton, S::kLightingPage,
        kOptDisabled | kOptStoresRect);
  for (int n = 0; n < 24; ++n)
    b.Add(Ctl::kSwatch, n, l, u"LIGHT_SELRECT", Number(1 + n), K::kSheetButton, S::kLightingPage,
          kOptDisabled | kOptStoresRect);
  for (int i = 0; i < 3; ++i)
    b.Add(Ctl::kColourEdit, i, l, u"LIGHT_SELRECT", Number(31 + i), K::kColourEdit, S::kOwnRule,
          kOptFirstBuildOnly, 0x5001);
  for (int i = 0; i < 7; ++i)
    b.Add(Ctl::kCycleSlot, i, l, u"LIGHT_SELRECT", Number(41 + i), K::kRectangle, S::kNotAWindow);
  b.Add(Ctl::kLightingArea, 0, l, u"LIGHT_SELRECT", u"40", K::kRectangle, S::kNotAWindow);
  b.Add(Ctl::kBrightnessSlider, 0, l, u"SLIDERS", u"1", K::kSlider, S::kLightingPage, 0, 10003, 0,
        5);
  b.Add(Ctl::kSpeedSlider, 0, l, u"SLIDERS", u"2", K::kSlider, S::kLightingPage, 0, 10004, 1, 5);

  const Screen s = Screen::kSensi;
  for (int n = 0; n < 7; ++n)
    b.Add(Ctl::kLevelButton, n, s, u"SENSITIVITY", Number(1 + n), K::kSheetButton, S::kNever,
          kOptFirstBuildOnly | kOptStoresRect);
  for (int n = 0; n < 7; ++n)
    b.Add(Ctl::kLevelValue, n, s, u"SENSITIVITY", Number(41 + n), K::kRectangle, S::kNotAWindow,
          kOptFirstBuildOnly);
  for (int n = 0; n < 7; ++n)
    b.Add(Ctl::kLevelColour, n, s, u"SENSITIVITY", Number(21 + n), K::kRectangle, S::kNotAWindow,
          kOptFirstBuildOnly);
  b.Add(Ctl::kLevelArea, 0, s, u"SENSITIVITY", u"8", K::kRectangle, S::kNotAWindow,
        kOptFirstBuildOnly);
  for (int n = 0; n < 4; ++n)
    b.Add(Ctl::kPollingButton, n, s, u"SENSITIVITY", Number(50 + n), K::kSheetButton, S::kNever,
          kOptFirstBuildOnly | kOptStoresRect);
  b.Add(Ctl::kPollingText, 0, s, u"SENSITIVITY", u"54", K::kRectangle, S::kNotAWindow,
        kOptFirstBuildOnly);
  b.Add(Ctl::kEnhanceOff, 0, s, u"SENSITIVITY", u"61", K::kImageButton, S::kOwnRule, kOptWhite);
  b.Add(Ctl::kEnhanceOn, 0, s, u"SENSITIVITY", u"62", K::kImageButton, S::kOwnRule, kOptWhite);
  b.Add(Ctl::kScrollOff, 0, s, u"SENSITIVITY", u"63", K::kImageButton, S::kOwnRule, kOptWhite);
  b.Add(Ctl::kScrollOn, 0, s, u"SENSITIVITY", u"64 ", K::kImageButton, S::kOwnRule, kOptWhite);
  b.Add(Ctl::kSensitivityLabel, 0, s, u"SENSITIVITY_TEXT", u"4", K::kSheetButton,
        S::kSensitivityPage, kOptFacesFromMain | kOptWhite);
  b.Add(Ctl::kLevelSlider, 0, s, u"SLIDERS", u"3", K::kSlider, S::kSensitivityPage, 0, 10005, 0, 6);
  b.Add(Ctl::kPollingSlider, 0, s, u"SLIDERS", u"4", K::kSlider, S::kSensitivityPage, 0, 10006, 0,
        3);
  b.Add(Ctl::kPointerSlider, 0, s, u"SLIDERS", u"5", K::kSlider, S::kSensitivityPage, 0, 10000, 1,
        10);
  b.Add(Ctl::kScrollSlider, 0, s, u"SLIDERS", u"6", K::kSlider, S::kSensitivityPage, 0, 10001, 1,
        10);
  b.Add(Ctl::kDoubleClickSlider, 0, s, u"SLIDERS", u"7", K::kSlider, S::kSensitivityPage, 0, 10002,
        1, 10);

  b.Add(Ctl::kNameLists, 0, Screen::kLists, u"ADVANCE", u"8", K::kNameList, S::kOwnRule);
  return b.entries;
}

}  // namespace

const std::vector<InventoryEntry>& MainInventory() {
  static const std::vector<InventoryEntry> inventory = BuildInventory();
  return inventory;
}

const InventoryEntry& InventoryOf(Ctl ctl, int index) {
  const std::vector<InventoryEntry>& all = MainInventory();
  const auto found = std::find_if(all.begin(), all.end(), [&](const InventoryEntry& e) {
    return e.ctl == ctl && e.index == index;
  });
  return found != all.end() ? *found : all.front();
}

std::u16string InventoryValue(const IniFile& skin, const InventoryEntry& entry) {
  if (!entry.Has(kOptIndirectKey)) return ReadSkinValueFrom(skin, entry.section, entry.key);
  const std::u16string key = ReadSkinValueFrom(skin, entry.section, entry.key);
  return key.empty() ? std::u16string() : ReadSkinValueFrom(skin, entry.section, key);
}

int ClampToRange(long long value, int minimum, int maximum) {
  return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}
