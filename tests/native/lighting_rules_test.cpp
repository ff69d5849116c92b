// The lighting page's rules: which controls each effect, cycling state and
// brightness shows and lets act, the swatch colours, the preview colour and
// the typed colour values.
#include <gtest/gtest.h>

#include <set>

#include "app/LightingRules.h"
#include "app/PageIds.h"

namespace {

ProfileRecord Lighting(int lightType, int cycle, int enable) {
  ProfileRecord p{};
  p.lightType = lightType;
  p.cycleEnable = cycle;
  p.enableLight = enable;
  return p;
}

// Expected controls with the lighting on; switched off the mode is one colour,
// the pair is hidden, the effect button and speed are disabled, and the
// colour is picked unless the effect cycles.
struct Row {
  int lightType, cycle;
  LightingMode mode;
  bool edits, cycleOn, cycleOff, picksColour, picksSlot;
};
constexpr LightingMode kOne = LightingMode::kOneColour;
constexpr LightingMode kOrCycle = LightingMode::kColourOrCycle;
constexpr LightingMode kSlots = LightingMode::kCycleSlots;
constexpr LightingMode kNone = LightingMode::kNoColour;
const Row kRows[] = {
    // type cycle mode      edits  on     off    colour slot
    {0, 0, kOrCycle, true, true, false, true, false},
    {0, 1, kOrCycle, false, false, true, false, false},
    {5, 0, kOrCycle, true, true, false, true, false},
    {5, 1, kOrCycle, false, false, true, false, false},
    {6, 0, kOne, true, false, false, true, false},
    {6, 1, kOne, true, false, false, true, false},
    {1, 0, kSlots, false, false, false, false, true},
    {1, 1, kSlots, false, false, false, false, true},
    {2, 0, kNone, false, false, false, false, false},
    {2, 1, kNone, false, false, false, false, false},
    {3, 0, kNone, false, false, false, false, false},
    {3, 1, kNone, false, false, false, false, false},
    {4, 0, kNone, false, false, false, false, false},
    {4, 1, kNone, false, false, false, false, false},
    {7, 0, kNone, false, false, false, false, false},
    {-1, 1, kNone, false, false, false, false, false},
};

TEST(LightingRules, EachEffectShowsAndEnablesItsOwnControls) {
  for (const Row& r : kRows) {
    const LightingControls c = LightingControlsOf(Lighting(r.lightType, r.cycle, 1), PAGE_LIGHTING);
    SCOPED_TRACE(testing::Message() << "effect " << r.lightType << " cycle " << r.cycle);
    EXPECT_EQ(c.mode, r.mode);
    EXPECT_EQ(c.colourEdits, r.edits);
    EXPECT_EQ(c.cycleOn, r.cycleOn);
    EXPECT_EQ(c.cycleOff, r.cycleOff);
    EXPECT_EQ(c.cycleLabel(), r.cycleOn || r.cycleOff);
    EXPECT_TRUE(c.effectEnabled);
    EXPECT_EQ(c.picksColour, r.picksColour);
    EXPECT_EQ(c.picksSlot, r.picksSlot);
  }
}

TEST(LightingRules, BrightnessZeroSwitchesToOneColourWithoutThePair) {
  for (const Row& r : kRows) {
    const LightingControls c = LightingControlsOf(Lighting(r.lightType, r.cycle, 0), PAGE_LIGHTING);
    SCOPED_TRACE(testing::Message() << "effect " << r.lightType << " cycle " << r.cycle);
    const bool cycling = r.mode == kOrCycle && r.cycle == 1;
    EXPECT_EQ(c.mode, kOne);
    // The edits keep the effect's rule: switching off does not move them.
    EXPECT_EQ(c.colourEdits, r.edits);
    EXPECT_FALSE(c.cycleOn);
    EXPECT_FALSE(c.cycleOff);
    EXPECT_FALSE(c.cycleLabel());
    EXPECT_FALSE(c.effectEnabled);
    EXPECT_EQ(c.picksColour, !cycling);
    EXPECT_FALSE(c.picksSlot);
  }
}

TEST(LightingRules, OtherPagesShowNothingOfTheLighting) {
  for (int page : {PAGE_BUTTONS, PAGE_SENSITIVITY, PAGE_LIBRARY}) {
    for (const Row& r : kRows) {
      const LightingControls c = LightingControlsOf(Lighting(r.lightType, r.cycle, 1), page);
      EXPECT_FALSE(c.colourEdits || c.cycleOn || c.cycleOff || c.picksColour || c.picksSlot)
          << page << " effect " << r.lightType;
      EXPECT_EQ(c.mode, r.mode);
    }
  }
}

TEST(LightingRules, SwatchesAreTheTwentyFourColoursRedInTheLowByte) {
  EXPECT_EQ(kSwatchColours[0], 140u);                              // (140, 0, 0)
  EXPECT_EQ(kSwatchColours[3], 255u + 30u * 256);                  // (255, 30, 0)
  EXPECT_EQ(kSwatchColours[8], 0x00FF00u);                         // (0, 255, 0)
  EXPECT_EQ(kSwatchColours[12], 60u + 45u * 256 + 145u * 65536);   // (60, 45, 145)
  EXPECT_EQ(kSwatchColours[18], 10u + 150u * 65536);               // (10, 0, 150)
  EXPECT_EQ(kSwatchColours[20], 30u + 140u * 256 + 255u * 65536);  // (30, 140, 255)
  EXPECT_EQ(kSwatchColours[23], 0xFFFFFFu);                        // (255, 255, 255)
  EXPECT_EQ(std::set<Colour>(kSwatchColours.begin(), kSwatchColours.end()).size(), 24u);
}

TEST(LightingRules, ThePreviewShowsTheSelectedSlotOnlyForTheSlotEffect) {
  ProfileRecord p = Lighting(1, 0, 1);
  for (int i = 0; i < kLevels; ++i) {
    p.lightColor[i] = 0x100 + i;
    p.lightCycle[i] = 0x200 + i;
  }
  EXPECT_EQ(PreviewColour(p, LightingMode::kCycleSlots, 3), 0x203u);
  EXPECT_EQ(PreviewColour(p, LightingMode::kCycleSlots, 7), 0x100u) << "no such slot";
  EXPECT_EQ(PreviewColour(p, LightingMode::kOneColour, 3), 0x100u);
  EXPECT_EQ(PreviewColour(p, LightingMode::kColourOrCycle, 3), 0x100u);
}

TEST(LightingRules, APickedColourChangesTheSevenEffectColoursOnly) {
  ProfileRecord p = Lighting(0, 0, 1);
  for (int i = 0; i < kLevels; ++i) p.lightCycle[i] = kCycleColourTable[i];
  SetEffectColour(p, 0x00FF00);
  for (int i = 0; i < kLevels; ++i) {
    EXPECT_EQ(p.lightColor[i], 0x00FF00u);
    EXPECT_EQ(p.lightCycle[i], kCycleColourTable[i]);
  }
}

TEST(LightingRules, TypedValuesAreReadAsDecimalsKeptTo0To255) {
  struct Case {
    const char16_t* text;
    int value;
  } cases[] = {
      {u"300", 255}, {u"255", 255}, {u"0", 0},  {u"", 0},   {u"abc", 0},
      {u"12a", 12},  {u"007", 7},   {u"-5", 0}, {u" 9", 0}, {u"99999999999999999999999", 255},
  };
  for (const Case& c : cases) EXPECT_EQ(TypedComponent(c.text), c.value) << c.value;
  EXPECT_EQ(ColourFrom(300, -4, 128), 255u + 128u * 65536);
  const ColourComponents parts = ComponentsOf(12 + 34 * 256 + 56 * 65536);
  EXPECT_EQ(parts.red, 12);
  EXPECT_EQ(parts.green, 34);
  EXPECT_EQ(parts.blue, 56);
}

}  // namespace
