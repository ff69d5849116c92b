#include "app/PageRules.h"

#include "app/PageIds.h"
#include "settings/MouseConfig.h"

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

PageView ViewOfPage(int page, const ProfileRecord& profile) {
  PageView view;
  view.page = page;
  view.rowHoverTimer = page == PAGE_BUTTONS;
  // The edits show exactly when what is typed into them takes effect.
  view.colourEdits =
      page == PAGE_LIGHTING && ColourEditsActive(profile.lightType, profile.cycleEnable);
  view.enhanceOn = profile.mouseEnhance != 0;
  view.pageScrollOn = profile.scrollPage != 0;
  return view;
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
