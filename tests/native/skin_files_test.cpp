// The skin generated into the program folder: every section and key that the
// windows read exists in both languages, positions have seven fields and lie in
// their windows, and every picture the windows open exists with the size they
// expect. Files are found without regard to case, as Windows finds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "settings/Gcc12Restrict.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = R58_PROGRAM_DIR;

struct Size {
  int w = 0;
  int h = 0;
  bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Size& s) { return os << s.w << "x" << s.h; }

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// A path relative to the program folder, written with backslashes, resolved one
// component at a time without regard to case.
std::optional<fs::path> FindFile(const std::string& relative) {
  fs::path at = kProgramDir;
  std::size_t start = 0;
  while (start <= relative.size()) {
    const std::size_t end = std::min(relative.find('\\', start), relative.size());
    const std::string part = Lower(relative.substr(start, end - start));
    std::optional<fs::path> found;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(at, ec)) {
      if (Lower(e.path().filename().string()) == part) found = e.path();
    }
    if (!found) return std::nullopt;
    at = *found;
    start = end + 1;
  }
  return at;
}

std::uint32_t Be32(const std::string& b, std::size_t i) {
  return (std::uint32_t(std::uint8_t(b[i])) << 24) | (std::uint32_t(std::uint8_t(b[i + 1])) << 16) |
         (std::uint32_t(std::uint8_t(b[i + 2])) << 8) | std::uint8_t(b[i + 3]);
}
std::uint32_t Be16(const std::string& b, std::size_t i) {
  return (std::uint32_t(std::uint8_t(b[i])) << 8) | std::uint8_t(b[i + 1]);
}
std::int32_t Le32(const std::string& b, std::size_t i) {
  return std::int32_t(std::uint32_t(std::uint8_t(b[i])) |
                      (std::uint32_t(std::uint8_t(b[i + 1])) << 8) |
                      (std::uint32_t(std::uint8_t(b[i + 2])) << 16) |
                      (std::uint32_t(std::uint8_t(b[i + 3])) << 24));
}

// Width and height from the header of a PNG, BMP or baseline/progressive JPEG file.
std::optional<Size> PictureSize(const std::string& relative) {
  const auto path = FindFile(relative);
  if (!path) return std::nullopt;
  const std::string b = ReadBytes(*path);
  if (b.size() > 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) {
    return Size{int(Be32(b, 16)), int(Be32(b, 20))};
  }
  if (b.size() > 26 && b.compare(0, 2, "BM") == 0) {
    return Size{Le32(b, 18), std::abs(Le32(b, 22))};
  }
  if (b.size() > 4 && std::uint8_t(b[0]) == 0xFF && std::uint8_t(b[1]) == 0xD8) {
    std::size_t i = 2;
    while (i + 9 < b.size() && std::uint8_t(b[i]) == 0xFF) {
      const unsigned marker = std::uint8_t(b[i + 1]);
      if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
        return Size{int(Be16(b, i + 7)), int(Be16(b, i + 5))};
      }
      i += 2 + Be16(b, i + 2);
    }
  }
  return std::nullopt;
}

std::vector<std::u16string> Split(std::u16string_view v) {
  std::vector<std::u16string> out(1);
  for (char16_t c : v) {
    if (c == u',') {
      out.emplace_back();
    } else {
      out.back().push_back(c);
    }
  }
  return out;
}

struct Entry {
  std::string name;
  int x = 0, y = 0, w = 0, h = 0;
  std::string text;
  std::size_t fields = 0;
  bool numeric = false;
};

Entry ParseEntry(std::u16string_view value) {
  const auto f = Split(value);
  Entry e;
  e.fields = f.size();
  if (f.size() != 7) return e;
  e.name = Utf16ToUtf8(f[0]);
  e.text = Utf16ToUtf8(f[5]);
  std::int64_t n[4];
  e.numeric = true;
  for (int i = 0; i < 4; ++i) e.numeric = e.numeric && ParseNumber(Utf16ToUtf8(f[i + 1]), n[i]);
  if (e.numeric) {
    e.x = int(n[0]);
    e.y = int(n[1]);
    e.w = int(n[2]);
    e.h = int(n[3]);
  }
  return e;
}

std::u16string U(const std::string& s) { return Utf8ToUtf16(s); }

// Keys as the file lists them, per section, for comparing the two languages.
std::map<std::string, std::vector<std::string>> KeysOf(const std::string& bytes) {
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    text.push_back(char16_t(std::uint8_t(bytes[i]) | (std::uint8_t(bytes[i + 1]) << 8)));
  }
  std::map<std::string, std::vector<std::string>> out;
  std::string section;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) end = text.size();
    const std::string line = Utf16ToUtf8(text.substr(start, end - start));
    if (!line.empty() && line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
      out[section];
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      out[section].push_back(line.substr(0, eq));
    }
    start = end + 2;
  }
  return out;
}

std::vector<std::string> Range(int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(std::to_string(i));
  return out;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Position sections, the keys the windows read, and the screen whose sheets give
// the window's size.
struct PositionSection {
  std::string section;
  std::vector<std::string> keys;
  std::string screen;
};

const std::vector<PositionSection>& PositionSections() {
  static const std::vector<PositionSection> table = {
      {"MAIN", Join({Range(1, 15), {"20", "99"}}), "MOUSESCREEN"},
      {"SYNC", Join({Range(1, 8), Range(11, 16), Range(21, 26)}), "MOUSESCREEN"},
      {"ADVANCE", Range(3, 10), "MOUSESCREEN"},
      {"MOUSE", Join({Range(14, 15), Range(31, 36)}), "MOUSESCREEN"},
      {"MOUSE_TEXT", {"1", "2", "3", "4", "6", "7", "8"}, "MOUSESCREEN"},
      {"MOUSE_PIC", {"Mouse", "Light"}, "MOUSESCREEN"},
      {"MAIN_PIC", {"LOGO"}, "MOUSESCREEN"},
      {"LIGHT_SELRECT", Join({Range(1, 24), Range(30, 33), {"35"}, Range(40, 47)}), "LIGHTSCREEN"},
      {"SLIDERS", Range(1, 7), "MOUSESCREEN"},
      {"SENSITIVITY",
       Join({Range(1, 8), Range(21, 27), Range(41, 47), Range(50, 54), {"61", "62", "63", "64 "}}),
       "SENSISCREEN"},
      {"SENSITIVITY_TEXT", Range(1, 9), "SENSISCREEN"},
      {"MACRO_EDIT_POS",
       Join({{"1", "2", "3"}, Range(5, 16), Range(19, 22), Range(26, 36), {"40", "42"}}),
       "MACRO_EDIT_SCREEN"},
      {"PRESSUREGUN_EDIT_POS", Join({Range(1, 12), Range(19, 22), Range(30, 35)}),
       "PRESSUREGUN_EDIT_SCREEN"},
      {"SEL_MACRO_POS", Range(1, 6), "SEL_MACRO_SCREEN"},
      {"COLOR_POS", {"1", "2", "3", "11", "12", "20", "21"}, "DPICOLOR_SCREEN"},
      {"OPTION_POS", {"1", "2", "3", "11", "12", "13", "14"}, "OPTION_SCREEN"},
      {"WARN_POS", {"1", "2", "3", "11", "12"}, "WARN_SCREEN"},
  };
  return table;
}

const std::vector<std::string> kScreens = {"MOUSESCREEN",
                                           "SENSISCREEN",
                                           "LIGHTSCREEN",
                                           "MACRO_EDIT_SCREEN",
                                           "PRESSUREGUN_EDIT_SCREEN",
                                           "SEL_MACRO_SCREEN",
                                           "DPICOLOR_SCREEN",
                                           "OPTION_SCREEN",
                                           "WARN_SCREEN",
                                           "WARN_SCREEN2"};

// String ids the program looks up in "FUNC_STRING": every valid function code,
// the profile word, effects, profile edit commands, repeat options, library
// commands, language names and the words of default names.
std::vector<int> FuncStringIds() {
  std::vector<int> ids;
  for (auto [from, to] : {std::pair{0xA0, 0xAB},
                          {0xB0, 0xBA},
                          {0xC0, 0xC7},
                          {0xD0, 0xD6},
                          {0x40, 0x46},
                          {48, 50},
                          {96, 99},
                          {112, 116},
                          {0x80, 0x81},
                          {0x90, 0x91},
                          {0x10, 0x10}}) {
    for (int id = from; id <= to; ++id) ids.push_back(id);
  }
  return ids;
}

class SkinFiles : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const auto path = FindFile(std::string("Lan\\skin_") + GetParam() + ".ini");
    ASSERT_TRUE(path) << "no skin file for " << GetParam() << " in " << kProgramDir;
    ini_ = std::make_unique<IniFile>(*path);
    bytes_ = ReadBytes(*path);
  }
  std::string Read(const std::string& section, const std::string& key) const {
    return Utf16ToUtf8(ini_->ReadString(U(section), U(key)));
  }
  Entry Position(const std::string& section, const std::string& key) const {
    return ParseEntry(ini_->ReadString(U(section), U(key)));
  }
  Size ScreenSize(const std::string& screen) const {
    return PictureSize("skins\\" + Read(screen, "Main")).value_or(Size{});
  }

  std::unique_ptr<IniFile> ini_;
  std::string bytes_;
};

TEST_P(SkinFiles, ScreenSectionsNameFourSheetsOfTheWindowsSize) {
  for (const auto& screen : kScreens) {
    const Size size = ScreenSize(screen);
    EXPECT_GT(size.w, 0) << screen;
    for (const char* key : {"Main", "Over", "Down", "Disabled"}) {
      const std::string file = Read(screen, key);
      EXPECT_EQ(PictureSize("skins\\" + file), size) << screen << " " << key << " " << file;
    }
  }
  // Shaped windows: the main window, and the two editors that share the macro editor's outline.
  for (const char* screen : {"MOUSESCREEN", "MACRO_EDIT_SCREEN"}) {
    EXPECT_EQ(PictureSize("skins\\" + Read(screen, "Mask")), ScreenSize(screen)) << screen;
  }
  EXPECT_EQ(ScreenSize("MOUSESCREEN"), (Size{1560, 700}));
  EXPECT_EQ(ScreenSize("SENSISCREEN"), ScreenSize("MOUSESCREEN"));
  EXPECT_EQ(ScreenSize("LIGHTSCREEN"), ScreenSize("MOUSESCREEN"));
  EXPECT_EQ(ScreenSize("PRESSUREGUN_EDIT_SCREEN"), ScreenSize("MACRO_EDIT_SCREEN"));
  EXPECT_EQ(ScreenSize("WARN_SCREEN2"), ScreenSize("WARN_SCREEN"));
}

TEST_P(SkinFiles, EveryPositionHasSevenFieldsAndLiesInItsWindow) {
  for (const auto& ps : PositionSections()) {
    const Size window = ScreenSize(ps.screen);
    for (const auto& key : ps.keys) {
      SCOPED_TRACE(ps.section + " / '" + key + "'");
      ASSERT_TRUE(ini_->HasKey(U(ps.section), U(key)));
      const Entry e = Position(ps.section, key);
      EXPECT_EQ(e.fields, 7u);
      EXPECT_TRUE(e.numeric);
      EXPECT_TRUE(e.x >= 0 && e.y >= 0 && e.w >= 0 && e.h >= 0 && e.x + e.w <= window.w &&
                  e.y + e.h <= window.h)
          << e.x << "," << e.y << " " << e.w << "x" << e.h << " in " << window;
    }
  }
  // Every other entry of these sections follows the same form; the indirect
  // row keys "F1".."F6" and "F21".."F26" of "MOUSE" name entries instead.
  for (const auto& [section, keys] : KeysOf(bytes_)) {
    const auto ps = std::find_if(PositionSections().begin(), PositionSections().end(),
                                 [&](const auto& p) { return p.section == section; });
    if (ps == PositionSections().end()) continue;
    for (const auto& key : keys) {
      if (section == "MOUSE" && key.front() == 'F') continue;
      EXPECT_EQ(Position(section, key).fields, 7u) << section << " / " << key;
    }
  }
}

TEST_P(SkinFiles, IndirectRowKeysNameImageButtonsWithAllFaces) {
  std::vector<std::pair<std::string, std::string>> buttons = {{"MAIN", "2"},
                                                              {"SENSITIVITY", "61"},
                                                              {"SENSITIVITY", "62"},
                                                              {"SENSITIVITY", "63"},
                                                              {"SENSITIVITY", "64 "}};
  for (int n = 1; n <= 6; ++n) {
    for (int formed : {n, 20 + n}) {
      GCC12_BUG_105651_BEGIN
      const std::string key = Read("MOUSE", "F" + std::to_string(formed));
      GCC12_BUG_105651_END
      ASSERT_FALSE(key.empty()) << "F" << formed;
      buttons.emplace_back("MOUSE", key);
    }
    buttons.emplace_back("MOUSE", std::to_string(30 + n));
  }
  for (const auto& [section, key] : buttons) {
    const Entry e = Position(section, key);
    SCOPED_TRACE(section + " / " + key + " " + e.name);
    ASSERT_EQ(e.fields, 7u);
    for (const char* state : {"_normal.png", "_over.png", "_down.png", "_disable.png"}) {
      EXPECT_EQ(PictureSize("skins\\" + e.name + state), (Size{e.w, e.h})) << state;
    }
  }
}

TEST_P(SkinFiles, PicturesNamedByEntriesExist) {
  for (const auto& [section, key, folder] : {std::tuple{"MAIN_PIC", "LOGO", "skins\\DefaultPic\\"},
                                             {"MOUSE_PIC", "Mouse", "skins\\DefaultPic\\"},
                                             {"MOUSE_PIC", "Light", "skins\\DefaultPic\\"},
                                             {"PRESSUREGUN_EDIT_POS", "11", "skins\\"},
                                             {"PRESSUREGUN_EDIT_POS", "12", "skins\\"}}) {
    const Entry e = Position(section, key);
    EXPECT_TRUE(PictureSize(folder + e.text)) << section << " / " << key << ": " << e.text;
  }
}

TEST_P(SkinFiles, FixedCoordinatesOfTheProgramMatchTheLayout) {
  // The lighting page fills the colour edits' backgrounds at fixed places.
  const int editX[] = {882, 943, 1006};
  for (int i = 0; i < 3; ++i) {
    const Entry e = Position("LIGHT_SELRECT", std::to_string(31 + i));
    EXPECT_EQ((std::vector<int>{e.x, e.y, e.w, e.h}), (std::vector<int>{editX[i], 226, 33, 16}));
  }
  // A page switch repaints only the page area: everything a page draws lies in it.
  std::vector<std::pair<std::string, std::string>> drawn = {
      {"MOUSE", "15"}, {"MOUSE_PIC", "Mouse"}, {"MOUSE_PIC", "Light"}};
  for (const char* k : {"1", "2", "3", "4", "6", "7", "8"}) drawn.emplace_back("MOUSE_TEXT", k);
  for (const auto& k : Range(1, 9)) drawn.emplace_back("SENSITIVITY_TEXT", k);
  for (const auto& k : Join({Range(1, 8), Range(21, 27), Range(41, 47), Range(50, 54)}))
    drawn.emplace_back("SENSITIVITY", k);
  for (const auto& k : Range(40, 47)) drawn.emplace_back("LIGHT_SELRECT", k);
  for (const auto& [section, key] : drawn) {
    const Entry e = Position(section, key);
    EXPECT_TRUE(e.x >= 421 && e.y >= 155 && e.x + e.w <= 1091 && e.y + e.h <= 605)
        << section << " / " << key;
  }
  // Name rows: the "more" button at x 359 stays clear of the list's scroll bar.
  const Entry list = Position("ADVANCE", "8");
  const auto more = PictureSize("skins\\btn_more_n.jpg");
  ASSERT_TRUE(more);
  EXPECT_LE(359 + more->w, list.w - 17);
  EXPECT_LE(9 + more->h, 41);
  for (const char* state : {"o", "p"}) {
    EXPECT_EQ(PictureSize(std::string("skins\\btn_more_") + state + ".jpg"), more);
  }
}

TEST_P(SkinFiles, TwoButtonWarningAndRecoilColumnsStayInPlace) {
  // Message 19 moves OK 69 pixels right, beside Cancel.
  const Entry ok = Position("WARN_POS", "2");
  const Entry cancel = Position("WARN_POS", "3");
  const Size warn = ScreenSize("WARN_SCREEN2");
  EXPECT_LE(ok.x + 69 + ok.w, warn.w);
  EXPECT_TRUE(cancel.x + cancel.w <= ok.x + 69 || ok.x + 69 + ok.w <= cancel.x);
  // Shot column k of n is shifted by k * (390 / n): every column of every count
  // stays in the band the editor repaints, and eight columns do not overlap.
  int right = 0;
  for (const auto& key : Join({Range(5, 10), Range(20, 22)})) {
    const Entry e = Position("PRESSUREGUN_EDIT_POS", key);
    right = std::max(right, e.x + e.w);
    for (int n = 1; n <= 8; ++n) {
      const int shift = (n - 1) * (390 / n);
      EXPECT_TRUE(e.x >= 600 && e.x + shift + e.w <= 1040 && e.y >= 379 && e.y + e.h <= 464)
          << key << " with " << n << " shots";
    }
  }
  const int left = Position("PRESSUREGUN_EDIT_POS", "20").x;
  EXPECT_LE(right - left, 390 / 8);
}

TEST_P(SkinFiles, FixedImagesHaveTheSizesTheirControlsNeed) {
  auto sizeOf = [&](const std::string& section, const std::string& key) {
    const Entry e = Position(section, key);
    return Size{e.w, e.h};
  };
  EXPECT_EQ(PictureSize("skins\\Btn_Mask2.bmp"), sizeOf("LIGHT_SELRECT", "35"));
  EXPECT_EQ(PictureSize("skins\\SYNC_Btn_Mask2.bmp"), sizeOf("SYNC", "21"));
  for (int i = 22; i <= 26; ++i) EXPECT_EQ(sizeOf("SYNC", std::to_string(i)), sizeOf("SYNC", "21"));
  EXPECT_EQ(PictureSize("skins\\Btn_Mask4.bmp"), sizeOf("MACRO_EDIT_POS", "5"));
  const auto ball = PictureSize("skins\\ball.png");
  ASSERT_TRUE(ball);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(sizeOf("SLIDERS", std::to_string(i)).h, ball->h) << i;
  EXPECT_EQ(PictureSize("skins\\DefaultPic\\BGDef.jpg"), (Size{856, 700}));
  EXPECT_EQ(PictureSize("skins\\DefaultPic\\Frame.png"), (Size{856, 700}));
  EXPECT_TRUE(PictureSize("skins\\DefaultPic\\ProfileDef.jpg"));
  EXPECT_TRUE(PictureSize("skins\\tip.jpg"));
  EXPECT_EQ(PictureSize("skins\\tip.bmp"), PictureSize("skins\\tip.jpg"));
  for (const char* icon : {"press", "release", "delay"}) {
    const auto s = PictureSize(std::string("skins\\icon_") + icon + ".png");
    ASSERT_TRUE(s) << icon;
    EXPECT_LE(8 + s->h, 30) << icon << " fits a 30-pixel event row";
  }
  // Menus: as wide as the button that opens them and exactly as tall as their
  // rows, so that they are never stretched.
  struct Menu {
    const char* name;
    Size size;
  };
  const Menu menus[] = {
      {"Profile", {sizeOf("MAIN", "5").w, 6 * 25}},
      {"Profile_Edit", {0, 5 + 3 * 25}},
      {"DPI", {0, 8 * 24}},
      {"lan", {sizeOf("OPTION_POS", "3").w, 2 * 33}},
      {"loop", {sizeOf("SEL_MACRO_POS", "4").w, 4 * 33}},
      {"PressureGun", {sizeOf("PRESSUREGUN_EDIT_POS", "4").w, 8 * 24}},
      {"Light", {sizeOf("MOUSE", "14").w, 7 * 33}},
  };
  for (const auto& m : menus) {
    const auto normal = PictureSize(std::string("skins\\Menu\\") + m.name + "_menu_normal.jpg");
    ASSERT_TRUE(normal) << m.name;
    EXPECT_EQ(normal->h, m.size.h) << m.name;
    if (m.size.w) {
      EXPECT_EQ(normal->w, m.size.w) << m.name;
    }
    EXPECT_EQ(PictureSize(std::string("skins\\Menu\\") + m.name + "_menu_over.jpg"), normal)
        << m.name;
  }
  EXPECT_EQ(PictureSize("skins\\Menu\\Profile_Edit_menu.bmp"),
            PictureSize("skins\\Menu\\Profile_Edit_menu_normal.jpg"));
  const auto function = PictureSize("skins\\Menu\\function_drop down menu_normal.jpg");
  ASSERT_TRUE(function);
  EXPECT_EQ(function->h, 12 * 24);
  for (const char* state : {"over", "down"}) {
    EXPECT_EQ(PictureSize(std::string("skins\\Menu\\function_drop down menu_") + state + ".jpg"),
              function);
  }
}

TEST_P(SkinFiles, TextTablesAreComplete) {
  EXPECT_FALSE(Read("GLOBAL", "FONT").empty());
  for (int id : FuncStringIds()) {
    char key[8];
    std::snprintf(key, sizeof key, "%X", id);
    EXPECT_FALSE(Read("FUNC_STRING", key).empty()) << "FUNC_STRING " << key;
  }
  for (int n = 11; n <= 19; ++n) EXPECT_FALSE(Read("WARN_TEXT", std::to_string(n)).empty()) << n;
  // The cycle pair splits its Text into two captions at the first blank.
  EXPECT_NE(Position("LIGHT_SELRECT", "35").text.find(' '), std::string::npos);
  // Delay rows read "<prefix><number> <suffix>" and the in-place editor takes the
  // row's text less three characters: the prefix is empty and the suffix two long.
  EXPECT_EQ(Position("MACRO_EDIT_POS", "22").name, "");
  EXPECT_EQ(Utf8ToUtf16(Position("MACRO_EDIT_POS", "42").name).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Languages, SkinFiles, ::testing::Values("En", "Cs"));

TEST(SkinFilesBothLanguages, HaveTheSameSectionsAndKeys) {
  const auto en = FindFile("Lan\\skin_En.ini");
  const auto cs = FindFile("Lan\\skin_Cs.ini");
  ASSERT_TRUE(en && cs);
  EXPECT_EQ(KeysOf(ReadBytes(*en)), KeysOf(ReadBytes(*cs)));
  // The Czech file keeps its diacritics through the INI engine.
  EXPECT_EQ(IniFile(*cs).ReadString(u"FUNC_STRING", u"80"), u"Čeština");
}

}  // namespace
