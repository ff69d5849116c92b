#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/EditorDrafts.h"
#include "macro/Library.h"
#include "macro/Patterns.h"
#include "macro/RecoilLayout.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

TEST(ShotColumns, ShareA390PixelBand) {
  struct Case {
    int shots;
    std::vector<int> offsets;
  } cases[] = {
      {1, {0}},       {3, {0, 130, 260}}, {8, {0, 48, 96, 144, 192, 240, 288, 336}},
      {0, {0, 390}},                  // taken as one shot: no division by zero
      {-1, {0, 390}}, {12, {0, 48}},  // taken as eight
  };
  for (const Case& c : cases)
    for (int k = 0; k < static_cast<int>(c.offsets.size()); ++k)
      EXPECT_EQ(ShotColumnOffset(k, c.shots), c.offsets[k]) << c.shots << " shots, column " << k;
}

TEST(ShotColumns, MenuEntriesGiveOneToEightShots) {
  EXPECT_EQ(ShotCountFromMenu(2), 3);
  EXPECT_EQ(ShotCountFromMenu(7), 8);
  EXPECT_EQ(ShotCountFromMenu(8), 8);
  EXPECT_EQ(ShotCountFromMenu(-1), 1);
}

class PatternEditing : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path path = dir / "BulletSetting";

  // A pattern file with the built-ins at 0..7 and, at position 8 (number 12),
  // the given record keys.
  Library WithUserPattern(int bulletNum, const EventList& events) {
    std::filesystem::remove(path);
    EXPECT_TRUE(CreateBuiltInPatterns(path));
    IniFile ini(path);
    ini.WriteInt(u"Setting", u"8", 12);
    ini.WriteInt(u"Setting", u"Total", 9);
    ini.WriteString(u"BulletProfile12", u"Name", u"User");
    ini.WriteInt(u"BulletProfile12", u"BulletNum", bulletNum);
    ini.WriteInt(u"BulletProfile12", u"ReaptType", 2);
    ini.WriteStruct(u"BulletProfile12", u"Macro", events.data(), sizeof events);
    EXPECT_TRUE(ini.Commit());
    Library patterns(LibraryKind::kPattern, path);
    patterns.LoadLibraryFile();
    return patterns;
  }
};

TEST_F(PatternEditing, AStoredShotCountOutsideOneToEightIsKeptInRange) {
  const EventList twoShots = PatternEvents({{30, -5, -10}, {60, 5, -20}}, 12);
  struct Case {
    int bulletNum;
    EventList events;
    int shots;
  } cases[] = {
      {0, twoShots, 1},  {-1, EventList{}, 1},  // counted from the move events: none
      {-1, twoShots, 2}, {-7, twoShots, 1},    {12, twoShots, 8},
  };
  for (const Case& c : cases) {
    const Library patterns = WithUserPattern(c.bulletNum, c.events);
    const PatternDraft draft = OpenPattern(patterns, 8, u"Pattern");
    EXPECT_EQ(draft.shots, c.shots) << c.bulletNum;
  }
}

TEST_F(PatternEditing, ColumnsShowTheStoredShotsAndOnlyThose) {
  // "BulletNum" says four, the events hold two: the other columns keep their
  // initial values instead of reading the empty events.
  const Library patterns = WithUserPattern(4, PatternEvents({{30, -5, -10}, {60, 5, -20}}, 12));
  const PatternDraft draft = OpenPattern(patterns, 8, u"Pattern");
  EXPECT_EQ(draft.number, 12);
  EXPECT_FALSE(draft.isNew);
  EXPECT_EQ(draft.repeatType, 2);
  const int expected[4][3] = {{30, -5, -10}, {60, 5, -20}, {100, 0, 0}, {100, 0, 0}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(draft.columns[k].interval, expected[k][0]) << k;
    EXPECT_EQ(draft.columns[k].horizontal, expected[k][1]) << k;
    EXPECT_EQ(draft.columns[k].vertical, expected[k][2]) << k;
  }
}

TEST_F(PatternEditing, BuiltInPositionsKeepTheirNames) {
  const Library patterns = WithUserPattern(1, PatternEvents({{40, 0, -3}}, 12));
  struct Case {
    int position;
    bool editable;
    const char* name;
  } cases[] = {{0, false, "VECTOR"}, {7, false, "M4"}, {8, true, "User"}};
  for (const Case& c : cases) {
    const PatternDraft draft = OpenPattern(patterns, c.position, u"Pattern");
    EXPECT_EQ(draft.nameEditable, c.editable) << c.position;
    EXPECT_EQ(Utf16ToUtf8(draft.name), c.name);
  }
  const PatternDraft fresh = OpenPattern(patterns, kNewRecord, u"Pattern");
  EXPECT_TRUE(fresh.isNew);
  EXPECT_TRUE(fresh.nameEditable);
  EXPECT_EQ(fresh.number, 8);  // 0..7 are the built-ins', 12 the user's
  EXPECT_EQ(Utf16ToUtf8(fresh.name), "Pattern 1");
  EXPECT_EQ(fresh.shots, 1);
}

TEST_F(PatternEditing, SavingStoresTheVisibleShotsOnly) {
  const Library patterns = WithUserPattern(1, PatternEvents({{40, 0, -3}}, 12));
  PatternDraft draft = OpenPattern(patterns, 8, u"Pattern");
  for (int k = 0; k < 5; ++k) draft.columns[k] = Shot{10 * (k + 1), k, -k};
  draft.shots = 5;
  draft.shots = ShotCountFromMenu(1);  // back to two
  ASSERT_EQ(patterns.SaveEditedRecord(PatternToSave(draft), draft.isNew), kLibraryDone);

  Library reloaded(LibraryKind::kPattern, path);
  reloaded.LoadLibraryFile();
  const LibraryEntry& saved = reloaded.entries()[8];
  EXPECT_EQ(saved.shots, 2);
  EXPECT_EQ(CountEvents(saved.events), 10);
  EXPECT_EQ(saved.repeatType, 2);      // written back as loaded
  EXPECT_EQ(saved.events[0].code, 1);  // number 12 fires with the left button
  const std::vector<Shot> shots = PatternShots(saved.events, saved.shots);
  EXPECT_EQ(shots[1].interval, 20);
  EXPECT_EQ(shots[1].horizontal, 1);
  EXPECT_EQ(shots[1].vertical, -1);
}

TEST(ShotColumns, BoxesBecomeAShotWithinTheLimits) {
  const Shot s = ShotFromBoxes(u"1200", u"-60", u"9");
  EXPECT_EQ(s.interval, 999);
  EXPECT_EQ(s.horizontal, -50);
  EXPECT_EQ(s.vertical, 0);
}

}  // namespace
