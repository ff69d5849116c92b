#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/MouseConfig.h"

namespace {

std::unique_ptr<MouseConfig> DefaultBlock(int totle = 6) {
  auto block = std::make_unique<MouseConfig>();
  ClearSettings(*block);
  block->header.totle = totle;
  for (int i = 0; i < kMaxProfiles; ++i) {
    block->header.section[i] = i;
    ResetProfile(block->profiles[i]);
  }
  ValidateSettings(*block);
  return block;
}

TEST(ValidateProfile, ReplacesEachOutOfRangeValueWithItsDefault) {
  ProfileRecord p;
  ResetProfile(p);
  p.dpiValue[3] = 8;
  p.dpiCur = 7;
  p.groupId = 21;
  p.pollRate = 4;
  p.enableLight = 2;
  p.lightSpeed = 0;
  p.lightBright = 6;
  p.dbClickSpeed = 11;
  p.mouseSpeed = 0;
  p.slots[2].code = 0xAC;    // between the ranges
  p.slots[6].code = 0xC5;    // a valid code on the hidden slot stays
  p.dpiColor[0] = 0x123456;  // colours are kept without reset
  ValidateProfile(p, false);
  EXPECT_EQ(p.dpiValue[3], 4);
  EXPECT_EQ(kDpiTable[p.dpiValue[3]], 3000);
  EXPECT_EQ(p.dpiCur, 3);
  EXPECT_EQ(p.groupId, 0);
  EXPECT_EQ(p.pollRate, 2);
  EXPECT_EQ(p.enableLight, 1);
  EXPECT_EQ(p.lightSpeed, 3);
  EXPECT_EQ(p.lightBright, 5);
  EXPECT_EQ(p.dbClickSpeed, 4);
  EXPECT_EQ(p.mouseSpeed, 5);
  EXPECT_EQ(p.slots[2].code, 0xA2);
  EXPECT_EQ(p.slots[2].library, -1);
  EXPECT_EQ(p.slots[6].code, 0xC5);
  EXPECT_EQ(p.dpiColor[0], 0x123456u);
}

TEST(ResetProfile, GivesEveryDefaultIncludingColoursAndSlots) {
  ProfileRecord p;
  std::memset(&p, 0x5A, sizeof p);
  ResetProfile(p);
  EXPECT_EQ(p.name[0], 0);
  for (int i = 0; i < kLevels; ++i) {
    EXPECT_EQ(p.dpiValue[i], i + 1);
    EXPECT_EQ(p.dpiColor[i], kDpiColourTable[i]);
    EXPECT_EQ(p.lightColor[i], kCycleColourTable[i]);
    EXPECT_EQ(p.lightCycle[i], kCycleColourTable[i]);
  }
  EXPECT_EQ(p.cycleEnable, 0);
  EXPECT_EQ(p.lightType, 0);
  EXPECT_EQ(p.scrollPage, 0);
  EXPECT_EQ(p.enableLight, 1);
  for (int i = 0; i < kButtonSlots; ++i) {
    EXPECT_EQ(p.slots[i].button, i + 1);
    EXPECT_EQ(p.slots[i].code, kDefaultCodes[i]);
    EXPECT_EQ(p.slots[i].library, -1);
    EXPECT_EQ(CountEvents(p.slots[i].events), 0);
  }
  EXPECT_EQ(p.slots[6].code, 0x00);
  EXPECT_EQ(p.slots[3].unused3, 0x00) << "cleared before validation";
}

TEST(ValidateSettings, HeaderRanges) {
  struct Case {
    int totle, current, active, lan, tray, osd;
    int wantTotle, wantCurrent, wantActive, wantLan, wantTray, wantOsd;
  };
  const Case cases[] = {
      {9, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 1},
      {0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},
      {3, 3, 2, 2, -1, 2, 3, 0, 2, 1, 1, 1},
      {6, 5, 6, -1, 0, 1, 6, 5, 0, 1, 0, 1},
  };
  for (const Case& c : cases) {
    auto block = DefaultBlock();
    ConfigHeader& h = block->header;
    h.totle = c.totle, h.current = c.current, h.active = c.active;
    h.lanId = c.lan, h.showTrayIcon = c.tray, h.showOsd = c.osd;
    ValidateSettings(*block);
    EXPECT_EQ(h.totle, c.wantTotle);
    EXPECT_EQ(h.current, c.wantCurrent);
    EXPECT_EQ(h.active, c.wantActive);
    EXPECT_EQ(h.lanId, c.wantLan);
    EXPECT_EQ(h.showTrayIcon, c.wantTray);
    EXPECT_EQ(h.showOsd, c.wantOsd);
  }
}

TEST(ValidateSettings, GivesADuplicateSectionNumberTheSmallestFreeOne) {
  auto block = DefaultBlock(4);
  int32_t* s = block->header.section;
  s[0] = 3, s[1] = 0, s[2] = 3, s[3] = 9;  // 9 becomes 0, a second duplicate
  const SlotMask renumbered = ValidateSettings(*block);
  EXPECT_EQ(s[0], 3);
  EXPECT_EQ(s[1], 0);
  EXPECT_EQ(s[2], 1);
  EXPECT_EQ(s[3], 2);
  EXPECT_EQ(renumbered, SlotMask(0b1100));
}

TEST(DeleteProfile, MovesLaterProfilesUpAndKeepsCurrentInRange) {
  auto block = DefaultBlock(3);
  for (int i = 0; i < 3; ++i) block->profiles[i].groupId = 10 + i;
  block->header.section[0] = 0, block->header.section[1] = 4, block->header.section[2] = 2;
  block->header.current = 2;
  ASSERT_TRUE(DeleteProfile(*block));
  EXPECT_EQ(block->header.totle, 2);
  EXPECT_EQ(block->header.current, 1);
  EXPECT_EQ(block->header.section[2], -1);

  block->header.current = 0;
  ASSERT_TRUE(DeleteProfile(*block));
  EXPECT_EQ(block->header.totle, 1);
  EXPECT_EQ(block->header.current, 0);
  EXPECT_EQ(block->profiles[0].groupId, 11);
  EXPECT_EQ(block->header.section[0], 4);

  EXPECT_FALSE(DeleteProfile(*block)) << "the only profile stays";
  EXPECT_EQ(block->header.totle, 1);
}

TEST(ValidateSettings, ReportsEverySectionNumberItChanged) {
  auto block = DefaultBlock(3);
  int32_t* s = block->header.section;
  s[0] = 7, s[1] = 0, s[2] = -1;  // 7 and -1 become 0; both then clash with slot 0
  EXPECT_EQ(ValidateSettings(*block), SlotMask(0b111));
  EXPECT_EQ(s[0], 0);
  EXPECT_EQ(s[1], 1);
  EXPECT_EQ(s[2], 2);
  EXPECT_EQ(ValidateSettings(*block), 0) << "valid numbers are not reported";
}

TEST(DeleteProfile, ActiveKeepsNamingTheSameProfile) {
  struct Case {
    int totle, current, active;  // before; current is the profile deleted
    int wantCurrent, wantActive;
  };
  const Case cases[] = {
      {4, 1, 3, 1, 2},  // above the deleted one: moves down with its profile
      {4, 1, 0, 1, 0},  // below: stays
      {4, 1, 1, 1, 1},  // the deleted one: the new current profile
      {4, 3, 3, 2, 2},  // the last one, deleted: the new current profile
      {4, 2, 3, 2, 2},  // the last one moves up
      {2, 0, 1, 0, 0}, {2, 1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    auto block = DefaultBlock(c.totle);
    for (int i = 0; i < c.totle; ++i) block->profiles[i].groupId = 10 + i;
    block->header.current = c.current;
    block->header.active = c.active;
    const int activeGroup = block->profiles[c.active].groupId;
    ASSERT_TRUE(DeleteProfile(*block));
    const ConfigHeader& h = block->header;
    EXPECT_EQ(h.current, c.wantCurrent) << c.totle << c.current << c.active;
    EXPECT_EQ(h.active, c.wantActive) << c.totle << c.current << c.active;
    ASSERT_LT(h.active, h.totle);
    if (c.active != c.current) {
      EXPECT_EQ(block->profiles[h.active].groupId, activeGroup) << "the same profile";
    }
  }
}

TEST(AddProfile, ReusesTheFreedSectionAndNamesTheProfileUniquely) {
  auto block = DefaultBlock(6);
  NameUnnamedProfiles(*block, u"Profile");
  block->header.current = 1;  // "Profile 2", stored in section 1
  ASSERT_TRUE(DeleteProfile(*block));
  ASSERT_EQ(AddProfile(*block, u"Profile"), kAccepted);
  const int n = block->header.totle - 1;
  EXPECT_EQ(n, 5);
  EXPECT_EQ(block->header.section[n], 1);
  EXPECT_EQ(block->header.current, n);
  EXPECT_EQ(std::u16string(FixedText(block->profiles[n].name)), u"Profile 2");

  EXPECT_EQ(AddProfile(*block, u"Profile"), kWarnProfilesFull);
  EXPECT_EQ(block->header.totle, 6);
}

TEST(MakeDefaultName, TakesTheFirstFreeNumber) {
  EXPECT_EQ(MakeDefaultName(u"Profile", 6,
                            {u"Profile 1", u"Profile 2", u"Profile 3", u"Profile 4", u"Profile 5"}),
            u"Profile 6");
  EXPECT_EQ(MakeDefaultName(u"Macro", 100, {u"Macro 2", u"macro 1"}), u"Macro 1");
  EXPECT_EQ(MakeDefaultName(u"P", 2, {u"P 1", u"P 2"}), u"");
}

TEST(FreeNumber, LooksOnlyAtTheFirstCountEntries) {
  const int32_t map[] = {0, 2, 1, 5};
  EXPECT_EQ(FreeNumber(map, 3, 6), 3);
  EXPECT_EQ(FreeNumber(map, 0, 6), 0);
  EXPECT_EQ(FreeNumber(map, 3, 3), -1);
}

TEST(AssignmentRules, WarningsElevenAndSeventeen) {
  ProfileRecord p;
  ResetProfile(p);  // A0 on slot 0 only
  EXPECT_EQ(CheckAssignment(p, 0, 0xA1), kWarnLastLeftClick);
  EXPECT_EQ(CheckAssignment(p, 0, kCodeMacro), kWarnLastLeftClick);
  EXPECT_EQ(CheckAssignment(p, 0, kCodeLeftClick), kAccepted);
  EXPECT_EQ(CheckAssignment(p, 1, kCodeLeftClick), kAccepted);
  AssignFunction(p.slots[1], kCodeLeftClick);
  EXPECT_EQ(CheckAssignment(p, 0, 0xB3), kAccepted) << "slot 1 now holds A0";

  for (int i : {2, 3, 4, 5}) AssignMacro(p.slots[i], i, 1, 2);
  EXPECT_EQ(CheckAssignment(p, 6, kCodeMacro), kWarnTooManyMacros);
  EXPECT_EQ(CheckAssignment(p, 6, kCodePattern), kWarnTooManyMacros);
  EXPECT_EQ(CheckAssignment(p, 2, kCodeMacro), kAccepted) << "reassigning a macro button";
  EXPECT_EQ(CheckAssignment(p, 2, kCodePattern), kAccepted) << "three others hold one";
  AssignPattern(p.slots[5], 7);
  EXPECT_EQ(CheckAssignment(p, 5, kCodePattern), kAccepted);
  EXPECT_EQ(CheckAssignment(p, 6, 0xA3), kAccepted);
}

TEST(AssignmentRules, PlainFunctionClearsTheMacroPartOfTheSlot) {
  ButtonSlot s;
  ClearSlot(s, 2);
  AssignMacro(s, 12, 1, 5);
  s.events[0] = {0x14, 0, 1};
  s.count = 1;
  AssignFunction(s, 0xC3);
  EXPECT_EQ(s.code, 0xC3);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(s.events[0].code, 0);
  EXPECT_EQ(s.repeatType, 0);
  EXPECT_EQ(s.repeatTimes, 0);
  EXPECT_EQ(s.library, 0);
  EXPECT_EQ(s.button, 3);
}

TEST(FixedText, CutsWithoutSplittingASurrogatePair) {
  char16_t field[4];
  SetFixedText(field, u"ab\U0001F600");  // 4 units, room for 3
  EXPECT_EQ(std::u16string(FixedText(field)), u"ab");
  SetFixedText(field, u"abcdef");
  EXPECT_EQ(std::u16string(FixedText(field)), u"abc");
}

}  // namespace

namespace {

TEST(FixedText, EndsAtAnEmbeddedTerminatorAndKeepsNothingAfterIt) {
  // A value read from a file may hold a zero unit; the field then holds what
  // a save writes and a reload reads, and nothing after it.
  char16_t field[6];
  SetFixedText(field, std::u16string_view(u"a\0b\0c", 5));
  EXPECT_EQ(std::u16string(FixedText(field)), u"a");
  for (char16_t unit : field) EXPECT_TRUE(unit == u'a' || unit == u'\0');
}

}  // namespace
