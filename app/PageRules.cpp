#include "app/PageRules.h"

#include "app/LibraryCommands.h"
#include "app/LightingRules.h"
#include "app/PageIds.h"
#include "macro/Patterns.h"
#include "settings/MouseConfig.h"
#include "settings/SettingsFile.h"

LightingMode LightingModeOf(int lightType) {
  switch (lightType) {
    case 0:
    case 5:
      return LightingMode::kColourOrCycle;
    case 6:
      return LightingMode::kOneColour;
    case 1:
      return LightingMode::kCycleSlots;
    default:
      return LightingMode::kNoColour;
  }
}

bool ColourEditsActive(int lightType, int cycleEnable) {
  switch (LightingModeOf(lightType)) {
    case LightingMode::kOneColour:
      return true;
    case LightingMode::kColourOrCycle:
      return cycleEnable != 1;
    default:
      return false;
  }
}

bool PageView::Shows(ShownOn rule) const {
  switch (rule) {
    case ShownOn::kEveryPage:
      return true;
    case ShownOn::kButtonsPage:
      return page == PAGE_BUTTONS;
    case ShownOn::kSensitivityPage:
      return page == PAGE_SENSITIVITY;
    case ShownOn::kLightingPage:
      return page == PAGE_LIGHTING;
    default:
      return false;
  }
}

PageView ViewOfPage(int page, const ProfileRecord& profile, const LibraryListsState& lists,
                    const RenameInPlace& rename) {
  PageView view;
  view.page = page;
  view.rowHoverTimer = page == PAGE_BUTTONS;
  // The edits show exactly when what is typed into them takes effect.
  view.colourEdits =
      page == PAGE_LIGHTING && ColourEditsActive(profile.lightType, profile.cycleEnable);
  view.enhanceOn = profile.mouseEnhance != 0;
  view.pageScrollOn = profile.scrollPage != 0;
  const LightingControls lighting = LightingControlsOf(profile, page);
  view.cycleOn = lighting.cycleOn;
  view.cycleOff = lighting.cycleOff;
  // Both lists share one place; at most the checked tab's shows.
  view.nameList = LibraryListShown(LibraryKind::kMacro, lists.macroRows, lists.macroTabChecked) ||
                  LibraryListShown(LibraryKind::kPattern, lists.patternRows, lists.macroTabChecked);
  view.rename = rename;
  return view;
}

PageView FirstStartView(int page) {
  // Without a file the store holds the defaults a first start writes.
  SettingsStore defaults{std::filesystem::path()};
  defaults.Reload();
  const MouseConfig& config = defaults.config();
  const LibraryListsState lists{true, 0, kBuiltInPatternCount};
  return ViewOfPage(page, config.profiles[config.header.current], lists);
}

bool ShownOnPage(const InventoryEntry& entry, const PageView& view) {
  const RenameInPlace& rename = view.rename;
  if (rename.active && entry.ctl == rename.covered && entry.index == rename.index) return false;
  if (entry.shown != ShownOn::kOwnRule) return view.Shows(entry.shown);
  const bool sensitivity = view.Shows(ShownOn::kSensitivityPage);
  switch (entry.ctl) {
    case Ctl::kProfileNameEdit:
      return rename.active;
    case Ctl::kCycleOn:
      return view.cycleOn;
    case Ctl::kCycleOff:
      return view.cycleOff;
    case Ctl::kColourEdit:
      return view.colourEdits;
    case Ctl::kEnhanceOff:
      return sensitivity && !view.enhanceOn;
    case Ctl::kEnhanceOn:
      return sensitivity && view.enhanceOn;
    case Ctl::kScrollOff:
      return sensitivity && !view.pageScrollOn;
    case Ctl::kScrollOn:
      return sensitivity && view.pageScrollOn;
    case Ctl::kNameLists:
      return view.nameList;
    default:
      return false;
  }
}

MenuPick ClassifyMenuPick(int value) {
  if (value >= 0 && value <= 7) return MenuPick::kSensitivityValue;
  if (value >= 16 && value <= 47) return MenuPick::kProfile;
  if (value >= 48 && value <= 63) return MenuPick::kProfileEdit;
  if (value >= 64 && value <= 79) return MenuPick::kEffect;
  return MenuPick::kFunction;
}

CyclePairCaptions SplitCyclePairCaption(std::u16string_view text) {
  const std::u16string_view firstWord = text.substr(0, text.find(u' '));
  const std::size_t tail = firstWord == u"on" ? 3 : firstWord.size();
  CyclePairCaptions captions;
  captions.offButton = std::u16string(firstWord);
  captions.onButton = std::u16string(text.substr(text.size() > tail ? text.size() - tail : 0));
  return captions;
}

int TabFontHeight(int lanId) { return lanId == 1 ? 16 : 18; }

int EffectFontHeight(int lanId) { return lanId == 1 ? 15 : 18; }
