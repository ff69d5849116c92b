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

constexpr int kPages[] = {PAGE_BUTTONS, PAGE_SENSITIVITY, PAGE_LIBRARY, PAGE_LIGHTING};

// Pages are listed as buttons, sensitivity, library, lighting.
struct ShownCase {
  Ctl ctl;
  int index;
  bool onPage[4];
};

void ExpectShown(const ShownCase& c, const PageView (&views)[4], const char* state) {
  for (int p = 0; p < 4; ++p)
    EXPECT_EQ(ShownOnPage(InventoryOf(c.ctl, c.index), views[p]), c.onPage[p])
        << state << ": control " << static_cast<int>(c.ctl) << " #" << c.index << " on page "
        << kPages[p];
}

TEST(PageRules, AFirstStartShowsEachControlOnItsPages) {
  const PageView views[4] = {FirstStartView(kPages[0]), FirstStartView(kPages[1]),
                             FirstStartView(kPages[2]), FirstStartView(kPages[3])};
  const ShownCase cases[] = {
      {Ctl::kTab, 2, {true, true, true, true}},
      {Ctl::kProfileName, 5, {true, true, true, true}},
      {Ctl::kLibraryTab, 1, {true, true, true, true}},
      {Ctl::kProfileMenu, 0, {true, false, false, false}},
      {Ctl::kRowButton, 5, {true, false, false, false}},
      {Ctl::kLevelSlider, 0, {false, true, false, false}},
      {Ctl::kReset, 0, {false, false, false, true}},
      {Ctl::kSwatch, 23, {false, false, false, true}},
      // Pointer enhancement and page scrolling are off.
      {Ctl::kEnhanceOff, 0, {false, true, false, false}},
      {Ctl::kEnhanceOn, 0, {false, false, false, false}},
      {Ctl::kScrollOff, 0, {false, true, false, false}},
      {Ctl::kScrollOn, 0, {false, false, false, false}},
      // Effect 0 without cycling: the pair offers cycling, typed colours act.
      {Ctl::kCycleOn, 0, {false, false, false, true}},
      {Ctl::kCycleOff, 0, {false, false, false, false}},
      {Ctl::kColourEdit, 2, {false, false, false, true}},
      {Ctl::kProfileNameEdit, 0, {false, false, false, false}},
      // No macros yet, and the macro tab is the checked one.
      {Ctl::kNameLists, 0, {false, false, false, false}},
      {Ctl::kLevelButton, 6, {false, false, false, false}},
      {Ctl::kPollingButton, 3, {false, false, false, false}},
      {Ctl::kPreview, 0, {false, false, false, false}},
      {Ctl::kCycleSlot, 6, {false, false, false, false}},
  };
  for (const ShownCase& c : cases) ExpectShown(c, views, "first start");
}

TEST(PageRules, OwnRuleControlsFollowTheProfileOnTheirPage) {
  struct Case {
    const char* state;
    int enableLight, lightType, cycle, enhance, scrollPage;
    bool cycleOn, cycleOff, colourEdits, enhanceOff, enhanceOn, scrollOff, scrollOn;
  } cases[] = {
      {"effect 0", 1, 0, 0, 0, 0, true, false, true, true, false, true, false},
      {"effect 0 cycling", 1, 0, 1, 0, 0, false, true, false, true, false, true, false},
      {"effect 5 cycling", 1, 5, 1, 0, 0, false, true, false, true, false, true, false},
      {"effect 1, seven slots", 1, 1, 0, 0, 0, false, false, false, true, false, true, false},
      {"effect 6, one colour", 1, 6, 1, 0, 0, false, false, true, true, false, true, false},
      // Switched off, the page is in one-colour mode: no pair, typing acts.
      {"lighting off", 0, 0, 0, 0, 0, false, false, true, true, false, true, false},
      {"enhancement on", 1, 2, 0, 1, 0, false, false, false, false, true, true, false},
      {"page scrolling on", 1, 2, 0, 0, 1, false, false, false, true, false, false, true},
  };
  for (const Case& c : cases) {
    ProfileRecord profile{};
    profile.enableLight = c.enableLight;
    profile.lightType = c.lightType;
    profile.cycleEnable = c.cycle;
    profile.mouseEnhance = c.enhance;
    profile.scrollPage = c.scrollPage;
    const PageView views[4] = {ViewOfPage(kPages[0], profile), ViewOfPage(kPages[1], profile),
                               ViewOfPage(kPages[2], profile), ViewOfPage(kPages[3], profile)};
    const ShownCase expected[] = {
        {Ctl::kCycleOn, 0, {false, false, false, c.cycleOn}},
        {Ctl::kCycleOff, 0, {false, false, false, c.cycleOff}},
        {Ctl::kColourEdit, 0, {false, false, false, c.colourEdits}},
        {Ctl::kEnhanceOff, 0, {false, c.enhanceOff, false, false}},
        {Ctl::kEnhanceOn, 0, {false, c.enhanceOn, false, false}},
        {Ctl::kScrollOff, 0, {false, c.scrollOff, false, false}},
        {Ctl::kScrollOn, 0, {false, c.scrollOn, false, false}},
    };
    for (const ShownCase& e : expected) ExpectShown(e, views, c.state);
  }
}

TEST(PageRules, TheCheckedTabsListShowsWhenItHasRows) {
  struct Case {
    LibraryListsState lists;
    bool shown;
  } cases[] = {
      {{true, 3, 8}, true},
      {{true, 0, 8}, false},
      {{false, 0, 8}, true},
      {{false, 3, 0}, false},
  };
  const ProfileRecord profile{};
  for (const Case& c : cases)
    for (int page : kPages)
      EXPECT_EQ(ShownOnPage(InventoryOf(Ctl::kNameLists), ViewOfPage(page, profile, c.lists)),
                c.shown)
          << "macro tab " << c.lists.macroTabChecked << ", " << c.lists.macroRows << " macros, "
          << c.lists.patternRows << " patterns, page " << page;
}

TEST(PageRules, ARenameInPlaceShowsTheEditInsteadOfTheControlItCovers) {
  const ProfileRecord profile{};
  const PageView overMenu =
      ViewOfPage(PAGE_BUTTONS, profile, {}, RenameInPlace{true, Ctl::kProfileMenu, 0});
  EXPECT_TRUE(ShownOnPage(InventoryOf(Ctl::kProfileNameEdit), overMenu));
  EXPECT_FALSE(ShownOnPage(InventoryOf(Ctl::kProfileMenu), overMenu));
  EXPECT_TRUE(ShownOnPage(InventoryOf(Ctl::kProfileName, 0), overMenu));

  const PageView overName =
      ViewOfPage(PAGE_LIBRARY, profile, {}, RenameInPlace{true, Ctl::kProfileName, 2});
  EXPECT_TRUE(ShownOnPage(InventoryOf(Ctl::kProfileNameEdit), overName));
  EXPECT_FALSE(ShownOnPage(InventoryOf(Ctl::kProfileName, 2), overName));
  EXPECT_TRUE(ShownOnPage(InventoryOf(Ctl::kProfileName, 1), overName));
  EXPECT_TRUE(ShownOnPage(
      InventoryOf(Ctl::kProfileMenu),
      ViewOfPage(PAGE_BUTTONS, profile, {}, RenameInPlace{true, Ctl::kProfileName, 2})));
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
