// The tool on files a user could lose: files it cannot read, read-only files,
// links, and settings whose profile table the load repairs.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "settings/FileIo.h"
#include "settings/IniFile.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

using nlohmann::json;
using std::filesystem::perms;

class R58ctlFileSafety : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path settings = dir / "GamingMouse";
  std::filesystem::path macros = dir / "MacroSetting";
  std::string gm = settings.string();
  std::string lib = macros.string();
  std::string record = (dir / "one.mac").string();

  // The user's files: settings with a renamed profile and a current profile
  // that is not the active one, a library of one macro and a macro file to import.
  void MakeUsersFiles() {
    ASSERT_EQ(RunR58ctl("settings init " + gm).code, 0);
    IniFile ini(settings);
    ini.WriteString(u"Profile1Setting", u"Profil_Name", u"Mine");
    ini.WriteInt(u"Setting", u"Current", 1);
    ini.WriteInt(u"Setting", u"Totle", 5);
    ASSERT_TRUE(ini.Commit());
    WriteBytes(record, "[MacroProfile]\nName=One\n");
    ASSERT_EQ(RunR58ctl("macro import " + lib + " " + record).code, 0);
  }

  // Commands that would change `file`, the settings file or the macro library.
  std::vector<std::string> WritersOf(const std::filesystem::path& file) {
    if (file == settings)
      return {"profile delete " + gm + " 1", "profile add " + gm, "apply " + gm};
    return {"macro import " + lib + " " + record, "macro delete " + lib + " 0"};
  }

  json Dump() { return json::parse(RunR58ctl("settings dump " + gm).out); }
};

std::vector<std::string> Names(const json& dump) {
  std::vector<std::string> names;
  for (const json& p : dump["profiles"]) names.push_back(p["Profil_Name"]);
  return names;
}

TEST_F(R58ctlFileSafety, FilesAboveTheReadLimitAreRefusedAndLeftByteIdentical) {
  MakeUsersFiles();
  for (const auto& file : {settings, macros}) {
    const std::string users = ReadBytes(file);
    std::filesystem::resize_file(file, kMaxSettingsFileBytes + 1);
    const std::string before = ReadBytes(file);
    std::vector<std::string> commands = WritersOf(file);
    commands.push_back("settings init " + file.string());
    commands.push_back(file == settings ? "settings dump " + gm : "macro list " + lib);
    commands.push_back("macro delete " + lib + " 0 --settings " + gm);
    commands.push_back("apply " + gm);  // fills slots from the library and rewrites it
    for (const std::string& args : commands) {
      EXPECT_EQ(RunR58ctl(args).code, 3) << args;
      EXPECT_TRUE(ReadBytes(file) == before) << args << ": the file is byte-identical";
    }
    std::filesystem::resize_file(file, users.size());
    ASSERT_EQ(ReadBytes(file), users);
  }
  EXPECT_EQ(Names(Dump())[1], "Mine");
}

TEST_F(R58ctlFileSafety, FilesWithoutReadPermissionAreRefusedAndLeftAlone) {
  MakeUsersFiles();
  GiveToOrdinaryUser(dir.path());
  for (const auto& file : {settings, macros, dir / "one.mac"}) GiveToOrdinaryUser(file);
  for (const auto& file : {settings, macros}) {
    const std::string before = ReadBytes(file);
    std::filesystem::permissions(file, perms::owner_write);
    std::vector<std::string> commands = WritersOf(file);
    commands.push_back(file == settings ? "settings dump " + gm : "macro list " + lib);
    commands.push_back("apply " + gm);
    for (const std::string& args : commands) {
      const int code = RunR58ctlAsOrdinaryUser(args);
      if (code == kToolNotRunnable) GTEST_SKIP() << "the ordinary user cannot run " R58CTL_PATH;
      EXPECT_EQ(code, 3) << args;
      EXPECT_EQ(ReadBytes(file), before) << args;
      EXPECT_EQ(std::filesystem::status(file).permissions() & perms::mask, perms::owner_write);
    }
    std::filesystem::permissions(file, perms::owner_read | perms::owner_write);
  }
}

TEST_F(R58ctlFileSafety, ReadOnlyFilesAreRefusedNotReplaced) {
  MakeUsersFiles();
  const perms readOnly = perms::owner_read | perms::group_read | perms::others_read;
  for (const auto& file : {settings, macros}) {
    const std::string before = ReadBytes(file);
    std::filesystem::permissions(file, readOnly);
    for (const std::string& args : WritersOf(file)) {
      EXPECT_EQ(RunR58ctl(args).code, 3) << args;
      EXPECT_EQ(ReadBytes(file), before) << args;
    }
    std::filesystem::permissions(file, perms::owner_read | perms::owner_write);
  }
}

TEST_F(R58ctlFileSafety, SomethingElseThanAFileIsNeitherInitialisedNorDumped) {
  std::filesystem::create_directory(settings);
  EXPECT_EQ(RunR58ctl("settings init " + gm).code, 3);
  EXPECT_EQ(RunR58ctl("settings dump " + gm).code, 3);
  EXPECT_EQ(RunR58ctl("macro list " + gm).code, 3);
  EXPECT_TRUE(std::filesystem::is_directory(settings));
}

TEST_F(R58ctlFileSafety, WritesGoThroughLinksAndKeepPermissionBits) {
  MakeUsersFiles();
  std::filesystem::permissions(settings, perms::owner_read | perms::owner_write);
  std::filesystem::create_symlink("GamingMouse", dir / "link");
  ASSERT_EQ(RunR58ctl("profile delete " + (dir / "link").string() + " 0").code, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
  EXPECT_EQ(Dump()["Totle"], 4) << "the file the link names was written";
  EXPECT_EQ(std::filesystem::status(settings).permissions() & perms::mask,
            perms::owner_read | perms::owner_write);
}

TEST_F(R58ctlFileSafety, MalformedNumbersAreUsageErrors) {
  MakeUsersFiles();
  const std::string before = ReadBytes(settings);
  for (const char* index : {"-0x-1", "--5", "0x-5", "+1", "0x", "1x"})
    EXPECT_EQ(RunR58ctl("profile delete " + gm + " -- " + index).code, 2) << index;
  EXPECT_EQ(ReadBytes(settings), before);
  EXPECT_EQ(RunR58ctl("profile delete " + gm + " -- -9223372036854775808").code, 2)
      << "a number, but no profile";
  EXPECT_EQ(RunR58ctl("profile delete " + gm + " 0x1").code, 0);
}

TEST_F(R58ctlFileSafety, RepairedProfileNumbersSurviveTheNextWrite) {
  struct Case {
    const char* what;
    const char* file;
    std::string command;
    std::vector<std::string> before, after;  // the dumped names
    std::vector<int> kept;  // the profiles dumped before that the first ones after are
  };
  const char* outOfRange =
      "[Setting]\r\nTotle=2\r\n0=7\r\n1=0\r\n[Profile0Setting]\r\nProfil_Name=Second\r\n"
      "[Profile7Setting]\r\nProfil_Name=First\r\nDPI_Cur=5\r\n";
  const char* noCount =
      "[Setting]\r\nTotle=0\r\n[Profile0Setting]\r\nProfil_Name=Old\r\nGroupID=4\r\n";
  const Case cases[] = {
      {"out of range, delete 1",
       outOfRange,
       "profile delete " + gm + " 1",
       {"First", "Second"},
       {"First"},
       {0}},
      {"out of range, delete 0",
       outOfRange,
       "profile delete " + gm + " 0",
       {"First", "Second"},
       {"Second"},
       {1}},
      // The tool names unnamed profiles before adding, as the profile bar does.
      {"no count, add", noCount, "profile add " + gm, {""}, {"Profile 1", "Profile 2"}, {0}},
  };
  const auto withoutName = [](json profile) {
    profile.erase("Profil_Name");
    return profile;
  };
  for (const Case& c : cases) {
    WriteBytes(settings, c.file);
    const json before = Dump();
    EXPECT_EQ(Names(before), c.before) << c.what;
    ASSERT_EQ(RunR58ctl(c.command).code, 0) << c.what;
    const json after = Dump();
    EXPECT_EQ(Names(after), c.after) << c.what;
    for (std::size_t i = 0; i < c.kept.size(); ++i)
      EXPECT_EQ(withoutName(after["profiles"][i]), withoutName(before["profiles"][c.kept[i]]))
          << c.what << ", profile " << i;
  }
}

TEST_F(R58ctlFileSafety, DeletingAProfileKeepsActiveOnTheSameProfile) {
  struct Case {
    int active, index, want;
  } cases[] = {{2, 0, 1}, {0, 2, 0}, {1, 1, 1}, {2, 2, 1}};
  for (const Case& c : cases) {
    WriteBytes(settings, "[Setting]\r\nTotle=3\r\nActive=" + std::to_string(c.active) + "\r\n");
    ASSERT_EQ(RunR58ctl("profile delete " + gm + " " + std::to_string(c.index)).code, 0);
    EXPECT_EQ(Dump()["Active"], c.want) << c.active << " " << c.index;
    EXPECT_EQ(IniFile(settings).ReadInt(u"Setting", u"Active", -1), c.want);
  }
}

}  // namespace
