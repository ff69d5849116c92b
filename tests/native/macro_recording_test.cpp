#include <gtest/gtest.h>

#include <vector>

#include "macro/HookMessages.h"
#include "macro/Recording.h"
#include "tests/native/MacroEventsText.h"

namespace {

constexpr int kVkA = 0x41, kVkB = 0x42, kVkC = 0x43;

HookReport Key(int vk, bool release, std::uint32_t now = 1000) {
  HookReport r;
  r.message = vk;
  r.flags = release ? kHookKeyReleased : 0;
  r.now = now;
  return r;
}

HookReport Button(int message, std::int64_t lParam = 0, bool overRecordButton = false) {
  HookReport r;
  r.message = message;
  r.flags = lParam;
  r.now = 1000;
  r.overRecordButton = overRecordButton;
  return r;
}

struct Recording {
  MacroRecorder recorder;
  MacroEvents events;
  explicit Recording(DelayMode mode = DelayMode::kNone) {
    recorder.delayMode = mode;
    recorder.Start(true, events);
  }
  RecordResult operator()(const HookReport& r) { return recorder.Record(events, r); }
};

TEST(MacroRecorder, TwoKeysInEachDelayMode) {
  struct Case {
    DelayMode mode;
    const char* expected;
  } cases[] = {
      {DelayMode::kRealTime, "A+ 100 A- 200 B+ 50 B-"},
      {DelayMode::kTyped, "A+ 75 A- 75 B+ 75 B-"},
      {DelayMode::kNone, "A+ A- B+ B-"},
  };
  for (const Case& c : cases) {
    Recording rec(c.mode);
    const std::uint32_t times[] = {5000, 5100, 5300, 5350};
    const HookReport reports[] = {Key(kVkA, false, times[0]), Key(kVkA, true, times[1]),
                                  Key(kVkB, false, times[2]), Key(kVkB, true, times[3])};
    for (HookReport r : reports) {
      r.typedDelay = 75;
      EXPECT_EQ(rec(r).HandlerResult(), 1);
    }
    EXPECT_EQ(EventsText(rec.events), c.expected) << static_cast<int>(c.mode);
  }
}

TEST(MacroRecorder, TellsTheWindowWhichRowsAreNew) {
  Recording rec(DelayMode::kRealTime);
  const RecordResult first = rec(Key(kVkA, false, 2000));
  EXPECT_EQ(first.kind, RecordResult::kRecorded);
  EXPECT_TRUE(first.clearList);  // the list still shows its placeholder
  EXPECT_EQ(first.firstRow, 0);
  EXPECT_EQ(first.newRows, 1);
  EXPECT_EQ(first.select, 0);

  const RecordResult second = rec(Key(kVkA, true, 2040));
  EXPECT_FALSE(second.clearList);
  EXPECT_EQ(second.firstRow, 1);
  EXPECT_EQ(second.newRows, 2);  // the delay and the release
  EXPECT_EQ(second.select, 2);
}

TEST(MacroRecorder, DelaysStayWithinOneTo12750) {
  struct Case {
    DelayMode mode;
    std::uint32_t pressed, released;
    int typed;
    const char* expected;
  } cases[] = {
      {DelayMode::kRealTime, 1000, 1000, 0, "A+ 1 A-"},
      {DelayMode::kRealTime, 1000, 990, 0, "A+ 1 A-"},  // a clock that went back
      {DelayMode::kRealTime, 1000, 13749, 0, "A+ 12749 A-"},
      {DelayMode::kRealTime, 1000, 13750, 0, "A+ 12750 A-"},
      {DelayMode::kRealTime, 1000, 60000, 0, "A+ 12750 A-"},
      {DelayMode::kRealTime, 0xFFFFFF00u, 0x100, 0, "A+ 512 A-"},  // the tick count wrapped
      {DelayMode::kTyped, 1000, 1000, 0, "A+ 1 A-"},
      {DelayMode::kTyped, 1000, 1000, -5, "A+ 1 A-"},
      {DelayMode::kTyped, 1000, 1000, 300, "A+ 300 A-"},
      {DelayMode::kTyped, 1000, 1000, 20000, "A+ 12750 A-"},
  };
  for (const Case& c : cases) {
    Recording rec(c.mode);
    HookReport press = Key(kVkA, false, c.pressed), release = Key(kVkA, true, c.released);
    press.typedDelay = release.typedDelay = c.typed;
    rec(press);
    rec(release);
    EXPECT_EQ(EventsText(rec.events), c.expected)
        << c.pressed << " " << c.released << " " << c.typed;
  }
}

TEST(MacroRecorder, StopsWithWarning14WhenTheNextEventWouldNotFit) {
  struct Case {
    DelayMode mode;
    int fits;
  } cases[] = {{DelayMode::kRealTime, 91}, {DelayMode::kTyped, 91}, {DelayMode::kNone, 92}};
  for (const Case& c : cases) {
    Recording rec(c.mode);
    RecordResult last;
    std::uint32_t now = 1000;
    for (int i = 0; i < 200 && rec.recorder.recording; ++i) {
      HookReport r = Key(i / 2 % 2 ? kVkB : kVkA, i % 2, now += 30);
      r.typedDelay = 50;
      last = rec(r);
    }
    EXPECT_EQ(last.kind, RecordResult::kStopped) << static_cast<int>(c.mode);
    EXPECT_EQ(last.warning, kWarnRecordingFull);
    EXPECT_EQ(last.HandlerResult(), 0);
    EXPECT_FALSE(rec.recorder.recording);
    EXPECT_EQ(rec.events.count, c.fits);
    // What was recorded stays, and nothing more is taken.
    EXPECT_EQ(rec(Key(kVkC, false)).kind, RecordResult::kIgnored);
    EXPECT_EQ(rec.events.count, c.fits);
  }
}

TEST(MacroRecorder, AcceptsOnlyOneKeyOrButtonAtATime) {
  const int kRightWindows = 0x5C, kShift = 0x10;
  struct Case {
    const char* what;
    std::vector<HookReport> reports;
    const char* expected;
  } cases[] = {
      {"B pressed while A is held",
       {Key(kVkA, false), Key(kVkB, false), Key(kVkB, true), Key(kVkA, true)},
       "A+ A-"},
      {"auto-repeat",
       {Key(kVkA, false), Key(kVkA, false), Key(kVkA, false), Key(kVkA, true)},
       "A+ A-"},
      {"one key after the other",
       {Key(kVkA, false), Key(kVkA, true), Key(kVkB, false), Key(kVkB, true)},
       "A+ A- B+ B-"},
      {"a second button while one is held",
       {Button(kButtonLeftDown), Button(kButtonRightDown), Button(kButtonRightUp),
        Button(kButtonLeftUp)},
       "L+ L-"},
      {"a release without its press",
       {Button(kButtonRightUp), Button(kButtonMiddleDown), Button(kButtonMiddleUp)},
       "M+ M-"},
      {"the extra buttons by number",
       {Button(kButtonExtraDown, kHookBackButton), Button(kButtonExtraUp, kHookBackButton),
        Button(kButtonExtraDown, kHookForwardButton), Button(kButtonExtraUp, kHookForwardButton)},
       "Back+ Back- Fwd+ Fwd-"},
      {"a key while a button is held",
       {Button(kButtonLeftDown), Key(kVkA, false), Key(kVkA, true), Button(kButtonLeftUp)},
       "L+ L-"},
      {"clicks on the record button",
       {Button(kButtonLeftDown, 0, true), Button(kButtonLeftUp, 0, true),
        Button(kButtonRightDown, 0, true), Key(kVkA, false), Key(kVkA, true)},
       "A+ A-"},
      {"keys without a name leave no trace",
       {Key(kShift, false), Key(kRightWindows, false), Key(kVkA, false), Key(kVkA, true)},
       "A+ A-"},
      {"messages that are no key or button",
       {Button(0x200), Button(0x20A), Button(0x203), Button(-1), Key(kVkA, false), Key(kVkA, true)},
       "A+ A-"},
  };
  for (const Case& c : cases) {
    Recording rec;
    for (const HookReport& r : c.reports) rec(r);
    EXPECT_EQ(EventsText(rec.events), c.expected) << c.what;
  }
}

TEST(MacroRecorder, ExtendedKeysRecordAsPressAndRelease) {
  Recording rec;
  HookReport press = Key(0xA3, false), release = Key(0xA3, true);  // right Ctrl
  press.flags |= kHookKeyExtended;
  release.flags |= kHookKeyExtended;
  rec(press);
  rec(release);
  EXPECT_EQ(EventsText(rec.events), "R Ctrl+ R Ctrl-");
}

TEST(MacroRecorder, RecordsNothingWhileOff) {
  MacroRecorder recorder;
  MacroEvents events = EventsFromText("A+ A-");
  EXPECT_EQ(recorder.Record(events, Key(kVkB, false)).kind, RecordResult::kIgnored);
  EXPECT_EQ(EventsText(events), "A+ A-");
}

TEST(MacroRecorder, StartingOutsideModifyModeEmptiesTheList) {
  Recording rec;
  rec(Key(kVkA, false));
  rec(Key(kVkA, true));
  rec.recorder.Start(false, rec.events);
  EXPECT_EQ(EventsText(rec.events), "A+ A-");
  EXPECT_TRUE(rec.recorder.Start(true, rec.events));
  EXPECT_EQ(rec.events.count, 0);
}

TEST(MacroRecorder, ModifyModeReplacesTheSelectedGroupsKey) {
  MacroRecorder recorder;
  recorder.delayMode = DelayMode::kRealTime;
  MacroEvents events = EventsFromText("A+ 100 A- 100 B+ 100 B-");

  EXPECT_FALSE(recorder.StartModify(events, 5));  // a delay opens the delay editor instead
  EXPECT_FALSE(recorder.StartModify(events, -1));
  EXPECT_FALSE(recorder.recording);

  ASSERT_TRUE(recorder.StartModify(events, 6));
  EXPECT_TRUE(recorder.recording);
  EXPECT_EQ(EventsText(events), "A+ 100 A- 100 B+ 100 B-");  // not cleared

  HookReport c = Key(kVkC, false);
  c.selection = 6;
  const RecordResult modified = recorder.Record(events, c);
  EXPECT_EQ(modified.kind, RecordResult::kModified);
  EXPECT_EQ(modified.rewritten, (std::vector<int>{4, 6}));
  EXPECT_EQ(EventsText(events), "A+ 100 A- 100 C+ 100 C-");

  // Each further key replaces it again; a click too.
  HookReport right = Button(kButtonRightDown);
  right.selection = 4;
  recorder.Record(events, right);
  EXPECT_EQ(EventsText(events), "A+ 100 A- 100 R+ 100 R-");

  // A delay selected, no selection, or a key without a name: nothing changes.
  for (int selection : {5, -1}) {
    HookReport b = Key(kVkB, false);
    b.selection = selection;
    EXPECT_EQ(recorder.Record(events, b).kind, RecordResult::kIgnored) << selection;
  }
  HookReport unnamed = Key(0x10, false);
  unnamed.selection = 0;
  EXPECT_EQ(recorder.Record(events, unnamed).kind, RecordResult::kIgnored);
  EXPECT_EQ(EventsText(events), "A+ 100 A- 100 R+ 100 R-");

  recorder.Start(false, events);
  EXPECT_FALSE(recorder.modifying);
}

}  // namespace
