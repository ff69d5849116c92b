#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "settings/SettingsFile.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

using nlohmann::json;

class R58ctlSettings : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string file = (dir / "GamingMouse").string();
  std::string skin = (dir / "skin.ini").string();
};

TEST_F(R58ctlSettings, InitThenDumpPrintsTheDefaults) {
  EXPECT_EQ(RunR58ctl("settings dump " + file).code, 3);
  ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
  const std::string written = ReadBytes(dir / "GamingMouse");
  ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
  EXPECT_EQ(ReadBytes(dir / "GamingMouse"), written) << "a present file is left alone";

  const ToolResult r = RunR58ctl("settings dump " + file);
  ASSERT_EQ(r.code, 0);
  const json d = json::parse(r.out);
  EXPECT_EQ(d["lan_id"], 1);
  EXPECT_EQ(d["Totle"], 6);
  EXPECT_EQ(d["sections"], json({0, 1, 2, 3, 4, 5}));
  ASSERT_EQ(d["profiles"].size(), 6u);
  const json& p = d["profiles"][0];
  EXPECT_EQ(p["DPI_Cur"], 3);
  EXPECT_EQ(p["DPI_Value"], json({1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(p["DPI_Color"], json({255, 65280, 16711680, 16776960, 16711935, 65535, 16777215}));
  EXPECT_EQ(p["light_Cycle"], json({255, 65280, 16711680, 65535, 16776960, 16711935, 16777215}));
  EXPECT_EQ(p["POLLRATE_VALUE"], 2);
  EXPECT_EQ(p["Mouse_Speed"], 5);
  const int codes[] = {160, 161, 162, 194, 164, 163, 0};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(p["buttons"][i]["button"], i + 1);
    EXPECT_EQ(p["buttons"][i]["code"], codes[i]);
    EXPECT_EQ(p["buttons"][i]["library"], -1);
    EXPECT_EQ(p["buttons"][i]["events"], json::array());
  }
}

TEST_F(R58ctlSettings, DumpLimitsAStoredEventCountToTheEventArea) {
  ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
  {
    SettingsStore store(dir / "GamingMouse");
    store.LoadOnly();
    ButtonSlot& slot = store.config().profiles[0].slots[2];
    slot.code = kCodeMacro;
    slot.count = 200;
    slot.events[0] = {0x14, 0, 1};
    ASSERT_TRUE(store.Save());
  }
  const json d = json::parse(RunR58ctl("settings dump " + file).out);
  const json& b = d["profiles"][0]["buttons"][2];
  EXPECT_EQ(b["count"], 92);
  ASSERT_EQ(b["events"].size(), 92u);
  EXPECT_EQ(b["events"][0], json({0x14, 1}));
}

TEST_F(R58ctlSettings, ProfileAddNamesFromTheSkinAndRefusesASeventh) {
  ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
  WriteBytes(dir / "skin.ini", Utf16File("[FUNC_STRING]\r\n10=Profil\r\n"));
  const ToolResult deleted = RunR58ctl("profile delete " + file + " 0x1 --skin " + skin);
  ASSERT_EQ(deleted.code, 0);
  EXPECT_EQ(json::parse(deleted.out)["Totle"], 5);

  const ToolResult added = RunR58ctl("profile add " + file + " --skin " + skin);
  ASSERT_EQ(added.code, 0);
  const json header = json::parse(added.out);
  EXPECT_EQ(header["Totle"], 6);
  EXPECT_EQ(header["Current"], 5);
  EXPECT_EQ(header["sections"][5], 1) << "the freed section is reused";
  const json d = json::parse(RunR58ctl("settings dump " + file).out);
  // The unnamed profiles are named by their index at load: Profil 1 .. Profil 5.
  EXPECT_EQ(d["profiles"][5]["Profil_Name"], "Profil 6");

  EXPECT_EQ(RunR58ctl("profile add " + file + " --skin " + skin).code, 1);
}

TEST_F(R58ctlSettings, ExitCodesForUsageAndFiles) {
  ASSERT_EQ(RunR58ctl("settings init " + file).code, 0);
  struct Case {
    std::string args;
    int code;
  } cases[] = {
      {"profile delete " + file + " 6", 2},
      {"profile delete " + file + " -1", 2},
      {"profile delete " + file + " zwei", 2},
      {"profile add " + (dir / "missing").string(), 3},
      {"settings frobnicate " + file, 2},
      {"", 2},
      {"settings init " + (dir / "no" / "folder").string(), 3},
  };
  for (const Case& c : cases) EXPECT_EQ(RunR58ctl(c.args).code, c.code) << c.args;
}

TEST_F(R58ctlSettings, DeletingTheOnlyProfileIsDoneAndChangesNothing) {
  WriteBytes(dir / "GamingMouse", "[Setting]\r\nTotle=1\r\n");
  const ToolResult r = RunR58ctl("profile delete " + file + " 0");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(json::parse(r.out)["Totle"], 1);
}

}  // namespace
