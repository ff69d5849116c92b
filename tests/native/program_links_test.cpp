#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "settings/CaseFold.h"
#include "settings/ProfileFiles.h"
#include "settings/ProgramLinks.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

std::u16string U(std::string_view utf8) { return Utf8ToUtf16(utf8); }

struct Entry {
  int profile;
  int entry;
  std::string path;
  std::string name;
};

std::unique_ptr<MouseConfig> ProfilesWith(int count, const std::vector<Entry>& entries) {
  auto config = std::make_unique<MouseConfig>();
  ClearSettings(*config);
  config->header.totle = count;
  ValidateSettings(*config);
  for (const Entry& e : entries) {
    SetFixedText(config->profiles[e.profile].exePath[e.entry], U(e.path));
    SetFixedText(config->profiles[e.profile].exeName[e.entry], U(e.name));
  }
  return config;
}

// "profile:entry:name@path" of every used entry of the profiles in use.
std::vector<std::string> Links(const MouseConfig& config) {
  std::vector<std::string> out;
  for (const ProgramLink& l : AllProgramLinks(config))
    out.push_back(std::to_string(l.profile) + ":" + std::to_string(l.entry) + ":" +
                  Utf16ToUtf8(l.name) + "@" + Utf16ToUtf8(l.path));
  return out;
}

std::vector<Entry> ToolsIn(int profile, int count = kLinksPerProfile) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    const std::string name = "tool" + std::to_string(i) + ".exe";
    entries.push_back({profile, i, "C:\\Tools\\" + name, name});
  }
  return entries;
}

std::vector<std::string> ToolLinks(int profile, int count = kLinksPerProfile) {
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    const std::string name = "tool" + std::to_string(i) + ".exe";
    out.push_back(std::to_string(profile) + ":" + std::to_string(i) + ":" + name + "@C:\\Tools\\" +
                  name);
  }
  return out;
}

template <typename T>
std::vector<T> Plus(std::vector<T> list, const std::vector<T>& more) {
  list.insert(list.end(), more.begin(), more.end());
  return list;
}

TEST(ProgramLinks, LinkingFollowsTheRules) {
  const std::string game = "C:\\Games\\game.exe";
  const std::string longPath = "C:\\" + std::string(250, 'd') + "\\a.exe";  // 259 units
  struct Case {
    const char* what;
    std::vector<Entry> before;
    int profile;
    std::string path;
    LinkResult result;
    int entry;
    int movedFrom;
    bool changed;
    std::vector<std::string> after;
  } cases[] = {
      {"a first link", {}, 1, game, LinkResult::kLinked, 0, -1, true, {"1:0:game.exe@" + game}},
      {"a link moves between profiles",
       {{0, 3, game, "game.exe"}},
       2,
       game,
       LinkResult::kLinked,
       0,
       0,
       true,
       {"2:0:game.exe@" + game}},
      {"names compare without case, whatever the folder",
       {{0, 0, "D:\\Old\\GAME.EXE", "GAME.EXE"}},
       2,
       game,
       LinkResult::kLinked,
       0,
       0,
       true,
       {"2:0:game.exe@" + game}},
      {"and beyond ASCII",
       {{0, 0, "C:\\Hry\\Žluťoučký kůň.exe", "Žluťoučký kůň.exe"}},
       1,
       "D:\\ŽLUŤOUČKÝ KŮŇ.EXE",
       LinkResult::kLinked,
       0,
       0,
       true,
       {"1:0:ŽLUŤOUČKÝ KŮŇ.EXE@D:\\ŽLUŤOUČKÝ KŮŇ.EXE"}},
      {"the same path again is not doubled",
       {{1, 4, game, "game.exe"}},
       1,
       game,
       LinkResult::kAlreadyLinked,
       4,
       -1,
       false,
       {"1:4:game.exe@" + game}},
      {"the same program from another folder keeps its entry and takes the path",
       {{1, 4, game, "game.exe"}},
       1,
       "E:\\Steam\\Game.exe",
       LinkResult::kAlreadyLinked,
       4,
       -1,
       true,
       {"1:4:Game.exe@E:\\Steam\\Game.exe"}},
      {"a new link takes the first unused entry",
       {{1, 0, "C:\\a.exe", "a.exe"}, {1, 2, "C:\\c.exe", "c.exe"}},
       1,
       game,
       LinkResult::kLinked,
       1,
       -1,
       true,
       {"1:0:a.exe@C:\\a.exe", "1:1:game.exe@" + game, "1:2:c.exe@C:\\c.exe"}},
      {"an entry with a path but no name is unused",
       {{1, 0, "C:\\stale.exe", ""}},
       1,
       game,
       LinkResult::kLinked,
       0,
       -1,
       true,
       {"1:0:game.exe@" + game}},
      {"the seventh link fits", ToolsIn(1, 6), 1, game, LinkResult::kLinked, 6, -1, true,
       Plus(ToolLinks(1, 6), {"1:6:game.exe@" + game})},
      {"an eighth is refused and the program stays where it was",
       Plus(ToolsIn(1), {{0, 5, game, "game.exe"}}), 1, game, LinkResult::kProfileFull, -1, -1,
       false, Plus({"0:5:game.exe@" + game}, ToolLinks(1))},
      {"a full profile still takes one of its own programs", ToolsIn(1), 1, "D:\\TOOL3.EXE",
       LinkResult::kAlreadyLinked, 3, -1, true,
       [] {
         auto after = ToolLinks(1);
         after[3] = "1:3:TOOL3.EXE@D:\\TOOL3.EXE";
         return after;
       }()},
      {"a name a hand-edited file gives several entries keeps one",
       {{0, 1, game, "game.exe"}, {2, 0, game, "Game.exe"}, {2, 5, game, "game.exe"}},
       2,
       game,
       LinkResult::kAlreadyLinked,
       0,
       0,
       true,
       {"2:0:game.exe@" + game}},
      {"blanks at the ends go, as the file would drop them",
       {},
       0,
       "  " + game + " ",
       LinkResult::kLinked,
       0,
       -1,
       true,
       {"0:0:game.exe@" + game}},
      {"a path of 259 units fits",
       {},
       0,
       longPath,
       LinkResult::kLinked,
       0,
       -1,
       true,
       {"0:0:a.exe@" + longPath}},
      {"one of 260 does not", {}, 0, longPath + "x", LinkResult::kPathTooLong, -1, -1, false, {}},
      {"a folder is no program",
       {},
       0,
       "C:\\Games\\",
       LinkResult::kNoProgramName,
       -1,
       -1,
       false,
       {}},
      {"nor is nothing", {}, 0, "", LinkResult::kNoProgramName, -1, -1, false, {}},
      {"nor a path with a line break",
       {},
       0,
       "C:\\a\nb.exe",
       LinkResult::kNoProgramName,
       -1,
       -1,
       false,
       {}},
      {"a profile not in use", {}, 3, game, LinkResult::kNoSuchProfile, -1, -1, false, {}},
      {"a negative index", {}, -1, game, LinkResult::kNoSuchProfile, -1, -1, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto config = ProfilesWith(3, c.before);
    const LinkOutcome outcome = LinkProgram(*config, c.profile, U(c.path));
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.entry, c.entry);
    EXPECT_EQ(outcome.movedFrom, c.movedFrom);
    EXPECT_EQ(outcome.changed, c.changed);
    EXPECT_EQ(Links(*config), c.after);
  }
}

TEST(ProgramLinks, FindsTheProfileOfTheProgramInFront) {
  // Profile 3 is not in use: its entry is no link.
  const auto config = ProfilesWith(3, {{0, 2, "C:\\Games\\Game.exe", "Game.exe"},
                                       {1, 0, "C:\\Hry\\Šachy.exe", "Šachy.exe"},
                                       {1, 1, "C:\\Игры\\Игра.exe", "Игра.exe"},
                                       {2, 6, "C:\\Tools\\stale.exe", ""},
                                       {2, 3, "D:\\Twice\\game.EXE", "game.EXE"},
                                       {3, 0, "C:\\Old\\old.exe", "old.exe"}});
  const std::vector<ProgramLink> links = AllProgramLinks(*config);
  struct Case {
    std::string program;
    int profile;
  } cases[] = {
      {"Game.exe", 0},
      {"C:\\Program Files\\GAME.EXE", 0},  // first of the two profiles naming it
      {"/home/me/.wine/game.exe", 0},
      {"ŠACHY.EXE", 1},
      {"C:\\x\\šachy.exe", 1},
      {"ИГРА.EXE", 1},
      {"sachy.exe", -1},  // an accent is not a case
      {"Game.ex", -1},
      {"stale.exe", -1},  // no name, no link
      {"old.exe", -1},
      {"C:\\Games\\", -1},
      {"", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindLinkedProfile(links, U(c.program)), c.profile) << c.program;
}

TEST(ProgramLinks, UnlinkingGoesByTheFileName) {
  auto config = ProfilesWith(3, {{0, 1, "C:\\Games\\game.exe", "game.exe"},
                                 {2, 4, "C:\\Other\\GAME.exe", "GAME.exe"},
                                 {1, 0, "C:\\Tools\\tool.exe", "tool.exe"}});
  EXPECT_TRUE(UnlinkProgram(*config, u"C:\\Nowhere\\missing.exe").empty());
  EXPECT_TRUE(UnlinkProgram(*config, u"C:\\Tools\\").empty());
  const std::vector<ProgramLink> removed = UnlinkProgram(*config, u"D:\\elsewhere\\Game.exe");
  ASSERT_EQ(removed.size(), 2u);
  EXPECT_EQ(removed[0].profile, 0);
  EXPECT_EQ(removed[1].profile, 2);
  EXPECT_EQ(Links(*config), std::vector<std::string>{"1:0:tool.exe@C:\\Tools\\tool.exe"});
  EXPECT_EQ(config->profiles[2].exePath[4][0], 0) << "the path goes with the name";
  EXPECT_EQ(UnlinkProgram(*config, u"TOOL.EXE").size(), 1u);
  EXPECT_TRUE(Links(*config).empty());
}

TEST(CaseFold, ComparesNamesAsTheFileSystemDoes) {
  struct Case {
    std::string a;
    std::string b;
    bool same;
  } cases[] = {
      {"Game.exe", "GAME.EXE", true},
      {"žluťoučký kůň úpěl ďábelské ódy.exe", "ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY.EXE", true},
      {"zażółć gęślą jaźń.exe", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ.EXE", true},
      {"ÿ.exe", "Ÿ.exe", true},
      {"παιχνίδι.exe", "ΠΑΙΧΝΊΔΙ.EXE", true},
      {"ς.exe", "Σ.exe", true},
      {"игра ёж.exe", "ИГРА ЁЖ.EXE", true},
      {"trò chơi.exe", "TRÒ CHƠI.EXE", true},
      {"ｇａｍｅ.exe", "ＧＡＭＥ.exe", true},
      {"straße.exe", "STRASSE.EXE", false},  // no capital of one character
      {"ıd.exe", "ID.exe", false},           // the Turkish dotless i stays
      {"café.exe", "cafe\xCC\x81.exe", false},
      {"game.exe", "game.exe ", false},
      {"a.exe", "b.exe", false},
      {"\xF0\x9F\x8E\xAE.exe", "\xF0\x9F\x8E\xAE.EXE", true},  // U+1F3AE left alone
  };
  for (const Case& c : cases)
    EXPECT_EQ(SameIgnoringCase(U(c.a), U(c.b)), c.same) << c.a << " / " << c.b;
}

// In the blocks it folds, a unit's capital is the C library's, except where the
// fold leaves a letter alone on purpose.
TEST(CaseFold, AgreesWithTheCLibraryInTheBlocksItFolds) {
  const char* previous = std::setlocale(LC_CTYPE, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_CTYPE, "C.UTF-8") || std::towupper(U'ž') != U'Ž')
    GTEST_SKIP() << "no C.UTF-8 locale";
  const std::pair<char16_t, char16_t> blocks[] = {{0x0000, 0x024F}, {0x0370, 0x03CE},
                                                  {0x0400, 0x052F}, {0x0531, 0x0586},
                                                  {0x1E00, 0x1EFF}, {0xFF00, 0xFF5A}};
  const char16_t leftAlone[] = {0x00B5, 0x0131, 0x017F, 0x1E9B};  // µ ı ſ ẛ
  for (const auto& [first, last] : blocks)
    for (char32_t c = first; c <= last; ++c) {
      const bool kept =
          std::find(std::begin(leftAlone), std::end(leftAlone), c) != std::end(leftAlone);
      const wint_t upper = std::towupper(static_cast<wint_t>(c));
      const char16_t expected = kept ? static_cast<char16_t>(c) : static_cast<char16_t>(upper);
      EXPECT_EQ(static_cast<int>(CapitalOf(static_cast<char16_t>(c))), static_cast<int>(expected))
          << std::hex << "U+" << static_cast<int>(c);
    }
  std::setlocale(LC_CTYPE, saved.c_str());
}

TEST(ProgramLinks, ExportAndImportCarryTheLinks) {
  ScratchDir dir;
  SettingsStore store(dir / "GamingMouse");
  ASSERT_TRUE(store.Reload());
  MouseConfig& config = store.config();
  for (const char* path : {"C:\\Hry\\Šachy.exe", "C:\\Games\\game.exe"})
    ASSERT_EQ(LinkProgram(config, 2, U(path)).result, LinkResult::kLinked);
  ASSERT_TRUE(store.Save());
  const std::filesystem::path file = dir / "Chess.ini";
  ASSERT_TRUE(WriteProfileFile(file, config.profiles[2]));

  // Profile 4 gets them through the file; profile 2 still has its own.
  config.header.current = 4;
  ASSERT_TRUE(ImportProfileFile(store, file));
  SettingsStore reread(dir / "GamingMouse");
  ASSERT_TRUE(reread.LoadOnly());
  const std::vector<ProgramLink> imported = ProfileLinks(reread.config().profiles[4], 4);
  ASSERT_EQ(imported.size(), 2u);
  EXPECT_EQ(imported[0].path, u"C:\\Hry\\Šachy.exe");
  EXPECT_EQ(imported[0].name, u"Šachy.exe");
  EXPECT_EQ(imported[1].entry, 1);
  EXPECT_EQ(imported[1].name, u"game.exe");
  EXPECT_EQ(ProfileLinks(reread.config().profiles[2], 2).size(), 2u);
  // Two profiles naming one program: the first wins until the program is linked again.
  const std::vector<ProgramLink> all = AllProgramLinks(reread.config());
  EXPECT_EQ(FindLinkedProfile(all, u"game.exe"), 2);
  EXPECT_EQ(LinkProgram(reread.config(), 4, u"C:\\Games\\game.exe").movedFrom, 2);
  EXPECT_EQ(FindLinkedProfile(AllProgramLinks(reread.config()), u"game.exe"), 4);
}

}  // namespace
