#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "device/ProfileSwitch.h"
#include "settings/ActiveProfile.h"
#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"
#include "tools/hid/ProgramFollow.h"

namespace {

constexpr int kNone = kNoProfile;
constexpr SwitchAction kNothing = SwitchAction::kNothing;
constexpr SwitchAction kSwitch = SwitchAction::kSwitch;
constexpr SwitchAction kReturn = SwitchAction::kReturn;

std::vector<ProgramLink> GameLinks() {
  return {{2, 0, u"C:\\Games\\game.exe", u"game.exe"},
          {3, 4, u"C:\\Games\\race.exe", u"Race.exe"},
          {0, 1, u"C:\\Tools\\home.exe", u"home.exe"},
          {5, 0, u"C:\\Old\\gone.exe", u"gone.exe"}};  // a profile no longer in use
}

TEST(ProfileSwitch, DecidesFromTheProgramInFront) {
  struct Case {
    const char* what;
    const char16_t* program;
    bool configuratorOpen;
    int active;
    SwitchMemory memory;
    SwitchDecision expected;
  } cases[] = {
      {"a linked program switches and remembers the user's profile",
       u"C:\\Games\\GAME.EXE",
       false,
       1,
       {},
       {kSwitch, 2, {1, 2}}},
      {"by name alone too", u"game.exe", false, 1, {}, {kSwitch, 2, {1, 2}}},
      {"a program linked to the active profile changes nothing",
       u"game.exe",
       false,
       2,
       {},
       {kNothing, kNone, {}}},
      {"the next linked program keeps the first remembered profile",
       u"race.exe",
       false,
       2,
       {1, 2},
       {kSwitch, 3, {1, 3}}},
      {"a program linked to no profile returns",
       u"C:\\Windows\\notepad.exe",
       false,
       2,
       {1, 2},
       {kReturn, 1, {}}},
      {"with nothing remembered it stays", u"notepad.exe", false, 2, {}, {kNothing, kNone, {}}},
      {"a program linked to the remembered profile switches home and forgets",
       u"home.exe",
       false,
       2,
       {0, 2},
       {kSwitch, 0, {}}},
      {"with the configurator open nothing switches",
       u"game.exe",
       true,
       1,
       {},
       {kNothing, kNone, {}}},
      {"nor returns, and the remembered profile is kept for later",
       u"notepad.exe",
       true,
       2,
       {1, 2},
       {kNothing, kNone, {1, 2}}},
      {"even a profile the user applied meanwhile is not judged while it is open",
       u"notepad.exe",
       true,
       4,
       {1, 2},
       {kNothing, kNone, {1, 2}}},
      {"a profile chosen since the switch is the user's: nothing to return to",
       u"notepad.exe",
       false,
       4,
       {1, 2},
       {kNothing, kNone, {}}},
      {"a remembered profile that was deleted is forgotten",
       u"notepad.exe",
       false,
       2,
       {4, 2},
       {kNothing, kNone, {}}},
      {"and a linked program then remembers the active one",
       u"race.exe",
       false,
       2,
       {4, 2},
       {kSwitch, 3, {2, 3}}},
      {"a link to a profile no longer in use is no link",
       u"gone.exe",
       false,
       2,
       {1, 2},
       {kReturn, 1, {}}},
      {"an unknown program changes nothing and forgets nothing",
       u"",
       false,
       2,
       {1, 2},
       {kNothing, kNone, {1, 2}}},
      {"nor does a path without a file name",
       u"C:\\Games\\",
       false,
       2,
       {1, 2},
       {kNothing, kNone, {1, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SwitchSituation situation{c.program, GameLinks(), c.configuratorOpen,
                                    c.active,  4,           c.memory};
    const SwitchDecision d = DecideProfileSwitch(situation);
    EXPECT_EQ(d.action, c.expected.action);
    EXPECT_EQ(d.profile, c.expected.profile);
    EXPECT_EQ(d.memory.returnTo, c.expected.memory.returnTo);
    EXPECT_EQ(d.memory.switchedTo, c.expected.memory.switchedTo);
  }
}

class ActiveProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsStore store(path);
    ASSERT_TRUE(store.Reload());
    store.config().header.totle = 4;
    store.config().header.active = 1;
    store.config().header.current = 3;
    ASSERT_TRUE(store.Save());
  }

  ScratchDir dir;
  std::filesystem::path path = dir / "GamingMouse";
};

// The lines of a UTF-16 file as UTF-8.
std::vector<std::string> Lines(const std::string& bytes) {
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         static_cast<unsigned char>(bytes[i + 1]) << 8));
  std::vector<std::string> lines;
  std::istringstream in(Utf16ToUtf8(text));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(ActiveProfileFileTest, ChangesActiveAndCurrentAndNothingElse) {
  // A hand-edited value validation would correct must survive as it is.
  IniFile edited(path);
  edited.WriteString(u"Profile2Setting", u"DPI_Cur", u"9");
  ASSERT_TRUE(edited.Commit());
  const std::vector<std::string> before = Lines(ReadBytes(path));

  ASSERT_EQ(UseProfileInFile(path, 2), UseProfileResult::kDone);
  const std::vector<std::string> after = Lines(ReadBytes(path));
  ASSERT_EQ(after.size(), before.size());
  std::vector<std::string> changed;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) changed.push_back(before[i] + " -> " + after[i]);
  EXPECT_EQ(changed,
            (std::vector<std::string>{"Current=3\r -> Current=2\r", "Active=1\r -> Active=2\r"}));
}

TEST_F(ActiveProfileFileTest, RefusesWhatItCannotDo) {
  const std::string original = ReadBytes(path);
  EXPECT_EQ(UseProfileInFile(path, 4), UseProfileResult::kNoSuchProfile);
  EXPECT_EQ(UseProfileInFile(path, -1), UseProfileResult::kNoSuchProfile);
  EXPECT_EQ(UseProfileInFile(dir / "absent", 0), UseProfileResult::kMissing);
  EXPECT_FALSE(std::filesystem::exists(dir / "absent"));
  EXPECT_EQ(UseProfileInFile(dir.path(), 0), UseProfileResult::kUnreadable) << "a folder";
  EXPECT_EQ(ReadBytes(path), original);

  // A file the ordinary user may not read is never written.
  GiveToOrdinaryUser(dir.path());
  GiveToOrdinaryUser(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write);
  EXPECT_EQ(RunAsOrdinaryUser([&] { return static_cast<int>(UseProfileInFile(path, 0)); }),
            static_cast<int>(UseProfileResult::kUnreadable));
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadBytes(path), original);
}

class ProgramFollowerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsStore store(settings);
    ASSERT_TRUE(store.Reload());
    MouseConfig& c = store.config();
    c.header.totle = 3;
    c.header.active = c.header.current = 1;
    SetFixedText(c.profiles[2].name, u"Sniper");
    c.profiles[2].dpiCur = 1;
    ASSERT_EQ(LinkProgram(c, 2, u"C:\\windows\\system32\\notepad.exe").result, LinkResult::kLinked);
    ASSERT_TRUE(store.Save());
  }

  std::vector<nlohmann::json> Journal() const {
    std::vector<nlohmann::json> lines;
    std::istringstream in(ReadBytes(journal));
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  int ActiveInFile() const { return IniFile(settings).ReadInt(u"Setting", u"Active", -1); }

  ScratchDir dir;
  std::filesystem::path settings = dir / "GamingMouse";
  std::filesystem::path journal = dir / "hid-journal.jsonl";
  ProgramFollower follower{settings, journal};
  std::unique_ptr<MouseConfig> config = std::make_unique<MouseConfig>();
};

TEST_F(ProgramFollowerTest, SwitchesToTheLinkedProfileAndBack) {
  const std::u16string notepad = u"C:\\windows\\system32\\NOTEPAD.EXE";
  EXPECT_EQ(follower.OnProgramInFront(notepad, false, 60, *config).action, kSwitch);
  EXPECT_EQ(ActiveInFile(), 2);
  EXPECT_EQ(IniFile(settings).ReadInt(u"Setting", u"Current", -1), 2);
  EXPECT_EQ(config->header.active, 2) << "the settings as written, for the display";

  // Another window of the same profile's program, then the same program again: no line.
  EXPECT_EQ(follower.OnProgramInFront(notepad, false, 61, *config).action, kNothing);
  EXPECT_EQ(follower.OnProgramInFront(u"C:\\x\\explorer.exe", false, 62, *config).action, kReturn);
  EXPECT_EQ(ActiveInFile(), 1);
  EXPECT_EQ(follower.OnProgramInFront(u"C:\\x\\winecfg.exe", false, 63, *config).action, kNothing);

  const std::vector<nlohmann::json> lines = Journal();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["time"], "1970-01-01T00:01:00Z");
  EXPECT_EQ(lines[0]["message"], "switch");
  EXPECT_EQ(lines[0]["file"], "complete");
  EXPECT_EQ(lines[0]["active"], 2);
  EXPECT_EQ(lines[0]["program"], "C:\\windows\\system32\\NOTEPAD.EXE");
  EXPECT_EQ(lines[0]["profile"]["name"], "Sniper");
  EXPECT_EQ(lines[0]["profile"]["dpi_level"], 1);
  EXPECT_EQ(lines[1]["message"], "return");
  EXPECT_EQ(lines[1]["active"], 1);
  EXPECT_EQ(lines[1]["program"], "C:\\x\\explorer.exe");
}

TEST_F(ProgramFollowerTest, WaitsWhileTheConfiguratorIsOpen) {
  EXPECT_EQ(follower.OnProgramInFront(u"notepad.exe", true, 0, *config).action, kNothing);
  EXPECT_EQ(ActiveInFile(), 1);
  EXPECT_FALSE(std::filesystem::exists(journal));
  EXPECT_EQ(follower.OnProgramInFront(u"notepad.exe", false, 0, *config).action, kSwitch);
  EXPECT_EQ(ActiveInFile(), 2);
}

TEST_F(ProgramFollowerTest, SeesLinksChangedInTheFileAtTheNextProgram) {
  SettingsStore store(settings);
  ASSERT_TRUE(store.LoadOnly());
  ASSERT_EQ(LinkProgram(store.config(), 0, u"C:\\Games\\game.exe").result, LinkResult::kLinked);
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(follower.OnProgramInFront(u"game.exe", false, 0, *config).profile, 0);
  EXPECT_EQ(ActiveInFile(), 0);
}

TEST_F(ProgramFollowerTest, AFileItCannotReadIsLeftAlone) {
  const std::string original = ReadBytes(settings);
  std::filesystem::resize_file(settings, kMaxSettingsFileBytes + 1);
  EXPECT_EQ(follower.OnProgramInFront(u"notepad.exe", false, 0, *config).action, kNothing);
  EXPECT_EQ(std::filesystem::file_size(settings), kMaxSettingsFileBytes + 1);
  EXPECT_FALSE(std::filesystem::exists(journal));

  EXPECT_EQ(ReadBytes(settings).substr(0, original.size()), original);
  std::filesystem::remove(settings);
  EXPECT_EQ(follower.OnProgramInFront(u"notepad.exe", false, 0, *config).action, kNothing);
  EXPECT_FALSE(std::filesystem::exists(settings)) << "the service creates no settings file";
}

}  // namespace
