// The main window's layout and page rules, without a window: the control
// inventory against both skin files, what each page shows, the menu values
// and the captions cut from skin texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "app/MainInventory.h"
#include "app/PageIds.h"
#include "app/PageRules.h"
#include "settings/IniFile.h"
#include "settings/MouseConfig.h"
#include "skin/SkinFile.h"

namespace {

const std::filesystem::path kLanguages = std::filesystem::path(R58_PROGRAM_DIR) / "Lan";

class InventoryInSkin : public ::testing::TestWithParam<const char*> {};

TEST_P(InventoryInSkin, EveryEntryPlacesItsControlInsideTheWindow) {
  const IniFile skin(kLanguages / GetParam());
  ASSERT_TRUE(skin.existed());
  std::set<std::tuple<Ctl, int>> seen;
  for (const InventoryEntry& e : MainInventory()) {
    EXPECT_TRUE(seen.insert({e.ctl, e.index}).second) << "a control listed twice";
    const SkinEntry entry = ParseSkinEntry(InventoryValue(skin, e));
    const std::string where = std::string(e.section.begin(), e.section.end()) + " / " +
                              std::string(e.key.begin(), e.key.end());
    EXPECT_LT(entry.left, entry.right) << where;
    EXPECT_LT(entry.top, entry.bottom) << where;
    EXPECT_GE(entry.left, 0) << where;
    EXPECT_GE(entry.top, 0) << where;
    EXPECT_LE(entry.right, 1560) << where;
    EXPECT_LE(entry.bottom, 700) << where;
    if (e.kind == ControlKind::kSlider) {
      EXPECT_LT(e.minimum, e.maximum) << where;
      EXPECT_GE(e.controlId, 10000) << where;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, InventoryInSkin,
                         ::testing::Values("skin_En.ini", "skin_Cs.ini"));

TEST(Inventory, IndirectKeysNameTheEntryOfTheRow) {
  // "F3" holds 12: row 3's function button is the entry with key 12.
  const IniFile skin =
      IniFile::FromBytes("[MOUSE]\nF3=12\n12=Mouse\\Function,100,200,30,40,,0\n3=,1,1,1,1,,0\n");
  const SkinEntry entry =
      ParseSkinEntry(InventoryValue(skin, InventoryOf(Ctl::kFunctionButton, 2)));
  EXPECT_EQ(entry.left, 100);
  EXPECT_EQ(entry.top, 200);
  // A formed key with no value places nothing.
  EXPECT_TRUE(InventoryValue(skin, InventoryOf(Ctl::kFunctionButton, 0)).empty());
}

TEST(Inventory, TheScrollPairUsesTheKeyWithItsTrailingBlank) {
  EXPECT_EQ(InventoryOf(Ctl::kScrollOn).key, u"64 ");
}

ProfileRecord ProfileWith(int lightType, int cycle, int enhance = 0, int scrollPage = 0) {
  ProfileRecord p{};
  p.lightType = lightType;
  p.cycleEnable = cycle;
  p.mouseEnhance = enhance;
  p.scrollPage = scrollPage;
  return p;
}

TEST(PageRules, EachPageShowsItsOwnControls) {
  struct Case {
    int page;
    bool buttons, sensitivity, lighting, hoverTimer;
  } cases[] = {
      {PAGE_BUTTONS, true, false, false, true},
      {PAGE_SENSITIVITY, false, true, false, false},
      {PAGE_LIBRARY, false, false, false, false},
      {PAGE_LIGHTING, false, false, true, false},
  };
  for (const Case& c : cases) {
    const PageView view = ViewOfPage(c.page, ProfileWith(6, 0));
    EXPECT_TRUE(view.Shows(ShownOn::kEveryPage)) << c.page;
    EXPECT_EQ(view.Shows(ShownOn::kButtonsPage), c.buttons) << c.page;
    EXPECT_EQ(view.Shows(ShownOn::kSensitivityPage), c.sensitivity) << c.page;
    EXPECT_EQ(view.Shows(ShownOn::kLightingPage), c.lighting) << c.page;
    EXPECT_EQ(view.rowHoverTimer, c.hoverTimer) << c.page;
    EXPECT_FALSE(view.Shows(ShownOn::kNever)) << c.page;
    EXPECT_EQ(view.colourEdits, c.lighting) << "effect 6 takes typed colours";
  }
}

TEST(PageRules, ColourEditsShowExactlyWhenTypingTakesEffect) {
  struct Case {
    int lightType, cycle;
    bool shown;
  } cases[] = {
      {0, 0, true},  {0, 1, false}, {5, 0, true},   {5, 1, false}, {6, 0, true},
      {6, 1, true},  {1, 0, false}, {1, 1, false},  {2, 0, false}, {3, 0, false},
      {4, 0, false}, {7, 0, false}, {-1, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ViewOfPage(PAGE_LIGHTING, ProfileWith(c.lightType, c.cycle)).colourEdits, c.shown)
        << "effect " << c.lightType << " cycle " << c.cycle;
    EXPECT_FALSE(ViewOfPage(PAGE_BUTTONS, ProfileWith(c.lightType, c.cycle)).colourEdits);
  }
}

TEST(PageRules, TogglePairsFollowTheProfile) {
  EXPECT_FALSE(ViewOfPage(PAGE_SENSITIVITY, ProfileWith(0, 0, 0, 0)).enhanceOn);
  EXPECT_TRUE(ViewOfPage(PAGE_SENSITIVITY, ProfileWith(0, 0, 1, 0)).enhanceOn);
  EXPECT_TRUE(ViewOfPage(PAGE_SENSITIVITY, ProfileWith(0, 0, 0, 1)).pageScrollOn);
  EXPECT_TRUE(ViewOfPage(PAGE_SENSITIVITY, ProfileWith(0, 0, 0, 7)).pageScrollOn);
}

TEST(PageRules, MenuPicksAreToldApartByValue) {
  struct Case {
    int value;
    MenuPick kind;
  } cases[] = {
      {0, MenuPick::kSensitivityValue}, {7, MenuPick::kSensitivityValue},
      {8, MenuPick::kFunction},         {15, MenuPick::kFunction},
      {16, MenuPick::kProfile},         {47, MenuPick::kProfile},
      {48, MenuPick::kProfileEdit},     {63, MenuPick::kProfileEdit},
      {64, MenuPick::kEffect},          {79, MenuPick::kEffect},
      {80, MenuPick::kFunction},        {0xA0, MenuPick::kFunction},
      {0xFFFF, MenuPick::kFunction},    {-1, MenuPick::kFunction},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyMenuPick(c.value), c.kind) << c.value;
}

TEST(PageRules, CyclePairCaptionsAreCutFromOneText) {
  struct Case {
    const char16_t* text;
    const char16_t* offButton;
    const char16_t* onButton;
  } cases[] = {
      {u"on off", u"on", u"off"}, {u"ON OFF", u"ON", u"FF"}, {u"zap vyp", u"zap", u"vyp"},
      {u"on", u"on", u"on"},      {u"", u"", u""},           {u"an x", u"an", u" x"},
  };
  for (const Case& c : cases) {
    const CyclePairCaptions captions = SplitCyclePairCaption(c.text);
    EXPECT_EQ(captions.offButton, c.offButton);
    EXPECT_EQ(captions.onButton, c.onButton);
  }
}

TEST(PageRules, TabsAreSmallerInTheFirstLanguage) {
  EXPECT_EQ(TabFontHeight(1), 16);
  EXPECT_EQ(TabFontHeight(0), 18);
  EXPECT_EQ(TabFontHeight(2), 18);
}

TEST(PageRules, MessageValuesAreKeptInsideTheSlidersRange) {
  EXPECT_EQ(ClampToRange(-5, 0, 6), 0);
  EXPECT_EQ(ClampToRange(9, 0, 6), 6);
  EXPECT_EQ(ClampToRange(4, 1, 10), 4);
  EXPECT_EQ(ClampToRange(1LL << 40, 1, 10), 10);
}

}  // namespace
