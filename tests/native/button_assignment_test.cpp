#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/AssignmentRules.h"
#include "app/LibraryCommands.h"
#include "macro/Libraries.h"
#include "macro/NameListRules.h"
#include "macro/SelectionRules.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

// -- the function menu and what a pick does

TEST(FunctionMenu, TwelveItemsWithThreeGroups) {
  const std::vector<FunctionMenuItem>& menu = FunctionMenu();
  ASSERT_EQ(menu.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(menu[i].value, 0xA0 + i);
  EXPECT_EQ(menu[8].children, (std::vector<std::uint8_t>{0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6,
                                                         0xB7, 0xB8, 0xB9, 0xBA}));
  EXPECT_EQ(menu[9].children.front(), 0xC0);
  EXPECT_EQ(menu[9].children.back(), 0xC7);
  EXPECT_EQ(menu[9].children.size(), 8u);
  EXPECT_EQ(menu[10].children.front(), 0xD0);
  EXPECT_EQ(menu[10].children.size(), 7u);
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 11}) EXPECT_TRUE(menu[i].children.empty()) << i;
  // Every code the menu offers is one the settings keep.
  for (const FunctionMenuItem& item : menu) {
    if (item.children.empty()) {
      EXPECT_TRUE(IsValidFunctionCode(item.value));
    }
    for (std::uint8_t child : item.children) EXPECT_TRUE(IsValidFunctionCode(child));
  }
}

struct PickCase {
  const char* what;
  int row;
  int value;
  int child;
  PickStep step;
  int codeOrWarning;
};

// The profile of the cases: A0 only on row 0; macros on rows 1 and 2 and on
// the hidden seventh slot, a pattern on row 3: four macro or pattern buttons.
ProfileRecord PickProfile() {
  ProfileRecord p;
  ResetProfile(p);
  AssignMacro(p.slots[1], 0, 0, 0);
  AssignMacro(p.slots[2], 1, 0, 0);
  AssignMacro(p.slots[6], 2, 0, 0);
  AssignPattern(p.slots[3], 4);
  return p;
}

TEST(FunctionPick, FollowsTheAssignmentRules) {
  const PickCase cases[] = {
      {"the only A0 taken away", 0, 0xA1, 0, PickStep::kWarn, kWarnLastLeftClick},
      {"a group child for the only A0", 0, 0xA9, 0xC2, PickStep::kWarn, kWarnLastLeftClick},
      {"a macro for the only A0", 0, 0xA6, 0, PickStep::kWarn, kWarnLastLeftClick},
      {"A0 picked again", 0, 0xA0, 0, PickStep::kAssign, 0xA0},
      {"a fifth macro", 4, 0xA6, 0, PickStep::kWarn, kWarnTooManyMacros},
      {"a fifth pattern", 5, 0xA7, 0, PickStep::kWarn, kWarnTooManyMacros},
      {"a macro row picks a macro again", 1, 0xA6, 0, PickStep::kChooseMacro, 0xA6},
      {"the pattern row picks a pattern again", 3, 0xA7, 0, PickStep::kChoosePattern, 0xA7},
      {"a macro row turns to a pattern", 2, 0xA7, 0, PickStep::kChoosePattern, 0xA7},
      {"a plain function", 4, 0xA5, 0, PickStep::kAssign, 0xA5},
      {"a multimedia child", 5, 0xA8, 0xB6, PickStep::kAssign, 0xB6},
      {"a DPI child", 4, 0xA9, 0xC3, PickStep::kAssign, 0xC3},
      {"a shortcut child", 1, 0xAA, 0xD6, PickStep::kAssign, 0xD6},
      {"disabled", 5, 0xAB, 0, PickStep::kAssign, 0xAB},
      {"a child of another group", 4, 0xA9, 0xB0, PickStep::kIgnore, 0},
      {"a group head alone", 4, 0xAA, 0, PickStep::kIgnore, 0},
      {"a value no item has", 4, 0x08, 0, PickStep::kIgnore, 0},
      {"a code outside the menu", 4, 0xC0, 0, PickStep::kIgnore, 0},
      {"no row selected yet", -1, 0xA1, 0, PickStep::kIgnore, 0},
      {"the hidden seventh slot", 6, 0xA1, 0, PickStep::kIgnore, 0},
  };
  const ProfileRecord profile = PickProfile();
  for (const PickCase& c : cases) {
    const PickPlan plan = PlanFunctionPick(profile, c.row, c.value, c.child);
    EXPECT_EQ(plan.step, c.step) << c.what;
    if (c.step == PickStep::kWarn) {
      EXPECT_EQ(plan.warning, c.codeOrWarning) << c.what;
    }
    if (c.step == PickStep::kAssign) {
      EXPECT_EQ(plan.code, c.codeOrWarning) << c.what;
    }
  }
}

// -- the list's in-use markers

TEST(NameList, MarkersShowTheMouseButtonNumberOfTheSlot) {
  const int shown[] = {0, 1, 2, 3, 6, 4, 5, 7, 0};
  for (int marker = 0; marker <= 8; ++marker)
    EXPECT_EQ(ButtonNumberOfMarker(marker), shown[marker]) << marker;
  EXPECT_EQ(ButtonNumberOfMarker(-1), 0);
}

TEST(NameList, ClicksToggleTheHighlightAndArrowsStayInTheList) {
  EXPECT_EQ(HighlightAfterClick(-1, 3), 3);
  EXPECT_EQ(HighlightAfterClick(3, 3), -1);
  EXPECT_EQ(HighlightAfterClick(3, 5), 5);
  EXPECT_EQ(HighlightAfterClick(3, -1), 3);

  EXPECT_EQ(RowAfterArrow(0, 4, true), 1);
  EXPECT_EQ(RowAfterArrow(3, 4, true), -1) << "down on the last row";
  EXPECT_EQ(RowAfterArrow(0, 4, false), -1) << "up on the first row";
  EXPECT_EQ(RowAfterArrow(2, 4, false), 1);
  EXPECT_EQ(RowAfterArrow(-1, 4, true), 0);
  EXPECT_EQ(RowAfterArrow(-1, 4, false), -1);
  EXPECT_EQ(RowAfterArrow(-1, 0, true), -1);
  EXPECT_EQ(RowAfterArrow(9, 4, false), -1);
}

// -- libraries on disk for the pop-ups and the commands

class LibraryFiles : public ::testing::Test {
 protected:
  ScratchDir dir;

  // Macros named M0.. under the numbers given, repeat type i % 4 and count i + 1.
  void WriteMacros(const std::vector<int>& numbers) {
    std::string text = "[Setting]\nTotal=" + std::to_string(numbers.size()) + "\n";
    for (std::size_t i = 0; i < numbers.size(); ++i)
      text += std::to_string(i) + "=" + std::to_string(numbers[i]) + "\n";
    for (std::size_t i = 0; i < numbers.size(); ++i)
      text += "[MacroProfile" + std::to_string(numbers[i]) + "]\nName=M" + std::to_string(i) +
              "\nReaptTimes=" + std::to_string(i + 1) + "\nReaptType=" + std::to_string(i % 4) +
              "\n";
    WriteBytes(dir / "MacroSetting", text);
  }

  Libraries Load() {
    Libraries libraries(dir.path());
    libraries.Reload();
    return libraries;
  }
};

TEST_F(LibraryFiles, ARowUsedByTheButtonsInSlotsFourAndFiveShowsFour) {
  WriteMacros({4, 9});
  const Libraries libraries = Load();
  ProfileRecord profile;
  ResetProfile(profile);
  AssignMacro(profile.slots[3], 9, 0, 0);
  AssignMacro(profile.slots[4], 9, 0, 0);
  const std::vector<int> markers = libraries.macros.InUseMarkers(profile, u"Macro");
  ASSERT_EQ(markers, (std::vector<int>{0, 5}));
  EXPECT_EQ(ButtonNumberOfMarker(markers[1]), 4);
}

ButtonSlot PlainSlot() {
  ButtonSlot slot;
  ClearSlot(slot, 1);
  slot.code = 0xA1;
  return slot;
}

TEST_F(LibraryFiles, MacroPopUpStartsWithTheHighlightedMacrosOwnRepeat) {
  WriteMacros({4, 9, 2});
  const Libraries libraries = Load();
  const SelectionStart start = MacroSelectionStart(libraries.macros, PlainSlot());
  EXPECT_EQ(start.position, 0);
  EXPECT_EQ(start.repeat, (RepeatChoice{0, 1}));
  EXPECT_EQ(start.rowRepeats, (std::vector<RepeatChoice>{{0, 1}, {1, 2}, {2, 3}}));
}

TEST_F(LibraryFiles, MacroPopUpOfAMacroButtonStartsOnItsRowWithTheSlotsRepeat) {
  WriteMacros({4, 9, 2});
  const Libraries libraries = Load();
  ButtonSlot slot = PlainSlot();
  AssignMacro(slot, 9, 3, 7);
  const SelectionStart start = MacroSelectionStart(libraries.macros, slot);
  EXPECT_EQ(start.position, 1);
  EXPECT_EQ(start.repeat, (RepeatChoice{3, 7}));
  // Back on the slot's own row the slot's repeat shows again; other rows their own.
  EXPECT_EQ(start.rowRepeats, (std::vector<RepeatChoice>{{0, 1}, {3, 7}, {2, 3}}));

  AssignMacro(slot, 50, 1, 200);  // a number no entry has, a count past the box
  const SelectionStart lost = MacroSelectionStart(libraries.macros, slot);
  EXPECT_EQ(lost.position, 0);
  EXPECT_EQ(lost.repeat, (RepeatChoice{1, 15}));
}

TEST_F(LibraryFiles, RepeatValuesOutsideThePopUpsRangeAreKeptInside) {
  EXPECT_EQ(RepeatOf(7, 3), (RepeatChoice{0, 3}));
  EXPECT_EQ(RepeatOf(1, 16), (RepeatChoice{1, 15}));
  EXPECT_EQ(RepeatOf(2, -4), (RepeatChoice{2, 0}));
  for (int command = 90; command < 115; ++command) {
    const std::optional<std::uint8_t> type = RepeatTypeOfCommand(command);
    if (command >= 96 && command <= 99)
      EXPECT_EQ(type, command - 96);
    else
      EXPECT_FALSE(type) << command;
  }
  EXPECT_TRUE(CountBoxEnabled(1));
  for (std::uint8_t type : {0, 2, 3}) EXPECT_FALSE(CountBoxEnabled(type));
}

TEST_F(LibraryFiles, OkGivesTheSlotTheFilesNumberAndTheRepeatShown) {
  WriteMacros({4, 9, 2});
  const Libraries libraries = Load();
  ButtonSlot slot = PlainSlot();
  slot.events[0] = {0x14, 0, 1};
  slot.count = 1;
  ASSERT_TRUE(AssignChosenMacro(slot, libraries.macros, 1, RepeatChoice{1, 3}));
  EXPECT_EQ(slot.code, kCodeMacro);
  EXPECT_EQ(slot.library, 9);
  EXPECT_EQ(slot.repeatType, 1);
  EXPECT_EQ(slot.repeatTimes, 3);
  // The count goes with "repeat n times" only.
  ASSERT_TRUE(AssignChosenMacro(slot, libraries.macros, 2, RepeatChoice{2, 3}));
  EXPECT_EQ(slot.library, 2);
  EXPECT_EQ(slot.repeatType, 2);
  EXPECT_EQ(slot.repeatTimes, 0);
}

TEST_F(LibraryFiles, OkOnAPositionWithoutAnEntryOrWithAHostileNumberChangesNothing) {
  WriteMacros({4, 9, 2});
  Libraries libraries = Load();
  ButtonSlot slot = PlainSlot();
  const ButtonSlot before = slot;
  for (int position : {-1, 3, 70000})
    EXPECT_FALSE(AssignChosenMacro(slot, libraries.macros, position, RepeatChoice{}));
  // The file now names numbers the library cannot have at positions 0 and 1.
  WriteMacros({100, -5, 2});
  for (int position : {0, 1}) {
    EXPECT_FALSE(AssignChosenMacro(slot, libraries.macros, position, RepeatChoice{}));
    EXPECT_FALSE(AssignChosenPattern(slot, libraries.macros, position));
  }
  EXPECT_EQ(std::memcmp(&slot, &before, sizeof slot), 0);
  EXPECT_TRUE(AssignChosenMacro(slot, libraries.macros, 2, RepeatChoice{}));
}

TEST_F(LibraryFiles, PatternPopUpKeepsTheSlotsRepeat) {
  Libraries libraries = Load();  // the eight built-in patterns
  ButtonSlot slot = PlainSlot();
  const SelectionStart fresh = PatternSelectionStart(libraries.patterns, slot);
  EXPECT_EQ(fresh.position, 0);
  EXPECT_EQ(fresh.repeat, (RepeatChoice{0, 1}));
  EXPECT_TRUE(fresh.rowRepeats.empty());

  AssignPattern(slot, 5);
  slot.repeatType = 2;
  slot.repeatTimes = 4;
  const SelectionStart held = PatternSelectionStart(libraries.patterns, slot);
  EXPECT_EQ(held.position, 5);
  EXPECT_EQ(held.repeat, (RepeatChoice{2, 4}));
  ASSERT_TRUE(AssignChosenPattern(slot, libraries.patterns, 6));
  EXPECT_EQ(slot.code, kCodePattern);
  EXPECT_EQ(slot.library, 6);
  EXPECT_EQ(slot.repeatType, 2);
  EXPECT_EQ(slot.repeatTimes, 4);
}

TEST_F(LibraryFiles, AnEmptyLibraryStartsWithoutARow) {
  const Libraries libraries = Load();
  EXPECT_EQ(MacroSelectionStart(libraries.macros, PlainSlot()).position, -1);
  ButtonSlot slot = PlainSlot();
  slot.library = 250;
  ClampSlotLibrary(slot);
  EXPECT_EQ(slot.library, 0);
  slot.library = -1;
  ClampSlotLibrary(slot);
  EXPECT_EQ(slot.library, 0);
  slot.library = 99;
  ClampSlotLibrary(slot);
  EXPECT_EQ(slot.library, 99);
}

// -- the panel's commands

class RecordingHost : public LibraryCommandHost {
 public:
  std::vector<std::string> calls;
  bool saves = false;
  std::filesystem::path file;

  bool EditEntry(LibraryKind kind, int position) override {
    calls.push_back(Kind(kind) + " edit " + std::to_string(position));
    return saves;
  }
  std::filesystem::path ChooseExportFile(LibraryKind kind) override {
    calls.push_back(Kind(kind) + " save dialog");
    return file;
  }
  std::filesystem::path ChooseImportFile(LibraryKind kind) override {
    calls.push_back(Kind(kind) + " open dialog");
    return file;
  }
  void Warn(Warning warning) override { calls.push_back("warning " + std::to_string(warning)); }

 private:
  static std::string Kind(LibraryKind kind) {
    return kind == LibraryKind::kMacro ? "macro" : "pattern";
  }
};

TEST_F(LibraryFiles, EditExportAndDeleteWithoutAnEntryDoNothing) {
  WriteMacros({4, 9});
  Libraries libraries = Load();
  const std::string macros = ReadBytes(dir / "MacroSetting");
  RecordingHost host;
  host.file = dir / "out.mac";
  for (LibraryKind kind : {LibraryKind::kMacro, LibraryKind::kPattern})
    for (int command : {kCommandEdit, kCommandExport, kCommandDelete})
      for (int row : {-1, 2, 8, 65535}) {
        if (kind == LibraryKind::kPattern && row == 2) continue;  // a pattern exists there
        const LibraryCommandResult r = RunLibraryCommand(libraries, kind, command, row, -1, host);
        EXPECT_EQ(r.changes, kNothingChanged);
        EXPECT_FALSE(r.entryRemoved);
      }
  EXPECT_TRUE(host.calls.empty()) << host.calls.front();
  EXPECT_FALSE(std::filesystem::exists(dir / "out.mac"));
  EXPECT_EQ(ReadBytes(dir / "MacroSetting"), macros);
}

TEST_F(LibraryFiles, PatternCommandsNeverTouchTheMacroLibrary) {
  WriteMacros({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  Libraries libraries = Load();
  const std::string macros = ReadBytes(dir / "MacroSetting");
  RecordingHost host;
  host.file = dir / "one.mmac";
  ASSERT_EQ(RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandExport, 3, 0, host).changes,
            kNothingChanged);
  // A built-in pattern is protected; an imported one at position 8 goes.
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandDelete, 3, 0, host).changes,
            kNothingChanged);
  EXPECT_EQ(
      RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandImport, -1, 0, host).changes,
      kLibrariesChanged);
  ASSERT_EQ(libraries.patterns.size(), 9);
  EXPECT_EQ(Utf16ToUtf8(libraries.patterns.entries()[8].name), "UNP9-1");
  const LibraryCommandResult deleted =
      RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandDelete, 8, 0, host);
  EXPECT_EQ(deleted.changes, kLibrariesChanged);
  EXPECT_TRUE(deleted.entryRemoved);
  EXPECT_EQ(libraries.patterns.size(), 8);
  RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandEdit, 5, 0, host);
  RunLibraryCommand(libraries, LibraryKind::kPattern, kCommandNew, -1, 0, host);

  EXPECT_EQ(host.calls, (std::vector<std::string>{"pattern save dialog", "pattern open dialog",
                                                  "pattern edit 5", "pattern edit -1"}));
  EXPECT_EQ(ReadBytes(dir / "MacroSetting"), macros);
  EXPECT_EQ(libraries.macros.size(), 10);
}

TEST_F(LibraryFiles, RefusalsShowTheirWarningsAndOnlySavedEditsReload) {
  WriteMacros({4, 9});
  Libraries libraries = Load();
  RecordingHost host;
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, kCommandDelete, 1, 2, host).changes,
            kNothingChanged);
  EXPECT_EQ(libraries.macros.size(), 2);
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, kCommandEdit, 1, 0, host).changes,
            kNothingChanged);
  host.saves = true;
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, kCommandEdit, 1, 0, host).changes,
            kLibrariesChanged);
  // A cancelled file dialog does nothing; an unreadable import file is silent.
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, kCommandImport, -1, 0, host).changes,
            kNothingChanged);
  host.file = dir.path();  // a folder: not a file that can be read
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, kCommandImport, -1, 0, host).changes,
            kNothingChanged);
  // Commands past the five do nothing.
  EXPECT_EQ(RunLibraryCommand(libraries, LibraryKind::kMacro, 117, 1, 0, host).changes,
            kNothingChanged);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"warning 18", "macro edit 1", "macro edit 1",
                                                  "macro open dialog", "macro open dialog"}));

  std::vector<int> numbers;
  for (int i = 0; i < kLibraryCapacity; ++i) numbers.push_back(i);
  WriteMacros(numbers);
  Libraries full = Load();
  host.calls.clear();
  EXPECT_EQ(RunLibraryCommand(full, LibraryKind::kMacro, kCommandNew, -1, 0, host).changes,
            kNothingChanged);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"warning 13"})) << "no editor on a full library";
}

TEST(LibraryPanelRules, CommandButtonsAndListVisibility) {
  EXPECT_EQ(CommandButtonRow(kCommandNew, 4), -1);
  EXPECT_EQ(CommandButtonRow(kCommandImport, 4), -1);
  for (int command : {kCommandEdit, kCommandExport, kCommandDelete})
    EXPECT_EQ(CommandButtonRow(command, 4), 4);
  EXPECT_EQ(ActiveLibrary(true), LibraryKind::kMacro);
  EXPECT_EQ(ActiveLibrary(false), LibraryKind::kPattern);
  // A refill shows only the checked tab's list, and only with rows.
  EXPECT_TRUE(LibraryListShown(LibraryKind::kMacro, 3, true));
  EXPECT_FALSE(LibraryListShown(LibraryKind::kMacro, 0, true));
  EXPECT_FALSE(LibraryListShown(LibraryKind::kPattern, 8, true));
  EXPECT_TRUE(LibraryListShown(LibraryKind::kPattern, 8, false));
  EXPECT_FALSE(LibraryListShown(LibraryKind::kMacro, 3, false));
}

}  // namespace
