#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "macro/Library.h"
#include "macro/Patterns.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

using Result = ToolResult;

Result Tool(const std::string& args) { return RunR58ctl(args); }

nlohmann::json Json(const Result& r) { return nlohmann::json::parse(r.out); }

class R58ctlMacroTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string lib = (dir / "MacroSetting").string();
  std::string patterns = (dir / "BulletSetting").string();

  void WriteMacros(int n) {
    IniFile ini(dir / "MacroSetting");
    ini.WriteInt(u"Setting", u"Total", n);
    for (int i = 0; i < n; ++i) {
      ini.WriteInt(u"Setting", DecimalText(i), i + 10);
      const std::u16string s = RecordSection(LibraryKind::kMacro, i + 10);
      ini.WriteString(s, u"Name", u"M" + DecimalText(i));
      ini.WriteInt(s, u"ReaptType", 1);
      ini.WriteInt(s, u"ReaptTimes", 3);
      const EventList e = {{{0x14, 0, 1}, {0xFF, 0, 30}, {0x14, 0, 0}}};
      ini.WriteStruct(s, u"Macro", e.data(), sizeof e);
    }
    ASSERT_TRUE(ini.Commit());
  }
};

TEST_F(R58ctlMacroTest, ListsExportsAndImportsMacros) {
  WriteMacros(2);
  const nlohmann::json list = Json(Tool("macro list " + lib));
  ASSERT_EQ(list.size(), 2u);
  const nlohmann::json expected = {{"position", 1},
                                   {"number", 11},
                                   {"name", "M1"},
                                   {"repeat_type", 1},
                                   {"repeat_times", 3},
                                   {"count", 3},
                                   {"events", {{0x14, 1}, {0xFF, 30}, {0x14, 0}}}};
  EXPECT_EQ(list[1], expected);

  const std::string file = (dir / "m1.mac").string();
  ASSERT_EQ(Tool("macro export " + lib + " 1 " + file).code, 0);
  const Result imported = Tool("macro import " + lib + " " + file);
  ASSERT_EQ(imported.code, 0);
  const nlohmann::json entry = Json(imported);
  EXPECT_EQ(entry["position"], 2);
  EXPECT_EQ(entry["number"], 0);
  EXPECT_EQ(entry["name"], "M1-1");
  EXPECT_EQ(entry["events"], expected["events"]);
  EXPECT_EQ(Json(Tool("macro list " + lib)).size(), 3u);

  ASSERT_EQ(Tool("macro delete " + lib + " 0").code, 0);
  const nlohmann::json after = Json(Tool("macro list " + lib));
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0]["name"], "M1");
  EXPECT_EQ(after[1]["name"], "M1-1");
}

TEST_F(R58ctlMacroTest, RefusalsAndErrorsEndWithTheirExitCodes) {
  WriteMacros(kLibraryCapacity);
  ASSERT_EQ(Tool("macro export " + lib + " 0 " + (dir / "a.mac").string()).code, 0);
  ASSERT_EQ(Tool("pattern init " + patterns).code, 0);
  const std::string missing = (dir / "nothing").string();
  const struct {
    std::string args;
    int code;
  } cases[] = {
      {"macro import " + lib + " " + (dir / "a.mac").string(), 1},  // full
      {"macro list " + missing, 3},
      {"macro import " + lib + " " + missing, 3},
      {"macro export " + lib + " 100 " + (dir / "b.mac").string(), 2},
      {"macro export " + lib + " x " + (dir / "b.mac").string(), 2},
      {"macro delete " + lib + " -1", 2},
      {"macro delete " + lib + " 0 --settings " + missing, 3},
      {"pattern delete " + patterns + " 7", 1},
      {"pattern delete " + patterns + " 0x8", 2},
      {"key name 256", 2},
      {"key vk -1", 2},
  };
  const std::string before = ReadBytes(dir / "MacroSetting");
  for (const auto& c : cases) EXPECT_EQ(Tool(c.args).code, c.code) << c.args;
  EXPECT_EQ(ReadBytes(dir / "MacroSetting"), before);
  EXPECT_EQ(Json(Tool("pattern list " + patterns)).size(), 8u);
  EXPECT_FALSE(std::filesystem::exists(dir / "b.mac"));
}

TEST_F(R58ctlMacroTest, DeleteRefusesAnEntryTheCurrentProfileUses) {
  WriteMacros(3);
  const std::filesystem::path settings = dir / "GamingMouse";
  {
    SettingsStore store(settings);
    ASSERT_TRUE(store.Reload());
    MouseConfig& c = store.config();
    c.header.current = 1;
    AssignMacro(c.profiles[1].slots[2], 11, 0, 0);  // "M1"
    AssignMacro(c.profiles[0].slots[1], 12, 0, 0);  // "M2", not the current profile
    ASSERT_TRUE(store.Save());
  }
  const std::string with = " --settings " + settings.string();
  EXPECT_EQ(Tool("macro delete " + lib + " 1" + with).code, 1);
  EXPECT_EQ(Json(Tool("macro list " + lib)).size(), 3u);
  EXPECT_EQ(Tool("macro delete " + lib + " 2" + with).code, 0);
  EXPECT_EQ(Tool("macro delete " + lib + " 1").code, 0) << "without settings nothing is in use";
  EXPECT_EQ(Json(Tool("macro list " + lib)).size(), 1u);
}

TEST_F(R58ctlMacroTest, PatternInitExportAndImportCountShots) {
  ASSERT_EQ(Tool("pattern init " + patterns).code, 0);
  nlohmann::json list = Json(Tool("pattern list " + patterns));
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list[7]["name"], "M4");
  EXPECT_EQ(list[7]["shots"], 1);
  EXPECT_EQ(list[7]["events"][0], nlohmann::json({9, 1}));

  Library p(LibraryKind::kPattern, dir / "BulletSetting");
  p.LoadLibraryFile();
  LibraryEntry three;
  three.number = p.NewLibraryNumber();
  three.name = u"Three";
  three.shots = 3;
  three.events = PatternEvents({{40, 0, -1}, {40, 0, -2}, {40, 0, -3}}, three.number);
  ASSERT_EQ(p.SaveEditedRecord(three, true), kLibraryDone);

  const std::string file = (dir / "three.mmac").string();
  ASSERT_EQ(Tool("pattern export " + patterns + " 8 " + file).code, 0);
  const nlohmann::json entry = Json(Tool("pattern import " + patterns + " " + file));
  EXPECT_EQ(entry["name"], "Three-1");
  EXPECT_EQ(entry["shots"], 3);
  EXPECT_EQ(entry["count"], 15);

  // An existing library is left as it is.
  ASSERT_EQ(Tool("pattern init " + patterns).code, 0);
  EXPECT_EQ(Json(Tool("pattern list " + patterns)).size(), 10u);
}

TEST(R58ctlKey, PrintsNamesAndCodes) {
  const struct {
    std::string args;
    std::string out;
  } cases[] = {{"key name 0x3F", "`(Dos/v)\n"}, {"key name 0x54", "\\\n"}, {"key name 0xA0", "\n"},
               {"key name 16", "~\n"},          {"key vk 0x5C", "160\n"},  {"key vk 0xC0", "16\n"},
               {"key vk 0x10", "0\n"}};
  for (const auto& c : cases) {
    const Result r = Tool(c.args);
    EXPECT_EQ(r.code, 0) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

}  // namespace
