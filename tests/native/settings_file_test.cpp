#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>

#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path path = dir / "GamingMouse";
};

TEST_F(SettingsFileTest, FirstStartWritesTheCompleteDefaultFile) {
  SettingsStore store(path);
  ASSERT_TRUE(store.Reload());
  const IniFile ini(path);
  ASSERT_TRUE(ini.existed());
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Totle", -1), 6);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Current", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Active", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Show_TrayIcon", -1), 1);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Show_OSD", -1), 1);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"lan_id", -1), 1);
  EXPECT_TRUE(ini.HasKey(u"Setting", u"BGFilesPath"));
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(ini.ReadInt(u"Setting", DecimalText(i), -1), i);
    const std::u16string s = ProfileSectionName(i, false);
    EXPECT_EQ(ini.ReadInt(s, u"DPI_Cur", -1), 3);
    EXPECT_EQ(ini.ReadInt(s, u"DPI_Value6", -1), 7);
    EXPECT_EQ(ini.ReadInt(s, u"DPI_Color3", -1), 16776960);
    EXPECT_EQ(ini.ReadInt(s, u"light_Color3", -1), 255) << "a missing key gives 255";
    EXPECT_EQ(ini.ReadInt(s, u"light_Cycle3", -1), 65535);
    EXPECT_EQ(ini.ReadInt(s, u"POLLRATE_VALUE", -1), 2);
    EXPECT_EQ(ini.ReadString(s, u"ButtonAssigned0").size(), 762u);
  }
  EXPECT_FALSE(ini.HasKey(u"Setting", u"6"));

  // The keys of a profile section stand in the order the device service expects.
  const std::string bytes = ReadBytes(path);
  std::string ascii;
  for (std::size_t i = 2; i < bytes.size(); i += 2) ascii.push_back(bytes[i]);
  const auto p0 = ascii.find("[Profile0Setting]");
  const char* order[] = {
      "GroupID=",       "DPI_Cur=",        "DPI_Value0=",    "DPI_Color0=",
      "DPI_Value1=",    "POLLRATE_VALUE=", "Enable_light=",  "Cycle_enable=",
      "light_type=",    "light_bright=",   "light_speed=",   "light_bright_colorID=",
      "light_Color0=",  "light_Cycle6=",   "DBClick_Speed=", "Scroll_Speed=",
      "scroll_page=",   "Mouse_Speed=",    "mouse_enhance=", "Profil_Name=",
      "SYNCFilesPath=", "ExePath0=",       "ExeName0=",      "ButtonAssigned0=",
      "ExePath1=",      "ButtonAssigned6="};
  std::size_t at = p0;
  for (const char* key : order) {
    const auto next = ascii.find(std::string("\n") + key, at);
    ASSERT_NE(next, std::string::npos) << key;
    at = next;
  }
}

TEST_F(SettingsFileTest, ADamagedChecksumGivesThatButtonItsDefault) {
  SettingsStore store(path);
  ASSERT_TRUE(store.Reload());
  ButtonSlot& slot = store.config().profiles[0].slots[2];
  slot.code = 0xB4;
  slot.library = 0;
  ASSERT_TRUE(store.Save());

  IniFile ini(path);
  std::u16string value = ini.ReadString(u"Profile0Setting", u"ButtonAssigned2");
  value[10] = value[10] == u'0' ? u'1' : u'0';
  ini.WriteString(u"Profile0Setting", u"ButtonAssigned2", value);
  ASSERT_TRUE(ini.Commit());

  SettingsStore again(path);
  again.LoadOnly();
  EXPECT_EQ(again.config().profiles[0].slots[2].code, 0xA2);
  EXPECT_EQ(again.config().profiles[0].slots[2].library, -1);
}

TEST_F(SettingsFileTest, ProfileCountAndSectionMapComeFromTheGlobalSection) {
  struct Case {
    const char* file;
    int totle;
    int section0, section1;
    int dpi0, dpi1;  // DPI_Cur of the profiles loaded
  };
  const Case cases[] = {
      {"[Setting]\nTotle=9\n[Profile0Setting]\nDPI_Cur=1\n", 1, 0, -99, 1, -99},
      {"[Setting]\n[Profile0Setting]\nDPI_Cur=2\n", 6, 0, 1, 2, 3},
      {"[Setting]\nTotle=2\n0=3\n1=0\n[Profile3Setting]\nDPI_Cur=5\n[Profile0Setting]\nDPI_Cur=6\n",
       2, 3, 0, 5, 6},
      {"[Setting]\nTotle=0\n[Profile0Setting]\nDPI_Cur=1\n", 1, 0, -99, 3, -99},
  };
  for (const Case& c : cases) {
    WriteBytes(path, c.file);
    SettingsStore store(path);
    store.LoadOnly();
    const MouseConfig& m = store.config();
    EXPECT_EQ(m.header.totle, c.totle) << c.file;
    EXPECT_EQ(m.header.section[0], c.section0) << c.file;
    EXPECT_EQ(m.profiles[0].dpiCur, c.dpi0) << c.file;
    if (c.totle > 1) {
      EXPECT_EQ(m.header.section[1], c.section1) << c.file;
      EXPECT_EQ(m.profiles[1].dpiCur, c.dpi1) << c.file;
    }
    EXPECT_EQ(m.profiles[0].slots[0].code, 0xA0) << c.file;
    EXPECT_EQ(m.profiles[0].lightCycle[3], 65535u) << c.file;
  }
}

TEST_F(SettingsFileTest, SavingTwoProfilesLeavesTheOtherSectionsAlone) {
  WriteBytes(path, "[Setting]\nTotle=2\n[Profile4Setting]\nGroupID=7\n");
  SettingsStore store(path);
  store.LoadOnly();
  ASSERT_TRUE(store.Save());
  const IniFile ini(path);
  EXPECT_TRUE(ini.HasSection(u"Profile0Setting"));
  EXPECT_TRUE(ini.HasSection(u"Profile1Setting"));
  EXPECT_FALSE(ini.HasSection(u"Profile2Setting"));
  EXPECT_EQ(ini.ReadInt(u"Profile4Setting", u"GroupID", 0), 7);
  EXPECT_FALSE(ini.HasKey(u"Setting", u"2"));
}

TEST_F(SettingsFileTest, UnicodeNamesSurviveAndLongTextsAreCut) {
  SettingsStore store(path);
  ASSERT_TRUE(store.Reload());
  const std::u16string name = u"Střelec 狙击手 \U0001F3AF";
  SetFixedText(store.config().profiles[1].name, name);
  ASSERT_TRUE(store.Save());
  SettingsStore named(path);
  named.LoadOnly();
  EXPECT_EQ(std::u16string(FixedText(named.config().profiles[1].name)), name);

  IniFile ini(path);
  ini.WriteString(u"Profile1Setting", u"Profil_Name", std::u16string(60, u'n'));
  ini.WriteString(u"Profile1Setting", u"SYNCFilesPath", std::u16string(300, u'p'));
  ini.WriteString(u"Profile1Setting", u"ExePath4", std::u16string(300, u'e'));
  ASSERT_TRUE(ini.Commit());
  SettingsStore cut(path);
  cut.LoadOnly();
  const ProfileRecord& p = cut.config().profiles[1];
  EXPECT_EQ(std::u16string(FixedText(p.name)), std::u16string(49, u'n'));
  EXPECT_EQ(std::u16string(FixedText(p.syncPath)), std::u16string(259, u'p'));
  EXPECT_EQ(std::u16string(FixedText(p.exePath[4])), std::u16string(259, u'e'));
}

TEST_F(SettingsFileTest, ATextCutToItsFieldKeepsNoBlankAtItsEndSoASaveReloadsTheSame) {
  // Cut at the field's size or at a zero unit, a text may end in blanks that a
  // value in the file cannot keep.
  using namespace std::string_literals;
  const std::string file =
      "[Setting]\nTotle=1\nBGFilesPath=C:\\pics\\a \f\0tail\n"
      "[Profile0Setting]\nProfil_Name="s +
      std::string(48, 'n') + " x\nExeName2=game\t\0.exe\n";
  WriteBytes(path, file);
  SettingsStore store(path);
  ASSERT_TRUE(store.LoadOnly());
  const MouseConfig& loaded = store.config();
  EXPECT_EQ(std::u16string(FixedText(loaded.header.bgPath)), u"C:\\pics\\a");
  EXPECT_EQ(std::u16string(FixedText(loaded.profiles[0].name)), std::u16string(48, u'n'));
  EXPECT_EQ(std::u16string(FixedText(loaded.profiles[0].exeName[2])), u"game");

  ASSERT_TRUE(store.Save());
  SettingsStore reloaded(path);
  ASSERT_TRUE(reloaded.LoadOnly());
  EXPECT_EQ(std::memcmp(&reloaded.config().header, &loaded.header, sizeof loaded.header), 0);
  EXPECT_EQ(
      std::memcmp(&reloaded.config().profiles[0], &loaded.profiles[0], sizeof loaded.profiles[0]),
      0);
}

TEST_F(SettingsFileTest, ARepairedSectionIsWrittenBeforeTheGlobalSectionPointsAtIt) {
  // Slots 0 and 1 both claim section 0; slot 1 is given section 1.
  WriteBytes(path,
             "[Setting]\nTotle=2\nCurrent=0\n0=0\n1=0\n"
             "[Profile0Setting]\nProfil_Name=Shared\nDPI_Cur=2\n"
             "[Profile1Setting]\nProfil_Name=Stale profile\nDPI_Cur=6\n");
  SettingsStore store(path);
  store.LoadOnly();
  EXPECT_EQ(store.config().header.section[1], 1);
  EXPECT_EQ(store.unwrittenSections(), SlotMask(0b10));
  bool written = false;
  ASSERT_EQ(store.AddProfile(u"Profile", &written), kAccepted);
  ASSERT_TRUE(written);

  SettingsStore reread(path);
  reread.LoadOnly();
  const MouseConfig& m = reread.config();
  ASSERT_EQ(m.header.totle, 3);
  EXPECT_EQ(std::u16string(FixedText(m.profiles[1].name)), u"Shared");
  EXPECT_EQ(m.profiles[1].dpiCur, 2);
  EXPECT_EQ(m.header.section[2], 2);
  EXPECT_EQ(reread.unwrittenSections(), 0);
}

TEST_F(SettingsFileTest, DeleteWritesOnlyTheGlobalSection) {
  SettingsStore store(path);
  ASSERT_TRUE(store.Reload());
  store.config().header.current = 2;
  store.config().profiles[2].groupId = 9;  // in memory only
  ASSERT_TRUE(store.DeleteProfile());
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Totle", 0), 5);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"2", -1), 3);
  EXPECT_EQ(ini.ReadInt(u"Profile2Setting", u"GroupID", -1), 0) << "the old section stays";
}

// Every write the program makes of the settings file, each on a store freshly
// loaded from `path`. 0 when each load reported the file unreadable and each
// write was refused, else 1 + the index of the first write that was not.
int WritesOfAnUnreadableFile(const std::filesystem::path& path) {
  using Write = std::function<bool(SettingsStore&)>;
  const Write writes[] = {
      [](SettingsStore& s) { return s.Save(); },  // apply
      [](SettingsStore& s) {
        bool written = true;
        s.AddProfile(u"Profile", &written);
        return written;
      },
      [](SettingsStore& s) { return s.DeleteProfile(); },
      [](SettingsStore& s) { return s.WriteCurrentProfileAndGlobal(); },  // import
      [](SettingsStore& s) { return s.Reload(); },  // a reload of a file that cannot be read
  };
  for (int i = 0; i < static_cast<int>(std::size(writes)); ++i) {
    SettingsStore store(path);
    if (store.LoadOnly() || !store.unreadable() || writes[i](store)) return i + 1;
  }
  return 0;
}

class UnreadableSettingsTest : public SettingsFileTest {
 protected:
  // A settings file with one named profile, as the user had it.
  std::string MakeUsersFile() {
    SettingsStore store(path);
    EXPECT_TRUE(store.Reload());
    SetFixedText(store.config().profiles[1].name, u"Mine");
    EXPECT_TRUE(store.Save());
    return ReadBytes(path);
  }
};

TEST_F(UnreadableSettingsTest, AFileAboveTheReadLimitIsNeverWritten) {
  MakeUsersFile();
  std::filesystem::resize_file(path, kMaxSettingsFileBytes + 1);
  const std::string before = ReadBytes(path);
  EXPECT_EQ(WritesOfAnUnreadableFile(path), 0);
  EXPECT_TRUE(ReadBytes(path) == before) << "the file is byte-identical";

  SettingsStore store(path);
  EXPECT_FALSE(store.LoadOnly());
  EXPECT_EQ(store.config().header.totle, 6) << "the program runs on the defaults";
  EXPECT_EQ(FixedText(store.config().profiles[1].name), u"");
}

TEST_F(UnreadableSettingsTest, AFileWithoutReadPermissionIsNeverWritten) {
  const std::string before = MakeUsersFile();
  GiveToOrdinaryUser(dir.path());
  GiveToOrdinaryUser(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write);
  EXPECT_EQ(RunAsOrdinaryUser([this] { return WritesOfAnUnreadableFile(path); }), 0);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_write);
}

TEST_F(UnreadableSettingsTest, AFileThatBecomesReadableAfterTheLoadIsStillNotWritten) {
  const std::string users = MakeUsersFile();
  std::filesystem::resize_file(path, kMaxSettingsFileBytes + 1);
  SettingsStore store(path);
  EXPECT_FALSE(store.Reload());
  std::filesystem::resize_file(path, users.size());
  // Memory holds the defaults, not the file: writing them would lose "Mine".
  EXPECT_FALSE(store.Save());
  EXPECT_FALSE(store.DeleteProfile());
  EXPECT_EQ(ReadBytes(path), users);
  EXPECT_TRUE(store.Reload()) << "a reload that reads the file ends the refusal";
  EXPECT_EQ(FixedText(store.config().profiles[1].name), u"Mine");
  EXPECT_TRUE(store.Save());
}

TEST_F(SettingsFileTest, SomethingElseThanAFileIsUnreadableNotEmpty) {
  std::filesystem::create_directory(path);
  SettingsStore store(path);
  EXPECT_FALSE(store.Reload()) << "a first-start write must not be reported for a folder";
  EXPECT_TRUE(store.unreadable());
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

// The header and profiles in use of two blocks, field by field.
void ExpectSameSettings(const MouseConfig& a, const MouseConfig& b, const std::string& what) {
  EXPECT_EQ(a.header.totle, b.header.totle) << what;
  EXPECT_EQ(a.header.current, b.header.current) << what;
  EXPECT_EQ(a.header.active, b.header.active) << what;
  for (int i = 0; i < a.header.totle && i < kMaxProfiles; ++i) {
    EXPECT_EQ(a.header.section[i], b.header.section[i]) << what << ", slot " << i;
    EXPECT_EQ(std::memcmp(&a.profiles[i], &b.profiles[i], sizeof(ProfileRecord)), 0)
        << what << ", profile " << i << ": " << Utf16ToUtf8(FixedText(a.profiles[i].name))
        << " in memory, " << Utf16ToUtf8(FixedText(b.profiles[i].name)) << " in the file";
  }
}

TEST_F(SettingsFileTest, AfterAnyWriteTheFileReloadsToWhatMemoryHeld) {
  // Slot 0's number 7 is repaired to 0, where slot 1's data lies; slot 1 is
  // then renumbered to 1.
  const char* outOfRange =
      "[Setting]\nTotle=2\nActive=1\n0=7\n1=0\n[Profile0Setting]\nProfil_Name=Second\n"
      "[Profile7Setting]\nProfil_Name=First\nDPI_Cur=5\n";
  // A count of 0 gives one profile of defaults, not the one in Profile0Setting.
  const char* noCount = "[Setting]\nTotle=0\n[Profile0Setting]\nProfil_Name=Old\nGroupID=4\n";
  // Slot 0 (-1) and slot 2 (a duplicate of 5) are repaired; slot 1 is not.
  const char* mixed =
      "[Setting]\nTotle=3\nCurrent=2\n0=-1\n1=5\n2=5\n[Profile5Setting]\nProfil_Name=B\n"
      "[Profile0Setting]\nProfil_Name=Stale\n[Profile1Setting]\nProfil_Name=Stale too\n";
  const auto remove = [](int index) {
    return [index](SettingsStore& s) {
      s.config().header.current = index;
      return s.DeleteProfile();
    };
  };
  const auto add = [](SettingsStore& s) {
    bool written = false;
    return s.AddProfile(u"Profile", &written) == kAccepted && written;
  };
  const auto import = [](SettingsStore& s) { return s.WriteCurrentProfileAndGlobal(); };
  struct Case {
    const char* what;
    const char* file;
    std::function<bool(SettingsStore&)> write;
    std::vector<std::u16string> names;  // of the profiles after the write
    int active;
  };
  const Case cases[] = {
      {"out of range, delete 1", outOfRange, remove(1), {u"First"}, 0},
      {"out of range, delete 0", outOfRange, remove(0), {u"Second"}, 0},
      {"out of range, add", outOfRange, add, {u"First", u"Second", u"Profile 1"}, 1},
      {"out of range, import", outOfRange, import, {u"First", u"Second"}, 1},
      {"no count, add", noCount, add, {u"", u"Profile 1"}, 0},
      {"no count, import", noCount, import, {u""}, 0},
      {"mixed, delete 0", mixed, remove(0), {u"B", u"B"}, 0},
      {"mixed, delete 2", mixed, remove(2), {u"", u"B"}, 0},
      {"mixed, add", mixed, add, {u"", u"B", u"B", u"Profile 1"}, 0},
  };
  for (const Case& c : cases) {
    WriteBytes(path, c.file);
    SettingsStore store(path);
    ASSERT_TRUE(store.LoadOnly()) << c.what;
    ASSERT_TRUE(c.write(store)) << c.what;
    std::vector<std::u16string> names;
    for (int i = 0; i < store.config().header.totle; ++i)
      names.emplace_back(FixedText(store.config().profiles[i].name));
    EXPECT_EQ(names, c.names) << c.what;
    EXPECT_EQ(store.config().header.active, c.active) << c.what;

    SettingsStore reread(path);
    ASSERT_TRUE(reread.LoadOnly()) << c.what;
    ExpectSameSettings(store.config(), reread.config(), c.what);
    EXPECT_EQ(reread.unwrittenSections(), 0) << c.what;
  }
}

}  // namespace
