#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "macro/Libraries.h"
#include "settings/SettingsFile.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

int RunTool(const std::string& args, std::string* out = nullptr) {
  const ToolResult result = RunR58ctl(args);
  if (out) *out = result.out;
  return result.code;
}

TEST(R58ctlApply, PutsTheAssignedPatternEventsIntoTheCurrentProfile) {
  ScratchDir dir;
  const auto settings = dir / "GamingMouse";
  EXPECT_EQ(RunTool("apply " + settings.string()), 3) << "the settings file must exist";

  {
    SettingsStore store(settings);
    ASSERT_TRUE(store.Reload());
    store.config().header.current = 1;
    AssignPattern(store.config().profiles[1].slots[2], 7);  // built-in "M4"
    ASSERT_TRUE(store.Save());
  }
  std::string out;
  ASSERT_EQ(RunTool("apply " + settings.string(), &out), 0);
  EXPECT_EQ(nlohmann::json::parse(out)["active"], 1);
  EXPECT_TRUE(std::filesystem::exists(dir / "BulletSetting")) << "built-in patterns created";

  SettingsStore back(settings);
  back.LoadOnly();
  const ButtonSlot& slot = back.config().profiles[1].slots[2];
  EXPECT_EQ(slot.count, 5);
  EXPECT_EQ(slot.events[0].code, 9) << "fire code of pattern number 7";
  EXPECT_EQ(slot.events[4].code, 12);
  EXPECT_EQ(slot.events[4].value, (50 << 8) | 30) << "horizontal 0, vertical -30";
}

}  // namespace
