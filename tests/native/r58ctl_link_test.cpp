#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "settings/IniFile.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

using nlohmann::json;

class R58ctlLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
    ASSERT_EQ(RunR58ctl("profile delete " + file + " 5").code, 0);
    ASSERT_EQ(RunR58ctl("profile delete " + file + " 4").code, 0);
  }

  json Links() const { return json::parse(RunR58ctl("link list " + file).out); }

  ScratchDir dir;
  std::string file = (dir / "GamingMouse").string();
};

TEST_F(R58ctlLinks, AddListMoveAndRemove) {
  EXPECT_EQ(Links(), json::array());
  const ToolResult added = RunR58ctl("link add " + file + " 2 'C:\\Games\\Šachy.exe'");
  ASSERT_EQ(added.code, 0);
  EXPECT_EQ(json::parse(added.out), json::parse(R"({"profile": 2, "entry": 0,
      "path": "C:\\Games\\Šachy.exe", "name": "Šachy.exe", "moved_from": null})"));
  ASSERT_EQ(RunR58ctl("link add " + file + " 0x2 'C:\\Tools\\tool.exe'").code, 0);

  // Linking it to another profile moves it, whatever the case of its name.
  const ToolResult moved = RunR58ctl("link add " + file + " 1 'D:\\ŠACHY.EXE'");
  ASSERT_EQ(moved.code, 0);
  EXPECT_EQ(json::parse(moved.out)["moved_from"], 2);
  EXPECT_EQ(Links(), json::parse(R"([
      {"profile": 1, "entry": 0, "path": "D:\\ŠACHY.EXE", "name": "ŠACHY.EXE"},
      {"profile": 2, "entry": 1, "path": "C:\\Tools\\tool.exe", "name": "tool.exe"}])"));
  // The program reads them as its own fields.
  const json dump = json::parse(RunR58ctl("settings dump " + file).out);
  EXPECT_EQ(dump["profiles"][1]["ExeName"][0], "ŠACHY.EXE");
  EXPECT_EQ(dump["profiles"][2]["ExePath"][1], "C:\\Tools\\tool.exe");

  const ToolResult removed = RunR58ctl("link remove " + file + " šachy.exe");
  ASSERT_EQ(removed.code, 0);
  EXPECT_EQ(json::parse(removed.out)[0]["profile"], 1);
  EXPECT_EQ(Links().size(), 1u);
}

TEST_F(R58ctlLinks, ExitStatuses) {
  for (int i = 0; i < 7; ++i)
    ASSERT_EQ(RunR58ctl("link add " + file + " 0 C:\\\\t" + std::to_string(i) + ".exe").code, 0);
  ASSERT_EQ(RunR58ctl("link add " + file + " 3 C:\\\\game.exe").code, 0);
  const std::string before = ReadBytes(file);
  const std::string folder = dir.path().string();
  struct Case {
    std::string args;
    int code;
  } cases[] = {
      {"link add " + file + " 0 C:\\\\t3.exe", 0},    // one of its seven again
      {"link add " + file + " 0 C:\\\\game.exe", 1},  // an eighth, even moved from profile 3
      {"link add " + file + " 0 C:\\\\" + std::string(300, 'x') + ".exe", 1},
      {"link remove " + file + " C:\\\\other.exe", 1},
      {"link add " + file + " 4 C:\\\\game.exe", 2},  // four profiles in use
      {"link add " + file + " -1 C:\\\\game.exe", 2},
      {"link add " + file + " drei C:\\\\game.exe", 2},
      {"link add " + file + " 0 'C:\\Games\\'", 2},
      {"link add " + file + " 0", 2},
      {"link frobnicate " + file, 2},
      {"link list " + (dir / "missing").string(), 3},
      {"link add " + folder + " 0 C:\\\\game.exe", 3},
      {"link remove " + folder + " game.exe", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(RunR58ctl(c.args).code, c.code) << c.args;
  EXPECT_EQ(ReadBytes(file), before) << "nothing refused was written";
  EXPECT_EQ(Links()[7]["profile"], 3);
}

TEST_F(R58ctlLinks, ProfileUseMakesAProfileActiveAndCurrent) {
  const ToolResult used = RunR58ctl("profile use " + file + " 3");
  ASSERT_EQ(used.code, 0);
  EXPECT_EQ(json::parse(used.out), json::parse(R"({"active": 3, "service": false})"));
  const IniFile ini(dir / "GamingMouse");
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Active", -1), 3);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Current", -1), 3);

  const std::string before = ReadBytes(file);
  struct Case {
    std::string args;
    int code;
  } cases[] = {
      {"profile use " + file + " 4", 2},
      {"profile use " + file + " -1", 2},
      {"profile use " + file + " 0x", 2},
      {"profile use " + file, 2},
      {"profile use " + (dir / "missing").string() + " 0", 3},
      {"profile use " + dir.path().string() + " 0", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(RunR58ctl(c.args).code, c.code) << c.args;
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

}  // namespace
