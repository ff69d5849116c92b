#include <gtest/gtest.h>

#include <string>

#include "macro/EventGroups.h"
#include "macro/EventRows.h"
#include "tests/native/MacroEventsText.h"

namespace {

const std::string kSeven = "A+ 100 A- 100 B+ 100 B-";

std::string Repeat(const std::string& group, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += group + " ";
  return text;
}

TEST(KeystrokeGroup, StartAndInnerDelayOfEachPosition) {
  struct Case {
    std::string list;
    int selected;
    int start, innerDelay;
  } cases[] = {
      {kSeven, 0, 0, 1},
      {kSeven, 1, 0, 1},
      {kSeven, 2, 0, 1},
      {kSeven, 3, 0, 1},
      {kSeven, 4, 4, 1},
      {kSeven, 5, 4, 1},
      {kSeven, 6, 4, 1},
      {kSeven, 7, 0, 1},
      {kSeven, -1, 0, 1},
      {"A+ A- B+ B-", 1, 0, 0},
      {"A+ A- B+ B-", 2, 2, 0},
      {"A+ A- B+ B-", 3, 2, 0},
      // A delay first has no event before it.
      {"100 A+ 100 A-", 0, 0, 1},
      // A delay after a release with only one event before that, and a release
      // right after a leading delay: the group would start before the list.
      {"A+ A- 100 B+ B-", 2, -1, 1},
      {"100 A- B+ B-", 1, -1, 1},
  };
  for (const Case& c : cases) {
    const KeystrokeGroup g = GroupAt(EventsFromText(c.list), c.selected);
    EXPECT_EQ(g.start, c.start) << c.list << " @" << c.selected;
    EXPECT_EQ(g.innerDelay, c.innerDelay) << c.list << " @" << c.selected;
  }
}

struct EditCase {
  std::string list;
  int selected;
  GroupEdit edit;
  std::string expected;
  bool done;
  int selection;
};

void Check(const EditCase& c) {
  MacroEvents events = EventsFromText(c.list);
  const GroupEditResult r = EditGroup(events, c.selected, c.edit, 0x26 /* C */);
  EXPECT_EQ(EventsText(events), c.expected) << c.list << " @" << c.selected;
  EXPECT_EQ(r.done, c.done) << c.list << " @" << c.selected;
  if (c.done) {
    EXPECT_EQ(r.selection, c.selection) << c.list << " @" << c.selected;
  }
}

TEST(EditGroup, DeletesTheGroupAndSelectsTheRowThatTakesItsPlace) {
  const EditCase cases[] = {
      {kSeven, 1, GroupEdit::kDelete, "B+ 100 B-", true, 0},
      // The last group has no trailing delay: only its own three events go.
      {kSeven, 6, GroupEdit::kDelete, "A+ 100 A- 100", true, 3},
      {"A+ A- B+ B-", 3, GroupEdit::kDelete, "A+ A-", true, 1},
      {"A+ A-", 0, GroupEdit::kDelete, "", true, -1},
  };
  for (const EditCase& c : cases) Check(c);
}

TEST(EditGroup, MovesExchangeGroupsAndGiveAMovedLastGroupA50MsDelay) {
  const EditCase cases[] = {
      {kSeven, 4, GroupEdit::kMoveUp, "B+ 100 B- 50 A+ 100 A- 100", true, 0},
      {kSeven, 0, GroupEdit::kMoveDown, "B+ 100 B- 50 A+ 100 A- 100", true, 4},
      {"A+ 1 A- 2 B+ 3 B- 4 C+ 5 C-", 6, GroupEdit::kMoveUp, "B+ 3 B- 4 A+ 1 A- 2 C+ 5 C-", true,
       0},
      {"A+ 1 A- 2 B+ 3 B- 4 C+ 5 C-", 5, GroupEdit::kMoveDown, "A+ 1 A- 2 C+ 5 C- 50 B+ 3 B- 4",
       true, 8},
      {"A+ A- B+ B- C+ C-", 4, GroupEdit::kMoveUp, "A+ A- C+ C- B+ B-", true, 2},
      {"A+ A- B+ B- C+ C-", 1, GroupEdit::kMoveDown, "B+ B- A+ A- C+ C-", true, 2},
      // Nothing above the first group, nothing below the last.
      {kSeven, 2, GroupEdit::kMoveUp, kSeven, false, 0},
      {kSeven, 5, GroupEdit::kMoveDown, kSeven, false, 0},
  };
  for (const EditCase& c : cases) Check(c);
}

TEST(EditGroup, ModifyGivesPressAndReleaseTheNewKey) {
  const EditCase cases[] = {
      {kSeven, 6, GroupEdit::kModify, "A+ 100 A- 100 C+ 100 C-", true, 6},
      {"A+ A- B+ B-", 0, GroupEdit::kModify, "C+ C- B+ B-", true, 0},
  };
  for (const EditCase& c : cases) Check(c);

  MacroEvents events = EventsFromText(kSeven);
  EXPECT_FALSE(EditGroup(events, 0, GroupEdit::kModify, 0xA0).done);  // a code without a name
  EXPECT_FALSE(EditGroup(events, 0, GroupEdit::kModify, 0x1FF).done);
  EXPECT_EQ(EventsText(events), kSeven);
}

// Groups that reach before the first event or past the last one are left alone
// by every command, and the count never leaves 0..92.
TEST(EditGroup, GroupsOutsideTheListChangeNothing) {
  struct Case {
    std::string list;
    int selected;
  } cases[] = {
      {"A+ A- 100 B+ B-", 2},  // the group would start at -1
      {"100 A- B+ B-", 1},
      {"A+", 0},  // a press whose release was never recorded
      {"A+ 100 A- 100 B+", 4},
      {"", 0},  // the placeholder row
      {kSeven, 7},
  };
  for (const Case& c : cases) {
    for (GroupEdit edit :
         {GroupEdit::kDelete, GroupEdit::kMoveUp, GroupEdit::kMoveDown, GroupEdit::kModify}) {
      MacroEvents events = EventsFromText(c.list);
      const std::string before = EventsText(events);
      EXPECT_FALSE(EditGroup(events, c.selected, edit, 0x26).done)
          << c.list << " @" << c.selected << " edit " << static_cast<int>(edit);
      EXPECT_EQ(EventsText(events), before);
    }
  }
}

TEST(EditGroup, AMoveThatNeedsA93rdEventIsRefused) {
  const std::string group = "K+ 100 K- 100";
  struct Case {
    std::string list;
    int selected;
    GroupEdit edit;
    bool done;
  } cases[] = {
      // 91 events, the last group without its delay: moving it up fills the list.
      {Repeat(group, 22) + "J+ 100 J-", 88, GroupEdit::kMoveUp, true},
      // 92 events ending the same way: its delay would be the 93rd.
      {"100 " + Repeat(group, 22) + "J+ 100 J-", 89, GroupEdit::kMoveUp, false},
      {"100 " + Repeat(group, 21) + "X+ 100 X- 100 J+ 100 J-", 85, GroupEdit::kMoveDown, false},
      // A full list of whole groups: there is nothing below the last one.
      {Repeat(group, 23), 88, GroupEdit::kMoveDown, false},
      {Repeat(group, 23), 84, GroupEdit::kMoveDown, true},
  };
  for (const Case& c : cases) {
    MacroEvents events = EventsFromText(c.list);
    const int count = events.count;
    const std::string before = EventsText(events);
    EXPECT_EQ(EditGroup(events, c.selected, c.edit).done, c.done) << count << " @" << c.selected;
    EXPECT_LE(events.count, kEventCapacity);
    if (!c.done) {
      EXPECT_EQ(EventsText(events), before);
    }
  }
  MacroEvents filled = EventsFromText(Repeat(group, 22) + "J+ 100 J-");
  EditGroup(filled, 88, GroupEdit::kMoveUp);
  EXPECT_EQ(filled.count, kEventCapacity);
  EXPECT_EQ(EventText(filled.list[87]), "50");
}

TEST(ListCommandGuards, MoveButtonsAndModify) {
  const MacroEvents seven = EventsFromText(kSeven);
  const MacroEvents eight = EventsFromText(kSeven + " 100");
  EXPECT_FALSE(MoveUpAllowed(3));
  EXPECT_TRUE(MoveUpAllowed(4));
  struct Case {
    const MacroEvents& events;
    int selected;
    bool allowed;
  } cases[] = {
      {seven, 3, true}, {seven, 4, false}, {seven, -1, false}, {eight, 3, true}, {eight, 4, false}};
  for (const Case& c : cases)
    EXPECT_EQ(MoveDownAllowed(c.events, c.selected), c.allowed)
        << c.events.count << " @" << c.selected;

  EXPECT_EQ(ModifyActionFor(seven, 1), ModifyAction::kEditDelay);
  EXPECT_EQ(ModifyActionFor(seven, 0), ModifyAction::kRecordNewKey);
  EXPECT_EQ(ModifyActionFor(seven, 6), ModifyAction::kRecordNewKey);
  EXPECT_EQ(ModifyActionFor(seven, -1), ModifyAction::kNothing);
  EXPECT_EQ(ModifyActionFor(MacroEvents{}, 0), ModifyAction::kNothing);
}

TEST(CommitDelay, WritesOnlyTheDelayTheEditorWasOpenedOn) {
  struct Case {
    int openedRow;
    int typed;
    bool written;
    std::string expected;
  } cases[] = {
      {1, 250, true, "A+ 250 A- 100 B+ 100 B-"},
      {3, 20000, true, "A+ 100 A- 12750 B+ 100 B-"},
      {1, 0, true, "A+ 1 A- 100 B+ 100 B-"},
      {1, -4, true, "A+ 1 A- 100 B+ 100 B-"},
      // A click on another row moved the selection before the editor lost
      // the focus: the press or release there keeps its value.
      {2, 250, false, kSeven},
      {4, 250, false, kSeven},
      {9, 250, false, kSeven},
      {-1, 250, false, kSeven},
  };
  for (const Case& c : cases) {
    MacroEvents events = EventsFromText(kSeven);
    EXPECT_EQ(CommitDelay(events, c.openedRow, c.typed), c.written) << c.openedRow;
    EXPECT_EQ(EventsText(events), c.expected) << c.openedRow;
  }
}

TEST(EventListBox, DeletingARowSelectsTheSameRowOrTheNewLastOne) {
  EXPECT_EQ(RowAfterDelete(2, 5), 2);
  EXPECT_EQ(RowAfterDelete(4, 4), 3);  // the last row was deleted
  EXPECT_EQ(RowAfterDelete(0, 0), -1);
}

TEST(EventRows, DelaysKeysAndButtonsAndThePlaceholder) {
  MacroEvents events = EventsFromText("A+ 50 A- 0 Fwd+ 12750 Fwd-");
  const std::vector<EventRow> rows = ListRows(events, u"", u"ms");
  const std::vector<EventRow> expected = {
      {u"A", kIconPress},         {u"50 ms", kIconDelay},   {u"A", kIconRelease},
      {u"0 ms", kIconDelay},      {u"Forward", kIconPress}, {u"12750 ms", kIconDelay},
      {u"Forward", kIconRelease},
  };
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(RowOf(events.list[1], u"Delay ", u"ms").text, u"Delay 50 ms");
  const std::vector<EventRow> placeholder = {{u"", kIconNone}};
  EXPECT_EQ(ListRows(MacroEvents{}, u"", u"ms"), placeholder);
  EXPECT_EQ(DelayEditorText(events.list[5]), u"12750");
}

TEST(MacroEvents, AStoredListCountsUpToItsFirstZeroCode) {
  EventList stored{};
  stored[0] = {0x14, 0, 1};
  stored[1] = {0x14, 0, 0};
  stored[3] = {0x2F, 0, 1};  // after the end: never shown, never kept
  const MacroEvents events(stored);
  EXPECT_EQ(EventsText(events), "A+ A-");
}

}  // namespace
