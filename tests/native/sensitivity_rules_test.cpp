// The sensitivity page's rules: level and polling texts, the level menu, the
// repairs of the active level and polling entry, the colour picker's caption.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/SensitivityRules.h"
#include "settings/MouseConfig.h"

namespace {

TEST(SensitivityRules, LevelsShowTheirDpiAndXWhenOff) {
  struct Case {
    int entry;
    const char16_t* text;
    bool colour;
  } cases[] = {
      {0, u"X", false},   {1, u"600", true},  {2, u"1200", true}, {3, u"2000", true},
      {4, u"3000", true}, {5, u"4000", true}, {6, u"5000", true}, {7, u"7000", true},
      {8, u"X", true},    {-1, u"X", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LevelText(c.entry), c.text) << c.entry;
    EXPECT_EQ(ColourDialogCaption(c.entry),
              c.entry >= 1 && c.entry <= 7 ? std::u16string(c.text) + u" DPI: " : u"X")
        << c.entry;
  }
  EXPECT_FALSE(LevelHasColour(0));
  EXPECT_TRUE(LevelHasColour(3));
}

TEST(SensitivityRules, PollingRatesAreShownInHertz) {
  EXPECT_EQ(PollingText(0), u"125Hz");
  EXPECT_EQ(PollingText(3), u"1000Hz");
  EXPECT_EQ(PollingText(4), u"");
  EXPECT_EQ(PollingText(-1), u"");
}

TEST(SensitivityRules, TheLevelMenuOffersEveryEntryWithXFirst) {
  const std::vector<LevelMenuItem> items = LevelMenuItems();
  ASSERT_EQ(items.size(), 8u);
  const char16_t* captions[] = {u"X", u"600", u"1200", u"2000", u"3000", u"4000", u"5000", u"7000"};
  for (int j = 0; j < 8; ++j) {
    EXPECT_EQ(items[j].value, j);
    EXPECT_EQ(items[j].caption, captions[j]);
  }
}

TEST(SensitivityRules, ALevelPickSetsTheActiveLevelsEntryOnly) {
  ProfileRecord p{};
  for (int i = 0; i < kLevels; ++i) p.dpiValue[i] = i + 1;
  p.dpiCur = 2;
  EXPECT_TRUE(ApplyLevelPick(p, 0));
  EXPECT_EQ(p.dpiValue[2], 0) << "entry 0 turns the active level off";
  EXPECT_TRUE(ApplyLevelPick(p, 7));
  EXPECT_EQ(p.dpiValue[2], 7);
  for (int bad : {8, -1, 0x40}) EXPECT_FALSE(ApplyLevelPick(p, bad)) << bad;
  EXPECT_EQ(p.dpiValue[2], 7);
  p.dpiCur = 7;
  EXPECT_FALSE(ApplyLevelPick(p, 1)) << "no active level to change";
  // Only level 2 changed.
  const std::int32_t expected[kLevels] = {1, 2, 7, 4, 5, 6, 7};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), p.dpiValue));
}

TEST(SensitivityRules, ActiveLevelAndPollingAreRepairedToTheirDefaults) {
  struct Case {
    int value, level, polling;
  } cases[] = {
      {0, 0, 0}, {2, 2, 2}, {3, 3, 3}, {4, 4, 2}, {6, 6, 2}, {7, 3, 2}, {-1, 3, 2}, {1 << 30, 3, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RepairedLevel(c.value), c.level) << c.value;
    EXPECT_EQ(RepairedPolling(c.value), c.polling) << c.value;
  }
}

}  // namespace
