#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "macro/Libraries.h"
#include "macro/Library.h"
#include "macro/Patterns.h"
#include "settings/FileIo.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

EventList Events(std::initializer_list<MacroEvent> list) {
  EventList events{};
  std::copy(list.begin(), list.end(), events.begin());
  return events;
}

// An event list as its file text; tests compare lists through it.
std::string Text(const EventList& events) {
  return Utf16ToUtf8(EncodeStruct(events.data(), sizeof events));
}

const EventList kTyped = Events({{0x14, 0, 1}, {0xFF, 0, 50}, {0x14, 0, 0}});

class LibraryTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path macroPath = dir / "MacroSetting";
  std::filesystem::path patternPath = dir / "BulletSetting";

  // A library file as the platform's profile functions leave it: 8-bit text.
  void WriteText(const std::filesystem::path& p, const std::string& text) { WriteBytes(p, text); }

  Library LoadMacros() {
    Library lib(LibraryKind::kMacro, macroPath);
    lib.LoadLibraryFile();
    return lib;
  }

  // n macros named M0.. with numbers 0.., repeat type i % 4 and count i.
  Library MakeMacros(int n) {
    std::string text = "[Setting]\nTotal=" + std::to_string(n) + "\n";
    for (int i = 0; i < n; ++i) text += std::to_string(i) + "=" + std::to_string(i) + "\n";
    for (int i = 0; i < n; ++i)
      text += "[MacroProfile" + std::to_string(i) + "]\nName=M" + std::to_string(i) +
              "\nReaptTimes=" + std::to_string(i) + "\nReaptType=" + std::to_string(i % 4) +
              "\nMacro=" + Text(kTyped) + "\n";
    WriteText(macroPath, text);
    return LoadMacros();
  }

  std::vector<std::string> Names(const Library& lib) {
    std::vector<std::string> names;
    for (const LibraryEntry& e : lib.entries()) names.push_back(Utf16ToUtf8(e.name));
    return names;
  }
};

TEST_F(LibraryTest, LoadsEntriesThroughThePositionKeys) {
  EventList stopped = kTyped;
  stopped[1].code = 0;  // the list ends here; what follows is never counted
  WriteText(macroPath,
            "[Setting]\nTotal=3\n0=5\n1=2\n"
            "[MacroProfile5]\nName=Fire\nReaptTimes=3\nReaptType=257\nMacro=" +
                Text(stopped) + "\n[macroprofile2]\nname=NoEvents\nReaptType=2\nReaptTimes=7\n");
  const Library lib = LoadMacros();
  ASSERT_EQ(lib.size(), 3);
  const LibraryEntry& a = lib.entries()[0];
  EXPECT_EQ(a.number, 5);
  EXPECT_EQ(Utf16ToUtf8(a.name), "Fire");
  EXPECT_EQ(a.repeatTimes, 3);
  EXPECT_EQ(a.repeatType, 1) << "257 is cut to a byte";
  EXPECT_EQ(CountEvents(a.events), 1);
  const LibraryEntry& b = lib.entries()[1];
  EXPECT_EQ(b.number, 2);
  EXPECT_EQ(Utf16ToUtf8(b.name), "NoEvents");
  EXPECT_EQ(CountEvents(b.events), 0);
  EXPECT_EQ(b.repeatType, 2);
  EXPECT_EQ(b.repeatTimes, 7);
  // Position key 2 is missing: the position is its own number, which clashes
  // with position 1; both read the same record.
  EXPECT_EQ(lib.entries()[2].number, 2);
  EXPECT_EQ(lib.entries()[2].name, b.name);
  EXPECT_EQ(lib.NewLibraryNumber(), 0);
  EXPECT_EQ(lib.NumberAtPosition(0), 5);
  EXPECT_EQ(lib.NumberAtPosition(2), -1);
  EXPECT_EQ(lib.NumberAtPosition(-1), -1);
}

TEST_F(LibraryTest, DamagedEventValuesGiveAnEmptyList) {
  std::string good = Text(kTyped);
  std::string badSum = good;
  badSum.back() = badSum.back() == '0' ? '1' : '0';
  std::string oneDigit = good;
  oneDigit[0] = '2';
  const std::string cases[] = {badSum, oneDigit, good.substr(2), good + "00", std::string(738, 'G'),
                               ""};
  for (const std::string& value : cases) {
    WriteText(macroPath, "[Setting]\nTotal=1\n0=0\n[MacroProfile0]\nName=X\nMacro=" + value + "\n");
    const Library lib = LoadMacros();
    ASSERT_EQ(lib.size(), 1);
    EXPECT_EQ(CountEvents(lib.entries()[0].events), 0) << value.size();
    EXPECT_EQ(Utf16ToUtf8(lib.entries()[0].name), "X");
  }
}

TEST_F(LibraryTest, HostileCountsAndNumbersLoadSafely) {
  WriteText(macroPath, "[Setting]\nTotal=100000\n0=-7\n1=100000\n2=2147483647\n");
  Library lib = LoadMacros();
  EXPECT_EQ(lib.size(), kLibraryCapacity);
  EXPECT_EQ(lib.entries()[1].number, 100000);
  EXPECT_EQ(CountEvents(lib.entries()[0].events), 0);
  EXPECT_EQ(lib.CheckRoomForNew(), kLibraryFull);
  EXPECT_EQ(Utf16ToUtf8(lib.EntryName(2147483647, u"Macro")), "Macro 2147483648");

  WriteText(macroPath, "[Setting]\nTotal=-4\n");
  EXPECT_EQ(LoadMacros().size(), 0);
}

TEST_F(LibraryTest, WriteLibraryReplacesTheFileWithTheCopy) {
  Library lib = MakeMacros(3);
  IniFile stale(macroPath);
  stale.WriteString(u"MacroProfile42", u"Name", u"left over");
  ASSERT_TRUE(stale.Commit());
  lib.LoadLibraryFile();
  ASSERT_EQ(lib.DeleteEntry(1, 0), kLibraryDone);

  const IniFile ini(macroPath);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Total", -1), 2);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"0", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"1", -1), 2);
  EXPECT_FALSE(ini.HasKey(u"Setting", u"2"));
  EXPECT_FALSE(ini.HasSection(u"MacroProfile1"));
  EXPECT_FALSE(ini.HasSection(u"MacroProfile42"));
  EXPECT_EQ(ini.ReadString(u"MacroProfile2", u"Name"), u"M2");
  EXPECT_EQ(ini.ReadString(u"MacroProfile2", u"Macro"), EncodeStruct(&kTyped, sizeof kTyped));
}

TEST_F(LibraryTest, AFailedWriteLeavesFileAndCopyAsTheyWere) {
  Library lib = MakeMacros(3);
  const std::string before = ReadBytes(macroPath);
  Library unwritable(LibraryKind::kMacro, dir / "missing-folder" / "MacroSetting");
  EXPECT_FALSE(unwritable.WriteLibrary());

  // A folder in the library's place: the replace fails, nothing changes.
  std::filesystem::remove(macroPath);
  std::filesystem::create_directory(macroPath);
  EXPECT_EQ(lib.DeleteEntry(0, 0), kLibraryWriteFailed);
  EXPECT_EQ(Names(lib), (std::vector<std::string>{"M0", "M1", "M2"}));
  WriteBytes(dir / "one.mac", "[MacroProfile]\nName=One\n");
  EXPECT_EQ(lib.ImportRecord(dir / "one.mac"), kLibraryWriteFailed);
  EXPECT_EQ(lib.size(), 3);
  std::filesystem::remove(macroPath);
  WriteBytes(macroPath, before);
  EXPECT_EQ(LoadMacros().size(), 3);
}

TEST_F(LibraryTest, DeleteMovesLaterEntriesUpWithAllTheirData) {
  Library lib = MakeMacros(5);
  ASSERT_EQ(lib.DeleteEntry(2, 0), kLibraryDone);
  for (const Library& l : {lib, LoadMacros()}) {
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(Names(l), (std::vector<std::string>{"M0", "M1", "M3", "M4"}));
    EXPECT_EQ(l.entries()[2].number, 3);
    EXPECT_EQ(l.entries()[2].repeatType, 3);
    EXPECT_EQ(l.entries()[2].repeatTimes, 3);
    EXPECT_EQ(l.entries()[3].repeatType, 0);
    EXPECT_EQ(l.entries()[3].repeatTimes, 4);
  }
  // The freed number is the next one handed out.
  EXPECT_EQ(lib.NewLibraryNumber(), 2);
}

TEST_F(LibraryTest, DeletingTheOnlyMacroLeavesAnEmptyLibraryFile) {
  Library lib = MakeMacros(1);
  ASSERT_EQ(lib.DeleteEntry(0, 0), kLibraryDone);
  const IniFile ini(macroPath);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Total", -1), 0);
  EXPECT_FALSE(ini.HasSection(u"MacroProfile0"));
}

TEST_F(LibraryTest, DeleteRefusesMarkedRowsAndIgnoresPositionsWithoutEntry) {
  Library lib = MakeMacros(3);
  const std::string before = ReadBytes(macroPath);
  EXPECT_EQ(lib.DeleteEntry(1, 4), kLibraryEntryInUse);
  EXPECT_EQ(WarningOf(lib.DeleteEntry(1, 4)), kWarnEntryInUse);
  EXPECT_EQ(lib.DeleteEntry(-1, 0), kLibraryNothingDone);
  EXPECT_EQ(lib.DeleteEntry(3, 0), kLibraryNothingDone);
  EXPECT_EQ(WarningOf(kLibraryNothingDone), kAccepted);
  EXPECT_EQ(lib.size(), 3);
  EXPECT_EQ(ReadBytes(macroPath), before);
}

TEST_F(LibraryTest, PatternPositionsBelowEightCannotBeDeleted) {
  Libraries libs(dir.path());
  libs.Reload();
  Library& p = libs.patterns;
  ASSERT_EQ(p.ImportRecord(dir / "none.mmac"), kLibraryFileMissing);
  WriteBytes(dir / "extra.mmac", "[BulletProfile]\nName=Extra\nBulletNum=1\n");
  ASSERT_EQ(p.ImportRecord(dir / "extra.mmac"), kLibraryDone);
  ASSERT_EQ(p.size(), 9);
  for (int position : {0, 7}) {
    EXPECT_EQ(p.DeleteEntry(position, 0), kLibraryNothingDone);
    EXPECT_EQ(p.DeleteEntry(position, 3), kLibraryNothingDone) << "protection comes first";
  }
  EXPECT_EQ(p.DeleteEntry(8, 2), kLibraryEntryInUse);
  EXPECT_EQ(p.DeleteEntry(8, 0), kLibraryDone);
  EXPECT_EQ(p.size(), 8);
}

TEST_F(LibraryTest, ImportAppendsUnderTheSmallestFreeNumberWithAUniqueName) {
  Library lib = MakeMacros(3);  // numbers 0, 1, 2
  ASSERT_EQ(lib.DeleteEntry(1, 0), kLibraryDone);
  ASSERT_EQ(lib.ExportRecord(0, dir / "m0.mac"), kLibraryDone);

  int position = -1;
  ASSERT_EQ(lib.ImportRecord(dir / "m0.mac", &position), kLibraryDone);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(lib.entries()[2].number, 1) << "the deleted entry's number is reused";
  ASSERT_EQ(lib.ImportRecord(dir / "m0.mac"), kLibraryDone);
  EXPECT_EQ(lib.entries()[3].number, 3);
  EXPECT_EQ(Names(lib), (std::vector<std::string>{"M0", "M2", "M0-1", "M0-1-1"}));
  EXPECT_EQ(Text(lib.entries()[3].events), Text(kTyped));
  EXPECT_EQ(lib.entries()[3].repeatTimes, 0);

  const Library reloaded = LoadMacros();
  EXPECT_EQ(Names(reloaded), Names(lib));
  EXPECT_EQ(reloaded.entries()[3].number, 3);
}

TEST_F(LibraryTest, ImportedNamesNeverEqualAnEntrysWhateverTheListOrder) {
  WriteText(macroPath,
            "[Setting]\nTotal=2\n0=0\n1=1\n[MacroProfile0]\nName=A-1\n"
            "[MacroProfile1]\nName=A\n");
  Library lib = LoadMacros();
  WriteBytes(dir / "a.mac", "[MacroProfile]\nName=A\n");
  ASSERT_EQ(lib.ImportRecord(dir / "a.mac"), kLibraryDone);
  EXPECT_EQ(Names(lib), (std::vector<std::string>{"A-1", "A", "A-1-1"}));
}

TEST_F(LibraryTest, ImportWithoutNameGivesAnUnnamedEntryLabelledByNumber) {
  Library lib = MakeMacros(2);
  WriteBytes(dir / "anon.mac",
             "[MacroProfile]\nReaptType=1\nReaptTimes=5\nMacro=" + Text(kTyped) + "\n");
  ASSERT_EQ(lib.ImportRecord(dir / "anon.mac"), kLibraryDone);
  const LibraryEntry& e = lib.entries()[2];
  EXPECT_TRUE(e.name.empty());
  EXPECT_EQ(e.repeatType, 1);
  EXPECT_EQ(e.repeatTimes, 5);
  EXPECT_EQ(lib.EntryName(e.number, u"Macro"), u"Macro 3");
  EXPECT_EQ(lib.EntryName(-1, u"Macro"), u"Macro");
  EXPECT_EQ(lib.EntryName(0, u"Macro"), u"M0");
  EXPECT_EQ(lib.DefaultName(u"Macro"), u"Macro 1");
}

TEST_F(LibraryTest, AFullLibraryRefusesImportsAndNewRecords) {
  Library lib = MakeMacros(kLibraryCapacity);
  ASSERT_EQ(lib.size(), kLibraryCapacity);
  EXPECT_EQ(lib.NewLibraryNumber(), -1);
  ASSERT_EQ(lib.ExportRecord(0, dir / "m0.mac"), kLibraryDone);
  const std::string before = ReadBytes(macroPath);
  EXPECT_EQ(lib.ImportRecord(dir / "m0.mac"), kLibraryFull);
  EXPECT_EQ(WarningOf(kLibraryFull), kWarnLibraryFull);
  LibraryEntry fresh;
  fresh.number = 5;
  EXPECT_EQ(lib.SaveEditedRecord(fresh, true), kLibraryFull);
  EXPECT_EQ(lib.size(), kLibraryCapacity);
  EXPECT_EQ(ReadBytes(macroPath), before);
}

TEST_F(LibraryTest, ExportWritesIntoAnExistingFileAndNothingForNoEntry) {
  Library lib = MakeMacros(2);
  WriteBytes(dir / "x.mac", "[Other]\nKeep=1\n[MacroProfile]\nName=Old\nExtra=2\n");
  ASSERT_EQ(lib.ExportRecord(1, dir / "x.mac"), kLibraryDone);
  const IniFile x(dir / "x.mac");
  EXPECT_EQ(x.ReadInt(u"Other", u"Keep", 0), 1);
  EXPECT_EQ(x.ReadInt(u"MacroProfile", u"Extra", 0), 2);
  EXPECT_EQ(x.ReadString(u"MacroProfile", u"Name"), u"M1");
  EXPECT_EQ(x.ReadInt(u"MacroProfile", u"ReaptTimes", -1), 1);
  EXPECT_EQ(x.ReadInt(u"MacroProfile", u"ReaptType", -1), 1);
  EXPECT_FALSE(x.HasKey(u"MacroProfile", u"BulletNum"));

  for (int position : {-1, 2})
    EXPECT_EQ(lib.ExportRecord(position, dir / "none.mac"), kLibraryNothingDone);
  EXPECT_FALSE(std::filesystem::exists(dir / "none.mac"));
}

TEST_F(LibraryTest, ExportedPatternComesBackWithItsShotsCounted) {
  Libraries libs(dir.path());
  libs.Reload();
  LibraryEntry four;
  four.number = libs.patterns.NewLibraryNumber();
  four.name = u"Four";
  four.shots = 4;
  four.events = PatternEvents({{10, -50, 0}, {20, 50, -50}, {30, 0, -1}, {999, 1, -2}}, 8);
  ASSERT_EQ(libs.patterns.SaveEditedRecord(four, true), kLibraryDone);
  libs.patterns.LoadLibraryFile();
  ASSERT_EQ(libs.patterns.size(), 9);
  EXPECT_EQ(libs.patterns.entries()[8].shots, 4);

  ASSERT_EQ(libs.patterns.ExportRecord(8, dir / "four.mmac"), kLibraryDone);
  EXPECT_EQ(IniFile(dir / "four.mmac").ReadInt(u"BulletProfile", u"BulletNum", 0), -1);
  ASSERT_EQ(libs.patterns.ImportRecord(dir / "four.mmac"), kLibraryDone);
  const LibraryEntry& back = libs.patterns.entries()[9];
  EXPECT_EQ(back.name, u"Four-1");
  EXPECT_EQ(back.shots, 4);
  libs.patterns.LoadLibraryFile();
  EXPECT_EQ(libs.patterns.entries()[9].shots, 4) << "the library keeps the counted number";

  const std::vector<Shot> shots = PatternShots(back.events, back.shots);
  ASSERT_EQ(shots.size(), 4u);
  EXPECT_EQ(shots[0].interval, 10);
  EXPECT_EQ(shots[0].horizontal, -50);
  EXPECT_EQ(shots[1].horizontal, 50);
  EXPECT_EQ(shots[1].vertical, -50);
  EXPECT_EQ(shots[3].interval, 999);
  EXPECT_EQ(shots[3].vertical, -2);
}

TEST(PatternEvents, FireCodeFollowsTheLibraryNumber) {
  const struct {
    int number;
    int fire;
  } cases[] = {{0, 2}, {3, 5}, {7, 9}, {8, 1}, {12, 1}, {99, 1}, {-1, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(FireCode(c.number), c.fire) << c.number;
    const EventList e = PatternEvents({Shot{40, 0, -5}}, c.number);
    EXPECT_EQ(e[0].code, c.fire);
    EXPECT_EQ(e[2].code, c.fire);
  }
}

TEST(PatternEvents, FiveEventsPerShotWithTheStepEncoding) {
  const struct {
    int horizontal, vertical, value;
  } steps[] = {{-50, 0, 0x0000}, {50, 0, 0x6400},  {0, -50, 0x3232}, {0, 0, 0x3200},
               {7, -3, 0x3903},  {-80, 9, 0x0000}, {60, -70, 0x6432}};
  for (const auto& s : steps)
    EXPECT_EQ(MoveValue(s.horizontal, s.vertical), s.value) << s.horizontal << "," << s.vertical;

  const EventList e = PatternEvents({{100, 1, -1}, {0, 0, 0}, {1200, 0, 0}}, 3);
  EXPECT_EQ(CountEvents(e), 15);
  EXPECT_EQ(CountMoveEvents(e), 3);
  const MacroEvent shot0[] = {{5, 0, 1}, {0xFF, 0, 1}, {5, 0, 0}, {0xFF, 0, 100}, {12, 0, 0x3301}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(e[i].code, shot0[i].code) << i;
    EXPECT_EQ(e[i].value, shot0[i].value) << i;
  }
  EXPECT_EQ(e[8].value, 0) << "a zero interval stays";
  EXPECT_EQ(e[13].value, 999) << "intervals stop at 999";

  std::vector<Shot> nine(9, Shot{});
  EXPECT_EQ(CountEvents(PatternEvents(nine, 0)), 40);
  EXPECT_EQ(PatternShots(e, 1000).size(), 8u);
  EXPECT_TRUE(PatternShots(e, -1).empty());
}

TEST_F(LibraryTest, MissingPatternLibraryGetsTheEightBuiltInPatterns) {
  Libraries libs(dir.path());
  libs.Reload();
  const char* names[] = {"VECTOR", "UZI", "TOMPSON", "UNP9", "AKR", "M16", "SCAR-L", "M4"};
  const int vertical[] = {-27, -18, -30, -28, -30, -28, -22, -30};
  ASSERT_EQ(libs.patterns.size(), 8);
  EXPECT_EQ(libs.macros.size(), 0);
  EXPECT_FALSE(std::filesystem::exists(macroPath));
  for (int i = 0; i < 8; ++i) {
    const LibraryEntry& e = libs.patterns.entries()[i];
    EXPECT_EQ(e.number, i);
    EXPECT_EQ(Utf16ToUtf8(e.name), names[i]);
    EXPECT_EQ(e.shots, 1);
    EXPECT_EQ(e.repeatType, 0);
    EXPECT_EQ(CountEvents(e.events), 5);
    EXPECT_EQ(e.events[0].code, i + 2);
    const std::vector<Shot> s = PatternShots(e.events, e.shots);
    EXPECT_EQ(s[0].interval, 40);
    EXPECT_EQ(s[0].horizontal, 0);
    EXPECT_EQ(s[0].vertical, vertical[i]);
  }
  const IniFile ini(patternPath);
  EXPECT_FALSE(ini.HasKey(u"BulletProfile0", u"ReaptTimes"));
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Total", 0), 8);

  // An existing library, even an empty one, is left alone.
  WriteBytes(patternPath, "[Setting]\nTotal=0\n");
  libs.Reload();
  EXPECT_EQ(libs.patterns.size(), 0);
  std::filesystem::remove(patternPath);
  libs.Reload();
  EXPECT_EQ(libs.patterns.size(), 8);
  EXPECT_FALSE(CreateBuiltInPatterns(patternPath));
}

TEST_F(LibraryTest, EditorSaveAddsPositionKeyThenWritesTheRecordInOrder) {
  Library lib = MakeMacros(2);
  LibraryEntry m;
  m.number = lib.NewLibraryNumber();
  m.name = u"New";
  m.repeatType = 2;
  m.repeatTimes = 9;  // only repeat type 1 keeps its count
  m.events = kTyped;
  ASSERT_EQ(lib.SaveEditedRecord(m, true), kLibraryDone);
  m.repeatType = 1;
  ASSERT_EQ(lib.SaveEditedRecord(m, false), kLibraryDone);
  m.number = -1;
  EXPECT_EQ(lib.SaveEditedRecord(m, true), kLibraryNothingDone);

  lib.LoadLibraryFile();
  ASSERT_EQ(lib.size(), 3);
  EXPECT_EQ(lib.entries()[2].number, 2);
  EXPECT_EQ(lib.entries()[2].repeatTimes, 9);
  const std::string text = ReadBytes(macroPath);
  const std::u16string doc(reinterpret_cast<const char16_t*>(text.data() + 2),
                           (text.size() - 2) / 2);
  const std::size_t at = doc.find(u"[MacroProfile2]");
  ASSERT_NE(at, std::u16string::npos);
  const std::u16string section = doc.substr(at);
  EXPECT_LT(section.find(u"Name="), section.find(u"ReaptTimes="));
  EXPECT_LT(section.find(u"ReaptTimes="), section.find(u"ReaptType="));
  EXPECT_LT(section.find(u"ReaptType="), section.find(u"Macro="));

  Library patterns(LibraryKind::kPattern, patternPath);
  LibraryEntry p;
  p.number = 0;
  p.name = u"P";
  p.repeatType = 3;
  p.repeatTimes = 4;
  p.shots = 2;
  ASSERT_EQ(patterns.SaveEditedRecord(p, true), kLibraryDone);
  const IniFile ini(patternPath);
  EXPECT_EQ(ini.ReadInt(u"BulletProfile0", u"ReaptTimes", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"BulletProfile0", u"ReaptType", -1), 3);
  EXPECT_EQ(ini.ReadInt(u"BulletProfile0", u"BulletNum", -1), 2);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Total", -1), 1);
}

TEST_F(LibraryTest, FillSlotCopiesEventsOfAssignedEntriesOnly) {
  const EventList shot = PatternEvents({Shot{40, 0, -10}}, 3);
  std::string damaged = Text(kTyped);
  damaged[5] = damaged[5] == 'A' ? 'B' : 'A';
  WriteText(macroPath, "[Setting]\nTotal=2\n0=5\n1=7\n[MacroProfile5]\nMacro=" + Text(kTyped) +
                           "\n[MacroProfile7]\nMacro=" + damaged + "\n");
  WriteText(patternPath, "[Setting]\nTotal=1\n0=3\n[BulletProfile3]\nMacro=" + Text(shot) + "\n");
  Libraries libs(dir.path());
  libs.Reload();

  ProfileRecord profile;
  ResetProfile(profile);
  const EventList junk = Events({{0x33, 0, 1}, {0x33, 0, 0}});
  for (ButtonSlot& s : profile.slots) {
    s.events = junk;
    s.count = 2;
  }
  AssignMacro(profile.slots[0], 5, 1, 2);
  AssignMacro(profile.slots[1], 7, 0, 0);  // damaged record
  AssignPattern(profile.slots[2], 3);
  AssignMacro(profile.slots[3], -1, 0, 0);     // no macro
  AssignMacro(profile.slots[4], 12345, 0, 0);  // no such record
  profile.slots[5].code = 0xA1;
  AssignPattern(profile.slots[6], 5);  // pattern 5 does not exist
  libs.FillProfileSlots(profile);

  EXPECT_EQ(Text(profile.slots[0].events), Text(kTyped));
  EXPECT_EQ(profile.slots[0].count, 3);
  EXPECT_EQ(profile.slots[0].repeatType, 1) << "repeat bytes are the assignment's";
  EXPECT_EQ(profile.slots[1].count, 0);
  EXPECT_EQ(Text(profile.slots[1].events), Text(EventList{}));
  EXPECT_EQ(Text(profile.slots[2].events), Text(shot));
  EXPECT_EQ(profile.slots[2].count, 5);
  EXPECT_EQ(Text(profile.slots[3].events), Text(junk));
  EXPECT_EQ(profile.slots[4].count, 0);
  EXPECT_EQ(Text(profile.slots[4].events), Text(EventList{}));
  EXPECT_EQ(Text(profile.slots[5].events), Text(junk));
  EXPECT_EQ(profile.slots[6].count, 0);

  // Each library fills only the slots of its own function code.
  ButtonSlot s = profile.slots[2];
  s.events = junk;
  EXPECT_FALSE(libs.macros.FillSlot(s));
  EXPECT_EQ(Text(s.events), Text(junk));
  EXPECT_TRUE(libs.patterns.FillSlot(s));
  EXPECT_EQ(Text(s.events), Text(shot));
}

TEST_F(LibraryTest, InUseMarkersNameTheLastShownButtonUsingTheEntrysName) {
  WriteText(macroPath,
            "[Setting]\nTotal=4\n0=0\n1=1\n2=2\n3=3\n"
            "[MacroProfile0]\nName=Fire\n[MacroProfile1]\nName=Macro 3\n"
            "[MacroProfile3]\nName=Fire\n");
  const Library lib = LoadMacros();
  ProfileRecord profile;
  ResetProfile(profile);
  AssignMacro(profile.slots[3], 0, 0, 0);
  AssignMacro(profile.slots[4], 0, 0, 0);
  AssignMacro(profile.slots[1], 2, 0, 0);  // unnamed: labelled "Macro 3"
  AssignMacro(profile.slots[6], 1, 0, 0);  // the hidden seventh button marks nothing
  EXPECT_EQ(lib.InUseMarkers(profile, u"Macro"), (std::vector<int>{5, 2, 0, 5}));

  AssignPattern(profile.slots[4], 0);
  AssignPattern(profile.slots[3], 0);
  AssignPattern(profile.slots[1], 0);
  EXPECT_EQ(lib.InUseMarkers(profile, u"Macro"), (std::vector<int>{0, 0, 0, 0}));
}

// Every write of a library file, each on a library freshly loaded from `path`.
// 0 when each load reported the file unreadable and each write was refused
// with the file left alone, else 1 + the index of the first that was not.
int WritesOfAnUnreadableLibrary(const std::filesystem::path& path,
                                const std::filesystem::path& importFile) {
  using Write = std::function<bool(Library&)>;
  const Write writes[] = {
      [](Library& l) { return l.WriteLibrary(); },
      [&importFile](Library& l) { return l.ImportRecord(importFile) != kLibraryUnreadable; },
      [](Library& l) { return l.DeleteEntry(0, 0) != kLibraryUnreadable; },
      [](Library& l) {
        LibraryEntry e;
        e.number = 3;
        return l.SaveEditedRecord(e, true) != kLibraryUnreadable;
      },
  };
  for (int i = 0; i < static_cast<int>(std::size(writes)); ++i) {
    Library lib(LibraryKind::kMacro, path);
    if (lib.LoadLibraryFile() || !lib.unreadable() || lib.size() != 0 || writes[i](lib))
      return i + 1;
  }
  return 0;
}

TEST_F(LibraryTest, ALibraryFileAboveTheReadLimitIsNeverWritten) {
  const std::string users = (MakeMacros(3), ReadBytes(macroPath));
  WriteBytes(dir / "one.mac", "[MacroProfile]\nName=One\n");
  std::filesystem::resize_file(macroPath, kMaxSettingsFileBytes + 1);
  const std::string before = ReadBytes(macroPath);
  EXPECT_EQ(WritesOfAnUnreadableLibrary(macroPath, dir / "one.mac"), 0);
  EXPECT_TRUE(ReadBytes(macroPath) == before) << "the file is byte-identical";

  // The copy of the unreadable file is not the library, even once the file
  // can be read again.
  Library lib(LibraryKind::kMacro, macroPath);
  EXPECT_FALSE(lib.LoadLibraryFile());
  std::filesystem::resize_file(macroPath, users.size());
  EXPECT_EQ(lib.ImportRecord(dir / "one.mac"), kLibraryUnreadable);
  EXPECT_FALSE(lib.WriteLibrary());
  EXPECT_EQ(ReadBytes(macroPath), users);
  EXPECT_TRUE(lib.LoadLibraryFile());
  EXPECT_EQ(lib.ImportRecord(dir / "one.mac"), kLibraryDone);
  EXPECT_EQ(Names(LoadMacros()), (std::vector<std::string>{"M0", "M1", "M2", "One"}));
}

TEST_F(LibraryTest, ALibraryFileWithoutReadPermissionIsNeverWritten) {
  MakeMacros(3);
  WriteBytes(dir / "one.mac", "[MacroProfile]\nName=One\n");
  const std::string before = ReadBytes(macroPath);
  GiveToOrdinaryUser(dir.path());
  GiveToOrdinaryUser(macroPath);
  std::filesystem::permissions(macroPath, std::filesystem::perms::owner_write);
  EXPECT_EQ(
      RunAsOrdinaryUser([this] { return WritesOfAnUnreadableLibrary(macroPath, dir / "one.mac"); }),
      0);
  EXPECT_EQ(ReadBytes(macroPath), before);
}

TEST_F(LibraryTest, ImportFromAndExportIntoAFileThatCannotBeReadAreRefused) {
  Library lib = MakeMacros(2);
  const std::string library = ReadBytes(macroPath);
  std::filesystem::create_directory(dir / "folder.mac");
  EXPECT_EQ(lib.ImportRecord(dir / "folder.mac"), kLibraryFileUnreadable);
  EXPECT_EQ(lib.size(), 2);
  EXPECT_EQ(ReadBytes(macroPath), library);

  // Export writes into an existing file; one that cannot be read is left alone.
  WriteBytes(dir / "big.mac", "[Other]\nKeep=1\n");
  std::filesystem::resize_file(dir / "big.mac", kMaxSettingsFileBytes + 1);
  EXPECT_EQ(lib.ExportRecord(0, dir / "big.mac"), kLibraryFileUnreadable);
  EXPECT_EQ(std::filesystem::file_size(dir / "big.mac"), kMaxSettingsFileBytes + 1);
}

TEST_F(LibraryTest, ImportedNamesStayUniqueAtTheLengthLimit) {
  const std::u16string atLimit(kMaxStringUnits, u'a');
  const std::u16string nearLimit = std::u16string(kMaxStringUnits - 3, u'a') + u"\U0001F3AF";
  std::u16string ownSuffixes = u"x";
  while (ownSuffixes.size() + 2 <= kMaxStringUnits) ownSuffixes += u"-1";
  const struct {
    const char* what;
    std::u16string name;
    int imports;
  } cases[] = {
      {"at the limit", atLimit, 4},
      {"a surrogate pair at the cut", nearLimit, 3},
      {"one unit short", std::u16string(kMaxStringUnits - 1, u'b'), 3},
      {"made of its own suffixes", ownSuffixes, 3},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(macroPath);
    Library lib = LoadMacros();
    IniFile record(dir / "long.mac");
    record.WriteString(u"MacroProfile", u"Name", c.name);
    ASSERT_TRUE(record.Commit());
    for (int i = 0; i < c.imports; ++i) ASSERT_EQ(lib.ImportRecord(dir / "long.mac"), kLibraryDone);

    const Library reloaded = LoadMacros();
    ASSERT_EQ(reloaded.size(), c.imports) << c.what;
    for (int i = 0; i < c.imports; ++i) {
      const std::u16string& name = reloaded.entries()[i].name;
      EXPECT_EQ(name, lib.entries()[i].name) << c.what << ": the file gives the name back whole";
      EXPECT_LE(name.size(), kMaxStringUnits) << c.what;
      for (int j = 0; j < i; ++j)
        EXPECT_NE(name, reloaded.entries()[j].name) << c.what << ": entries " << j << ", " << i;
    }
    EXPECT_EQ(reloaded.entries()[0].name, c.name) << c.what << ": the first keeps its name";
    EXPECT_EQ(reloaded.entries()[1].name.substr(reloaded.entries()[1].name.size() - 2), u"-1")
        << c.what;
  }
}

TEST(UniqueEntryName, AppendsSuffixesAsLongAsTheNameIsTaken) {
  std::vector<LibraryEntry> entries(3);
  entries[0].name = u"A-1";
  entries[1].name = u"A";
  entries[2].name = u"B";
  EXPECT_EQ(UniqueEntryName(u"A", entries), u"A-1-1");
  EXPECT_EQ(UniqueEntryName(u"B", entries), u"B-1");
  EXPECT_EQ(UniqueEntryName(u"C", entries), u"C");
  EXPECT_EQ(UniqueEntryName(u"", entries), u"");
}

}  // namespace
