#include <gtest/gtest.h>

#include <memory>

#include "device/ServiceLink.h"
#include "macro/Libraries.h"
#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "tests/LibraryFixture.h"
#include "tests/native/TestFiles.h"

namespace {

TEST(ServiceMessages, DpiLevelOutsideItsRangesIsIgnored) {
  auto config = std::make_unique<MouseConfig>();
  struct Case {
    std::intptr_t profile, level;
    bool applied;
  } cases[] = {{1, 4, true},   {5, 0, true},  {0, 6, true},  {6, 2, false},
               {-1, 2, false}, {2, 7, false}, {2, -1, false}};
  for (const Case& c : cases) {
    for (ProfileRecord& p : config->profiles) p.dpiCur = 3;
    EXPECT_EQ(SetDpiLevel(*config, c.profile, c.level), c.applied) << c.profile << "," << c.level;
    if (c.applied) {
      EXPECT_EQ(config->profiles[c.profile].dpiCur, c.level);
    }
    for (int i = 0; i < kMaxProfiles; ++i) {
      if (!c.applied || i != c.profile) {
        EXPECT_EQ(config->profiles[i].dpiCur, 3);
      }
    }
  }
}

TEST(ServiceMessages, OnScreenDisplayStoresOnlyZeroOrOne) {
  auto config = std::make_unique<MouseConfig>();
  config->header.showOsd = 1;
  EXPECT_TRUE(SetShowOsd(*config, 0));
  EXPECT_EQ(config->header.showOsd, 0);
  EXPECT_FALSE(SetShowOsd(*config, 7));
  EXPECT_FALSE(SetShowOsd(*config, -1));
  EXPECT_EQ(config->header.showOsd, 0);
  EXPECT_TRUE(SetShowOsd(*config, 1));
  EXPECT_EQ(config->header.showOsd, 1);
}

TEST(ServiceMessages, OnlyTheTwoShutdownValuesEndTheProgram) {
  EXPECT_TRUE(IsShutdownRequest(0x0916));
  EXPECT_TRUE(IsShutdownRequest(0x0917));
  EXPECT_FALSE(IsShutdownRequest(0x0918));
  EXPECT_FALSE(IsShutdownRequest(0));
}

TEST(ApplySettingsToFiles, FillsOnlyTheCurrentProfileAndMakesItActive) {
  ScratchDir dir;
  SettingsStore settings(dir / "GamingMouse");
  ASSERT_TRUE(settings.Reload());
  Libraries libraries(dir.path());
  libraries.Reload();
  LibraryEntry macro;
  macro.name = u"Burst";
  macro.number = libraries.macros.NewLibraryNumber();
  macro.events[0] = {0x14, 0, 1};
  macro.events[1] = {0xFF, 0, 30};
  macro.events[2] = {0x14, 0, 0};
  ASSERT_EQ(libraries.macros.SaveEditedRecord(macro, true), kLibraryDone);
  libraries.Reload();

  MouseConfig& c = settings.config();
  for (int profile : {1, 2}) {
    AssignMacro(c.profiles[profile].slots[3], macro.number, 0, 0);
    AssignPattern(c.profiles[profile].slots[4], 2);  // built-in "TOMPSON"
  }
  c.header.current = 2;
  ASSERT_TRUE(ApplySettingsToFiles(settings, libraries));

  SettingsStore back(dir / "GamingMouse");
  back.LoadOnly();
  const MouseConfig& b = back.config();
  EXPECT_EQ(b.header.active, 2);
  EXPECT_EQ(b.profiles[2].slots[3].count, 3);
  EXPECT_EQ(b.profiles[2].slots[3].events[1].value, 30);
  EXPECT_EQ(b.profiles[2].slots[4].count, 5);
  EXPECT_EQ(b.profiles[2].slots[4].events[0].code, 4) << "fire code of pattern number 2";
  EXPECT_EQ(b.profiles[1].slots[3].count, 0) << "other profiles keep what they had";
  EXPECT_EQ(b.profiles[1].slots[3].code, kCodeMacro);
}

TEST(ApplySettingsToFiles, LeavesFilesThatCouldNotBeReadAsTheyAre) {
  ScratchDir dir;
  const auto settingsPath = dir / "GamingMouse";
  const auto macroPath = dir / "MacroSetting";
  {
    SettingsStore settings(settingsPath);
    ASSERT_TRUE(settings.Reload());
    Libraries libraries(dir.path());
    libraries.Reload();
    SaveOneKeyMacro(libraries);
    AssignMacro(settings.config().profiles[0].slots[3], 0, 0, 0);
    ASSERT_TRUE(ApplySettingsToFiles(settings, libraries));
  }

  // A macro library above the read limit: not rewritten, and the slots keep
  // the events they last received instead of losing them.
  std::filesystem::resize_file(macroPath, kMaxSettingsFileBytes + 1);
  const std::string library = ReadBytes(macroPath);
  {
    SettingsStore settings(settingsPath);
    ASSERT_TRUE(settings.Reload());
    Libraries libraries(dir.path());
    EXPECT_FALSE(libraries.Reload());
    EXPECT_TRUE(ApplySettingsToFiles(settings, libraries)) << "the settings are applied";
    EXPECT_TRUE(ReadBytes(macroPath) == library);
    SettingsStore back(settingsPath);
    ASSERT_TRUE(back.LoadOnly());
    EXPECT_EQ(back.config().profiles[0].slots[3].count, 1);
    EXPECT_EQ(back.config().profiles[0].slots[3].events[0].code, 0x14);
  }

  // A settings file above the read limit: the program runs on defaults and the
  // apply does not write them over the user's file.
  std::filesystem::resize_file(macroPath, 0);
  std::filesystem::resize_file(settingsPath, kMaxSettingsFileBytes + 1);
  const std::string settingsBytes = ReadBytes(settingsPath);
  SettingsStore settings(settingsPath);
  EXPECT_FALSE(settings.Reload());
  Libraries libraries(dir.path());
  libraries.Reload();
  EXPECT_FALSE(ApplySettingsToFiles(settings, libraries));
  EXPECT_TRUE(ReadBytes(settingsPath) == settingsBytes);
}

}  // namespace
