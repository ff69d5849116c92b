#include <gtest/gtest.h>

#include <memory>

#include "settings/SettingsFile.h"
#include "tests/native/TestFiles.h"
#include "tools/hid/Journal.h"

namespace {

class HidJournalTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path file = dir / "GamingMouse";
  std::unique_ptr<MouseConfig> config = std::make_unique<MouseConfig>();
};

TEST_F(HidJournalTest, DescribesTheActiveProfileAsTheMouseGetsIt) {
  SettingsStore store(file);
  ASSERT_TRUE(store.Reload());
  MouseConfig& c = store.config();
  c.header.active = 1;
  ProfileRecord& p = c.profiles[1];
  SetFixedText(p.name, u"Sniper ✓");
  p.dpiValue[2] = 0;
  p.dpiCur = 4;
  p.pollRate = 3;
  p.lightColor[0] = 0x00FF8040;  // blue FF, green 80, red 40
  p.cycleEnable = 1;
  ASSERT_TRUE(store.Save());

  bool exists = false;
  const auto entry = ApplyEntry(file, 0, *config, &exists);
  EXPECT_TRUE(exists);
  EXPECT_EQ(entry["time"], "1970-01-01T00:00:00Z");
  EXPECT_EQ(entry["message"], "apply");
  EXPECT_EQ(entry["file"], "complete");
  EXPECT_EQ(entry["active"], 1);
  const auto& profile = entry["profile"];
  EXPECT_EQ(profile["name"], "Sniper ✓");
  EXPECT_EQ(profile["dpi"], nlohmann::json({600, 1200, 0, 3000, 4000, 5000, 7000}));
  EXPECT_EQ(profile["dpi_level"], 4);
  EXPECT_EQ(profile["polling_hz"], 1000);
  EXPECT_EQ(profile["lighting"]["colors"][0], "#4080FF");
  EXPECT_EQ(profile["lighting"]["cycle"], true);
  EXPECT_EQ(profile["buttons"].size(), 7u);
  EXPECT_EQ(profile["buttons"][0]["code"], 0xA0);
}

TEST_F(HidJournalTest, TellsCompleteIncompleteAndMissingFilesApart) {
  bool exists = true;
  EXPECT_EQ(ApplyEntry(file, 0, *config, &exists)["file"], "missing");
  EXPECT_FALSE(exists);

  SettingsStore store(file);
  ASSERT_TRUE(store.Reload());
  EXPECT_EQ(ApplyEntry(file, 0, *config, nullptr)["file"], "complete");

  IniFile ini(file);
  std::u16string value = ini.ReadString(u"Profile3Setting", u"ButtonAssigned5");
  value[0] = value[0] == u'0' ? u'1' : u'0';
  ini.WriteString(u"Profile3Setting", u"ButtonAssigned5", value);
  ASSERT_TRUE(ini.Commit());
  EXPECT_EQ(ApplyEntry(file, 0, *config, nullptr)["file"], "incomplete") << "a bad checksum";

  WriteBytes(file, "[Setting]\nTotle=1\n[Profile0Setting]\nDPI_Cur=2\n");
  const auto entry = ApplyEntry(file, 0, *config, nullptr);
  EXPECT_EQ(entry["file"], "incomplete");
  EXPECT_EQ(entry["profile"]["dpi_level"], 2) << "validated values are still reported";
}

TEST_F(HidJournalTest, AppendsOneLinePerEntry) {
  const auto journal = dir / "hid-journal.jsonl";
  ASSERT_TRUE(AppendJournal(journal, ResetEntry(60)));
  ASSERT_TRUE(AppendJournal(journal, ResetEntry(120)));
  EXPECT_EQ(ReadBytes(journal),
            "{\"time\":\"1970-01-01T00:01:00Z\",\"message\":\"reset\"}\n"
            "{\"time\":\"1970-01-01T00:02:00Z\",\"message\":\"reset\"}\n");
}

}  // namespace
