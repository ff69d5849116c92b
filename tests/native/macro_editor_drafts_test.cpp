#include <gtest/gtest.h>

#include "macro/EditorDrafts.h"
#include "macro/Library.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "tests/native/MacroEventsText.h"
#include "tests/native/TestFiles.h"

namespace {

class MacroEditing : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path path = dir / "MacroSetting";

  // One macro at position 0 with library number 5.
  Library WithMacro(int repeatType, int repeatTimes) {
    IniFile ini(path);
    ini.WriteInt(u"Setting", u"Total", 1);
    ini.WriteInt(u"Setting", u"0", 5);
    ini.WriteString(u"MacroProfile5", u"Name", u"Jump");
    ini.WriteInt(u"MacroProfile5", u"ReaptType", repeatType);
    ini.WriteInt(u"MacroProfile5", u"ReaptTimes", repeatTimes);
    const MacroEvents events = EventsFromText("A+ 100 A-");
    ini.WriteStruct(u"MacroProfile5", u"Macro", events.list.data(), sizeof events.list);
    EXPECT_TRUE(ini.Commit());
    Library macros(LibraryKind::kMacro, path);
    macros.LoadLibraryFile();
    return macros;
  }
};

TEST_F(MacroEditing, OpensTheStoredRecordOrANewOne) {
  const Library macros = WithMacro(1, 7);
  const MacroDraft stored = OpenMacro(macros, 0, u"Macro");
  EXPECT_FALSE(stored.isNew);
  EXPECT_EQ(stored.number, 5);
  EXPECT_EQ(Utf16ToUtf8(stored.name), "Jump");
  EXPECT_EQ(stored.repeatType, 1);
  EXPECT_EQ(stored.repeatCount, 7);
  EXPECT_EQ(EventsText(stored.events), "A+ 100 A-");

  const MacroDraft fresh = OpenMacro(macros, kNewRecord, u"Macro");
  EXPECT_TRUE(fresh.isNew);
  EXPECT_EQ(fresh.number, 0);
  EXPECT_EQ(Utf16ToUtf8(fresh.name), "Macro 1");
  EXPECT_EQ(fresh.events.count, 0);
  EXPECT_EQ(fresh.repeatCount, 1);
}

TEST_F(MacroEditing, SavedRepeatCountIsZeroToFifteenAndOnlyForRepeatType1) {
  struct Case {
    int type;
    int count;
    int stored;
  } cases[] = {{1, 40, 15}, {1, -3, 0}, {1, 9, 9}, {2, 9, 0}};
  for (const Case& c : cases) {
    const Library macros = WithMacro(0, 0);
    MacroDraft draft = OpenMacro(macros, 0, u"Macro");
    draft.repeatType = static_cast<std::uint8_t>(c.type);
    draft.repeatCount = c.count;
    ASSERT_EQ(macros.SaveEditedRecord(MacroToSave(draft), draft.isNew), kLibraryDone);
    EXPECT_EQ(IniFile(path).ReadInt(u"MacroProfile5", u"ReaptTimes", -1), c.stored)
        << c.type << " " << c.count;
  }
}

}  // namespace
