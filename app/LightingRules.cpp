#include "app/LightingRules.h"

#include <algorithm>

#include "app/PageIds.h"

namespace {

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red + green * 256 + blue * 65536);
}

int Clamped(long long value) { return static_cast<int>(std::clamp(value, 0LL, 255LL)); }

}  // namespace

const std::array<Colour, kSwatches> kSwatchColours = {
    Rgb(140, 0, 0),     Rgb(200, 0, 0),    Rgb(255, 0, 0),     Rgb(255, 30, 0),    Rgb(255, 135, 0),
    Rgb(255, 210, 50),  Rgb(255, 255, 0),  Rgb(150, 255, 0),   Rgb(0, 255, 0),     Rgb(20, 130, 20),
    Rgb(140, 140, 140), Rgb(70, 70, 70),   Rgb(60, 45, 145),   Rgb(125, 50, 150),  Rgb(150, 0, 255),
    Rgb(255, 0, 255),   Rgb(255, 50, 150), Rgb(255, 200, 255), Rgb(10, 0, 150),    Rgb(0, 20, 255),
    Rgb(30, 140, 255),  Rgb(0, 255, 255),  Rgb(210, 210, 210), Rgb(255, 255, 255),
};

LightingMode CurrentLightingMode(const ProfileRecord& profile) {
  if (profile.enableLight == 0) return LightingMode::kOneColour;
  return LightingModeOf(profile.lightType);
}

bool IsCycling(const ProfileRecord& profile) {
  return profile.cycleEnable == 1 &&
         LightingModeOf(profile.lightType) == LightingMode::kColourOrCycle;
}

LightingControls LightingControlsOf(const ProfileRecord& profile, int page) {
  LightingControls controls;
  controls.mode = CurrentLightingMode(profile);
  const bool shown = page == PAGE_LIGHTING;
  controls.colourEdits = shown && ColourEditsActive(profile.lightType, profile.cycleEnable);
  const bool pair = shown && controls.mode == LightingMode::kColourOrCycle;
  controls.cycleOn = pair && profile.cycleEnable == 0;
  controls.cycleOff = pair && profile.cycleEnable != 0;
  controls.effectEnabled = profile.enableLight != 0;
  controls.picksColour = shown && controls.mode != LightingMode::kCycleSlots &&
                         controls.mode != LightingMode::kNoColour && !IsCycling(profile);
  controls.picksSlot = shown && controls.mode == LightingMode::kCycleSlots;
  return controls;
}

Colour PreviewColour(const ProfileRecord& profile, LightingMode mode, int selectedSlot) {
  if (mode == LightingMode::kCycleSlots && selectedSlot >= 0 && selectedSlot < kLevels)
    return profile.lightCycle[selectedSlot];
  return profile.lightColor[0];
}

void SetEffectColour(ProfileRecord& profile, Colour colour) {
  std::fill(std::begin(profile.lightColor), std::end(profile.lightColor), colour);
}

ColourComponents ComponentsOf(Colour colour) {
  return ColourComponents{static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF)};
}

Colour ColourFrom(int red, int green, int blue) {
  return Rgb(Clamped(red), Clamped(green), Clamped(blue));
}

int TypedComponent(std::u16string_view text) {
  long long value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    // Past 255 every further digit only keeps it there.
    value = std::min(value * 10 + (c - u'0'), 1000LL);
  }
  return Clamped(value);
}
