#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/FileIo.h"
#include "settings/IniFile.h"
#include "settings/ProfileFiles.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

std::u16string U(std::string_view utf8) { return Utf8ToUtf16(utf8); }

// Six profiles named after their slot, slot `current` being edited.
std::unique_ptr<MouseConfig> SixProfiles(std::initializer_list<const char*> names, int current) {
  auto config = std::make_unique<MouseConfig>();
  ClearSettings(*config);
  ValidateSettings(*config);
  config->header.totle = static_cast<int>(names.size());
  config->header.current = current;
  int i = 0;
  for (const char* name : names) SetFixedText(config->profiles[i++].name, U(name));
  return config;
}

TEST(ProfileFiles, ImportNameComesFromTheFileAndStaysUnique) {
  const std::string n49(49, 'n');
  const std::string n53 = n49 + ".ini";
  // 48 units and a character of two units: the cut may not split it.
  const std::string pair48 = std::string(48, 'p') + "\xF0\x9F\x8E\xAE";  // U+1F3AE
  struct Case {
    std::string path;
    std::vector<std::string> profiles;  // the profiles in use; slot 0 is the target
    std::string expected;
  } cases[] = {
      {"C:\\Users\\me\\Desktop\\Gaming.ini", {"Old", "Work"}, "Gaming"},
      {"C:\\Gaming.ini", {"Old", "Gaming"}, "Gaming(1)"},
      {"C:\\Gaming.ini", {"Old", "Gaming(1)", "Gaming"}, "Gaming(2)"},
      {"C:\\Gaming.ini", {"Old", "gaming", "GAMING"}, "Gaming"},  // names differ in case
      {"C:\\Gaming.ini", {"Gaming", "Work"}, "Gaming"},           // the slot's own name is free
      {"/home/me/Gaming.ini", {"Old"}, "Gaming"},
      {"C:\\abcde", {"Old"}, "a"},  // no extension still loses four characters
      {"C:\\abc", {"Old"}, ""},
      {"abcd", {"Old"}, ""},
      {"C:\\.ini", {"Old"}, ""},
      {"C:\\" + n53 + "xyz", {"Old"}, n49},
      {"C:\\" + n53, {"Old", n49}, std::string(46, 'n') + "(1)"},
      {"C:\\" + pair48 + ".ini", {"Old"}, std::string(48, 'p')},
  };
  for (const Case& c : cases) {
    const std::vector<std::string>& names = c.profiles;
    auto config = std::make_unique<MouseConfig>();
    ClearSettings(*config);
    config->header.totle = static_cast<int>(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
      SetFixedText(config->profiles[i].name, U(names[i]));
    // A name beyond the profiles in use does not count.
    SetFixedText(config->profiles[5].name, U(c.expected));
    const std::u16string name = UniqueProfileName(ProfileNameFromFile(U(c.path)), *config, 0);
    EXPECT_EQ(Utf16ToUtf8(name), c.expected) << c.path;
    EXPECT_LE(name.size(), kProfileNameLimit) << c.path;
  }
}

TEST(ProfileFiles, RenameRules) {
  const std::string long60(60, 'x');
  struct Case {
    std::string typed;
    Warning warning;
    bool changes;
    std::string stored;
  } cases[] = {
      {"Mine", kAccepted, false, "Mine"},           // its own name: nothing, no warning
      {"Work", kWarnDuplicateName, false, "Work"},  // another profile's name
      {"work", kAccepted, true, "work"},            // names differ in case
      {"Sniper", kAccepted, true, "Sniper"},
      {"", kAccepted, true, ""},
      {long60, kAccepted, true, std::string(49, 'x')},
      // Cut first, then compared: 49 x is the third profile's name.
      {std::string(49, 'y') + "zz", kWarnDuplicateName, false, std::string(49, 'y')},
      {"Beyond", kAccepted, true, "Beyond"},  // the name of a row beyond the profiles in use
  };
  const std::string y49(49, 'y');
  auto config = SixProfiles({"Mine", "Work", y49.c_str()}, 0);
  SetFixedText(config->profiles[4].name, u"Beyond");
  for (const Case& c : cases) {
    const RenameOutcome outcome = CheckProfileRename(*config, U(c.typed));
    EXPECT_EQ(outcome.warning, c.warning) << c.typed;
    EXPECT_EQ(outcome.changes, c.changes) << c.typed;
    EXPECT_EQ(Utf16ToUtf8(outcome.name), c.stored) << c.typed;
  }
}

TEST(ProfileFiles, AnEmptyNameBecomesTheDefaultNameAtTheNextRefresh) {
  auto config = SixProfiles({"Mine", "Work", "Third"}, 1);
  PlaceImportedProfile(*config, config->profiles[0], u"C:\\abc");
  EXPECT_EQ(FixedText(config->profiles[1].name), u"");
  NameUnnamedProfiles(*config, u"Profile");
  EXPECT_EQ(FixedText(config->profiles[1].name), u"Profile 2");
}

TEST(ProfileFiles, OnlyProfilesInUseAreRows) {
  auto config = SixProfiles({"A", "B", "C", "D"}, 0);
  const bool expected[] = {false, true, true, true, true, false, false, false};
  for (int row = -1; row <= 6; ++row)
    EXPECT_EQ(IsProfileInUse(*config, row), expected[row + 1]) << row;
}

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Reload());
    for (int i = 0; i < kMaxProfiles; ++i)
      SetFixedText(store.config().profiles[i].name, u"Profile " + DecimalText(i + 1));
    ASSERT_TRUE(store.Save());
  }

  // A profile unlike the defaults in every group of values.
  void Decorate(ProfileRecord& p) {
    p.dpiCur = 5;
    p.dpiValue[2] = 7;
    p.dpiColor[1] = 0x123456;
    p.pollRate = 3;
    p.lightType = 4;
    p.lightCycle[6] = 0x00FF00;
    p.mouseSpeed = 9;
    p.scrollPage = 1;
    SetFixedText(p.syncPath, u"C:\\Pictures\\me.jpg");
    SetFixedText(p.exePath[2], u"C:\\Games\\game.exe");
    AssignMacro(p.slots[3], 7, 1, 3);
    p.slots[3].events[0] = MacroEvent{0x41, 0, 1};
    p.slots[3].count = 1;
  }

  ScratchDir dir;
  std::filesystem::path path = dir / "GamingMouse";
  SettingsStore store{path};
};

TEST_F(ProfileFileTest, ExportThenImportIntoAnotherSlotGivesTheSameProfileWithTheFilesName) {
  ProfileRecord& source = store.config().profiles[2];
  Decorate(source);
  const std::filesystem::path file = dir / "Sniper.ini";
  ASSERT_TRUE(WriteProfileFile(file, source));
  const IniFile exported(file);
  EXPECT_EQ(exported.ReadString(u"ProfileSetting", u"Profil_Name"), u"Profile 3");
  EXPECT_FALSE(exported.HasSection(u"Setting"));

  auto expected = std::make_unique<ProfileRecord>(source);
  SetFixedText(expected->name, u"Sniper");
  store.config().header.current = 4;
  ASSERT_TRUE(ImportProfileFile(store, file));
  EXPECT_EQ(std::memcmp(&store.config().profiles[4], expected.get(), sizeof(ProfileRecord)), 0);

  // The settings file holds it: a fresh load finds the same profile.
  SettingsStore reread(path);
  ASSERT_TRUE(reread.LoadOnly());
  EXPECT_EQ(reread.config().header.current, 4);
  EXPECT_EQ(std::memcmp(&reread.config().profiles[4], expected.get(), sizeof(ProfileRecord)), 0);
}

TEST_F(ProfileFileTest, ImportDropsChangesNotYetApplied) {
  store.config().header.current = 1;
  SetFixedText(store.config().profiles[3].name, u"Unsaved");
  const std::filesystem::path file = dir / "Work.ini";
  ASSERT_TRUE(WriteProfileFile(file, store.config().profiles[0]));
  ASSERT_TRUE(ImportProfileFile(store, file));
  EXPECT_EQ(FixedText(store.config().profiles[3].name), u"Profile 4");
  EXPECT_EQ(FixedText(store.config().profiles[1].name), u"Work");
}

TEST_F(ProfileFileTest, ImportKeepsSectionNumbersDistinctAfterDeleteThenAdd) {
  // Deleting slot 1 and adding a profile leaves the numbers 0 2 3 4 5 1.
  store.config().header.current = 1;
  ASSERT_TRUE(store.DeleteProfile());
  bool written = false;
  ASSERT_EQ(store.AddProfile(u"Profile", &written), kAccepted);
  ASSERT_TRUE(written);
  const std::int32_t numbers[] = {0, 2, 3, 4, 5, 1};
  ASSERT_TRUE(std::equal(numbers, numbers + 6, store.config().header.section));
  std::vector<std::u16string> before;
  for (const ProfileRecord& p : store.config().profiles) before.emplace_back(FixedText(p.name));

  // Into slot 1, whose index is slot 5's section number.
  store.config().header.current = 1;
  const std::filesystem::path file = dir / "Imported.ini";
  ProfileRecord exported = store.config().profiles[0];
  Decorate(exported);
  ASSERT_TRUE(WriteProfileFile(file, exported));
  ASSERT_TRUE(ImportProfileFile(store, file));

  SettingsStore reread(path);
  ASSERT_TRUE(reread.LoadOnly());
  EXPECT_EQ(reread.unwrittenSections(), 0) << "no repair was needed";
  EXPECT_TRUE(std::equal(numbers, numbers + 6, reread.config().header.section));
  for (int i = 0; i < kMaxProfiles; ++i) {
    const std::u16string expected = i == 1 ? u"Imported" : before[i];
    EXPECT_EQ(FixedText(reread.config().profiles[i].name), expected) << "slot " << i;
  }
  EXPECT_EQ(reread.config().profiles[1].mouseSpeed, 9);
}

TEST_F(ProfileFileTest, AProfileFileThatCannotBeReadChangesNothing) {
  const std::filesystem::path folder = dir / "Folder.ini";
  std::filesystem::create_directory(folder);
  const std::filesystem::path large = dir / "Large.ini";
  WriteBytes(large, Utf16File("[ProfileSetting]\nMouse_Speed=9\n"));
  std::filesystem::resize_file(large, kMaxSettingsFileBytes + 1);
  store.config().header.current = 2;
  SetFixedText(store.config().profiles[3].name, u"Unsaved");
  const std::string fileBefore = ReadBytes(path);
  const MouseConfig memoryBefore = store.config();
  for (const std::filesystem::path& file : {dir / "Gone.ini", folder, large}) {
    EXPECT_FALSE(ImportProfileFile(store, file)) << file;
    EXPECT_EQ(std::memcmp(&store.config(), &memoryBefore, sizeof(MouseConfig)), 0) << file;
    EXPECT_EQ(ReadBytes(path), fileBefore) << file;
  }
}

TEST_F(ProfileFileTest, AReadableFileWithoutTheSectionGivesDefaultsAndCheckedValues) {
  const struct {
    const char* name;
    const char* text;
  } files[] = {
      {"Empty.ini", ""},
      {"Other.ini", "[Something]\nMouse_Speed=9\n"},
      {"Wild.ini", "[ProfileSetting]\nMouse_Speed=99\nDPI_Cur=-3\nlight_type=7\n"},
  };
  for (const auto& f : files) {
    const std::filesystem::path file = dir / f.name;
    WriteBytes(file, f.text);
    auto p = std::make_unique<ProfileRecord>();
    Decorate(*p);
    ASSERT_TRUE(ReadProfileFile(file, *p)) << f.name;
    EXPECT_EQ(p->mouseSpeed, 5) << f.name;
    EXPECT_EQ(p->dpiCur, 3) << f.name;
    EXPECT_EQ(p->lightType, 0) << f.name;
    EXPECT_EQ(p->slots[3].code, kDefaultCodes[3]) << f.name;
    EXPECT_EQ(FixedText(p->syncPath), u"") << f.name;
  }
  store.config().header.current = 3;
  ASSERT_TRUE(ImportProfileFile(store, dir / "Empty.ini"));
  EXPECT_EQ(FixedText(store.config().profiles[3].name), u"Empty");
  EXPECT_EQ(store.config().profiles[3].mouseSpeed, 5);
}

TEST_F(ProfileFileTest, ExportKeepsTheFilesOtherSectionsAndKeys) {
  const std::filesystem::path file = dir / "Shared.ini";
  WriteBytes(file, Utf16File("[Notes]\nwho=me\n[ProfileSetting]\nMouse_Speed=1\nExtra=kept\n"));
  ProfileRecord& p = store.config().profiles[0];
  Decorate(p);
  ASSERT_TRUE(WriteProfileFile(file, p));
  const IniFile ini(file);
  EXPECT_EQ(ini.ReadString(u"Notes", u"who"), u"me");
  EXPECT_EQ(ini.ReadString(u"ProfileSetting", u"Extra"), u"kept");
  EXPECT_EQ(ini.ReadInt(u"ProfileSetting", u"Mouse_Speed", 0), 9);

  // Something that is not a readable file is never replaced.
  const std::filesystem::path folder = dir / "Folder.ini";
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(WriteProfileFile(folder, p));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(ProfileFileTest, ASettingsFileThatRefusesTheWriteKeepsTheImportOnScreen) {
  const std::filesystem::path file = dir / "Kept.ini";
  ProfileRecord exported = store.config().profiles[0];
  Decorate(exported);
  ASSERT_TRUE(WriteProfileFile(file, exported));
  // The settings file grows beyond the read limit after the load: the store
  // refuses to write it, and a reload would bring back only defaults.
  std::filesystem::resize_file(path, kMaxSettingsFileBytes + 1);
  SettingsStore unreadable(path);
  EXPECT_FALSE(unreadable.LoadOnly());
  unreadable.config().header.current = 2;
  EXPECT_TRUE(ImportProfileFile(unreadable, file));
  EXPECT_EQ(FixedText(unreadable.config().profiles[2].name), u"Kept");
  EXPECT_EQ(unreadable.config().profiles[2].mouseSpeed, 9);
  EXPECT_EQ(std::filesystem::file_size(path), kMaxSettingsFileBytes + 1);
}

}  // namespace
