// r58ctl skin parse|text, and the program's own generated skin files read
// through the skin routines.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "skin/LanguageTable.h"
#include "skin/SkinFile.h"
#include "tests/native/TestFiles.h"
#include "tests/native/ToolRun.h"

namespace {

using ToolRun = ToolResult;

ToolRun SkinTool(const std::string& args) { return RunR58ctl("skin " + args); }

const std::filesystem::path kEnglishSkin =
    std::filesystem::path(R58_PROGRAM_DIR) / "Lan" / "skin_En.ini";

TEST(SkinTool, ParsePrintsTheEntryAsJson) {
  const ToolRun r = SkinTool("parse 'Btn,10,20,30,40,Play,TRUE'");
  ASSERT_EQ(r.code, 0);
  const nlohmann::json expected = {{"name", "Btn"}, {"left", 10},     {"top", 20}, {"right", 40},
                                   {"bottom", 60},  {"text", "Play"}, {"flag", 1}};
  EXPECT_EQ(nlohmann::json::parse(r.out), expected);

  const ToolRun czech = SkinTool("parse 'Tlačítko,1,2,3,4,Střelba,0'");
  ASSERT_EQ(czech.code, 0);
  EXPECT_EQ(nlohmann::json::parse(czech.out)["text"], "Střelba");
  EXPECT_EQ(nlohmann::json::parse(SkinTool("parse ''").out)["right"], 0);
}

TEST(SkinTool, TextPrintsTheNumberedStringOfTheGivenFile) {
  ScratchDir dir;
  WriteBytes(dir / "skin.ini", Utf16File("[FUNC_STRING]\r\n10=Word\r\nAB=Hex\r\n16=Wrong\r\n"));
  const std::string skin = (dir / "skin.ini").string();
  EXPECT_EQ(SkinTool("text " + skin + " 0x10").out, "Word\n");
  EXPECT_EQ(SkinTool("text " + skin + " 16").out, "Word\n");
  EXPECT_EQ(SkinTool("text " + skin + " 0xab").out, "Hex\n");
  const ToolRun absent = SkinTool("text " + skin + " 0x91");
  EXPECT_EQ(absent.code, 0);
  EXPECT_EQ(absent.out, "\n");
  EXPECT_EQ(SkinTool("text " + (dir / "none.ini").string() + " 16").code, 3);
  EXPECT_EQ(SkinTool("text " + skin + " sixteen").code, 2);
  EXPECT_EQ(SkinTool("text " + skin + " -1").code, 2);
}

TEST(GeneratedSkin, ToolReadsTheProfileWordOfTheEnglishSkin) {
  ASSERT_TRUE(std::filesystem::exists(kEnglishSkin));
  const ToolRun r = SkinTool("text " + kEnglishSkin.string() + " 0x10");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "Profile\n");
}

// Every entry of the main window's position section places a real control:
// seven fields, a rectangle of positive size inside the 1560 x 700 window, and
// the Flag field agreeing with the parsed flag.
TEST(GeneratedSkin, EveryMainEntryParsesToARectangleInsideTheWindow) {
  for (int lanId : {0, 1}) {
    const IniFile skin(SkinFileFor(R58_PROGRAM_DIR, lanId));
    ASSERT_TRUE(skin.existed());
    int entries = 0;
    skin.Visit(
        [&](std::u16string_view section, std::u16string_view key, std::u16string_view value) {
          if (section != u"MAIN") return;
          ++entries;
          SCOPED_TRACE(Utf16ToUtf8(key) + "=" + Utf16ToUtf8(value));
          const SkinEntry e = ParseSkinEntry(value);
          const std::size_t lastComma = value.rfind(u',');
          ASSERT_NE(lastComma, std::u16string_view::npos);
          EXPECT_EQ(e.flag, value.substr(lastComma + 1) == u"TRUE" ? 1 : 0);
          EXPECT_GE(e.left, 0);
          EXPECT_GE(e.top, 0);
          EXPECT_GT(e.right, e.left);
          EXPECT_GT(e.bottom, e.top);
          EXPECT_LE(e.right, 1560);
          EXPECT_LE(e.bottom, 700);
          EXPECT_EQ(std::count(value.begin(), value.end(), u','), 6);
        });
    EXPECT_GT(entries, 10);
  }
}

}  // namespace
