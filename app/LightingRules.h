// Rules of the lighting page that need no window: which of its controls are
// shown and take input for a profile, the swatch colours, the colour the
// preview shows and the typed colour values.
#pragma once

#include <array>
#include <string_view>

#include "app/PageRules.h"
#include "settings/MouseConfig.h"

constexpr int kSwatches = 24;
// Swatch n (1..24) is entry n - 1.
extern const std::array<Colour, kSwatches> kSwatchColours;

// The page's mode: the effect's while the lighting is on; switched off
// (brightness 0), one colour.
LightingMode CurrentLightingMode(const ProfileRecord& profile);
// Effects 0 and 5 with colour cycling on: the colour comes from the cycle.
bool IsCycling(const ProfileRecord& profile);

// What the lighting page shows and accepts for a profile.
struct LightingControls {
  LightingMode mode = LightingMode::kOneColour;
  bool colourEdits = false;    // red, green and blue edits shown
  bool cycleOn = false;        // the button that turns cycling on (cycling is off)
  bool cycleOff = false;       // the button that turns cycling off (cycling is on)
  bool effectEnabled = false;  // effect button and speed slider
  bool picksColour = false;    // the colour field and the swatches take clicks
  bool picksSlot = false;      // the seven cycle slots take clicks

  // The cycle label is drawn while either button of the pair shows.
  bool cycleLabel() const { return cycleOn || cycleOff; }
};
LightingControls LightingControlsOf(const ProfileRecord& profile, int page);

// The colour of the preview and the edits: the selected cycle slot's colour
// for the seven-slot effect, otherwise the first effect colour.
Colour PreviewColour(const ProfileRecord& profile, LightingMode mode, int selectedSlot);
// All seven effect colours become `colour`; the cycle colours stay.
void SetEffectColour(ProfileRecord& profile, Colour colour);

struct ColourComponents {
  int red, green, blue;
};
ColourComponents ComponentsOf(Colour colour);
// Each component is kept to 0..255.
Colour ColourFrom(int red, int green, int blue);
// A typed component: the leading decimal digits, 0 without any, kept to 0..255.
int TypedComponent(std::u16string_view text);
