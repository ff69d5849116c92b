// Position values, skin-file choice, numbered texts and the text preparation
// of DrawSkinText.
#include <gtest/gtest.h>

#include <climits>

#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "skin/LanguageTable.h"
#include "skin/SkinFile.h"
#include "tests/native/TestFiles.h"

namespace {

struct EntryCase {
  const char* value;
  SkinEntry expected;
};

std::u16string U(const char* utf8) { return Utf8ToUtf16(utf8); }

TEST(SkinEntry, ParsesValuesFieldByField) {
  const EntryCase cases[] = {
      {"Btn,10,20,30,40,Play,TRUE", {u"Btn", 10, 20, 40, 60, u"Play", 1}},
      {"Btn,10,20,30,40,Play,FALSE", {u"Btn", 10, 20, 40, 60, u"Play", 0}},
      {"Btn,10,20,30,40,TRUE text,0", {u"Btn", 10, 20, 40, 60, u"TRUE text", 1}},
      // Without Text and Flag the width digits are the second-to-last field.
      {"Btn,10,20,30,40", {u"Btn", 10, 20, 40, 60, u"30", 0}},
      {"", {}},
      {",,,,,,", {}},
      // Without a comma the whole value is both Name and the rest.
      {"Btn", {u"Btn", 0, 0, 0, 0, u"", 0}},
      {"TRUE", {u"TRUE", 0, 0, 0, 0, u"", 1}},
      // "TRUE" only counts after the first comma, and only in capitals.
      {"TRUE,1,2,3,4,x,0", {u"TRUE", 1, 2, 4, 6, u"x", 0}},
      {"Btn,1,2,3,4,x,true", {u"Btn", 1, 2, 4, 6, u"x", 0}},
      {"Btn,1,2,3,4,x,ISTRUEISH", {u"Btn", 1, 2, 4, 6, u"x", 1}},
      {"Main\\Settings,1428,14,36,30,,0", {u"Main\\Settings", 1428, 14, 1464, 44, u"", 0}},
      // Blanks before a number are skipped; a blank before a comma ends the numbers.
      {"Btn, 10, 20,30,40,A,0", {u"Btn", 10, 20, 40, 60, u"A", 0}},
      {"Btn,10 ,20,30,40,A,0", {u"Btn", 10, 0, 10, 0, u"A", 0}},
      {"Btn,-5,7,10,x", {u"Btn", -5, 7, 5, 7, u"10", 0}},
      {"Btn,+3,-,9,9,A,0", {u"Btn", 3, 0, 3, 0, u"A", 0}},
      // Numbers beyond 32 bits and sums that overflow saturate.
      {"B,2147483647,-99999999999,10,-10,t,0", {u"B", INT_MAX, INT_MIN, INT_MAX, INT_MIN, u"t", 0}},
      {"Btn,1,2,3,4,Line 1\\r\\nLine 2,0", {u"Btn", 1, 2, 4, 6, u"Line 1\\r\\nLine 2", 0}},
      {"Btn,1,2,3,4,Střelba ✓,0", {u"Btn", 1, 2, 4, 6, U("Střelba ✓"), 0}},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.value);
    const SkinEntry e = ParseSkinEntry(U(c.value));
    EXPECT_EQ(Utf16ToUtf8(e.name), Utf16ToUtf8(c.expected.name));
    EXPECT_EQ(e.left, c.expected.left);
    EXPECT_EQ(e.top, c.expected.top);
    EXPECT_EQ(e.right, c.expected.right);
    EXPECT_EQ(e.bottom, c.expected.bottom);
    EXPECT_EQ(Utf16ToUtf8(e.text), Utf16ToUtf8(c.expected.text));
    EXPECT_EQ(e.flag, c.expected.flag);
  }
}

TEST(SkinEntry, CutsLongNamesAndTextsWithoutSplittingASurrogatePair) {
  const std::u16string pair = u"\U0001F3AF";
  struct Case {
    std::u16string field;
    std::size_t limit;
    std::u16string kept;
  } cases[] = {
      {std::u16string(50, u'n'), kSkinNameLimit, std::u16string(39, u'n')},
      {std::u16string(39, u'n'), kSkinNameLimit, std::u16string(39, u'n')},
      // The pair would occupy units 38 and 39: it is dropped whole.
      {std::u16string(38, u'n') + pair, kSkinNameLimit, std::u16string(38, u'n')},
      {std::u16string(37, u'n') + pair + u"x", kSkinNameLimit, std::u16string(37, u'n') + pair},
      {std::u16string(150, u't'), kSkinTextLimit, std::u16string(99, u't')},
      {std::u16string(98, u't') + pair, kSkinTextLimit, std::u16string(98, u't')},
  };
  for (const Case& c : cases) {
    const bool isName = c.limit == kSkinNameLimit;
    const std::u16string value =
        isName ? c.field + u",1,2,3,4,T,0" : u"N,1,2,3,4," + c.field + u",0";
    const SkinEntry cut = ParseSkinEntry(value);
    EXPECT_EQ(isName ? cut.name : cut.text, c.kept) << Utf16ToUtf8(value);
    const SkinEntry full = ParseSkinEntryUncut(value);
    EXPECT_EQ(isName ? full.name : full.text, c.field);
    EXPECT_EQ(cut.right, 4);
  }
}

TEST(SkinText, EscapedLineBreaksBecomeABlankAndARealBreak) {
  const SkinEntry entry = ParseSkinEntryUncut(u"L,0,0,100,40,Hello\\r\\nWorld,0");
  EXPECT_EQ(SkinTextToDraw(entry, u""), u"Hello \r\nWorld");
  // The caller's text wins over the entry's, and gets the same treatment.
  EXPECT_EQ(SkinTextToDraw(entry, u"a\\r\\n\\r\\nb\\r"), u"a \r\n \r\nb\\r");
  EXPECT_EQ(SkinTextToDraw(ParseSkinEntryUncut(u""), u""), u"");
  // Drawn texts are not limited to the entry's 99 units.
  const std::u16string longText(300, u'x');
  EXPECT_EQ(SkinTextToDraw(ParseSkinEntryUncut(u"L,0,0,1,1," + longText + u",0"), u""), longText);
}

TEST(SkinText, CentresTheLineWithDivisionTowardZero) {
  EXPECT_EQ(CentredTop(0, 100, 20), 40);
  EXPECT_EQ(CentredTop(10, 31, 20), 10);
  // A line taller than the box: (5 - 20) / 2 is -7, not -8.
  EXPECT_EQ(CentredTop(10, 15, 20), 3);
  EXPECT_EQ(CentredTop(-10, -9, 0), -10);
  EXPECT_EQ(CentredTop(INT_MIN, INT_MAX, 0), -1);
}

TEST(SkinImageNames, OnlyNamesInsideTheirFolderAreAccepted) {
  const std::pair<const char16_t*, bool> cases[] = {
      {u"logo.png", true},
      {u"Main\\Buttons_main.jpg", true},
      {u"a..b.png", true},
      {u"", false},
      {u"..\\secret.png", false},
      {u"Main\\..\\..\\x.png", false},
      {u"../x.png", false},
      {u"\\\\server\\share\\x.png", false},
      {u"C:\\Windows\\x.bmp", false},
      {u"/etc/passwd", false},
      {u"Main\\..", false},
  };
  for (const auto& [name, ok] : cases) EXPECT_EQ(IsSkinRelativeName(name), ok) << Utf16ToUtf8(name);
}

TEST(LanguageTable, KeysAreUpperCaseHexWithoutLeadingZeros) {
  EXPECT_EQ(FuncStringKey(0x10), u"10");
  EXPECT_EQ(FuncStringKey(0x91), u"91");
  EXPECT_EQ(FuncStringKey(0xAB), u"AB");
  EXPECT_EQ(FuncStringKey(0), u"0");
  EXPECT_EQ(FuncStringKey(0x1F0A), u"1F0A");
}

// Two skin files in a scratch program folder.
class SkinFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "Lan");
    WriteBytes(dir / "Lan" / "skin_En.ini",
               Utf16File("[GLOBAL]\r\nFONT=Segoe UI\r\n[FUNC_STRING]\r\n10=Profile\r\n"
                         "16=decimal key\r\nAB=Hex AB\r\n171=decimal AB\r\n"
                         "[MAIN]\r\n1=,28,76,257,26,Title,0\r\n64 =Gap,1,2,3,4,Spaced key,0\r\n"));
    WriteBytes(dir / "Lan" / "skin_Cs.ini",
               Utf16File("[FUNC_STRING]\r\n10=Profil\r\n[MAIN]\r\n1=,30,70,200,20,Název,0\r\n"));
  }
  void TearDown() override { SetSkinFilePath({}); }

  ScratchDir dir;
};

TEST_F(SkinFileTest, LanguageOneReadsTheEnglishFileEveryOtherValueTheSecond) {
  EXPECT_EQ(SkinFileFor(dir.path(), 1), dir.path() / "Lan" / "skin_En.ini");
  for (int lanId : {0, 2, 15, -1})
    EXPECT_EQ(SkinFileFor(dir.path(), lanId), dir.path() / "Lan" / "skin_Cs.ini") << lanId;

  const std::pair<int, const char*> reads[] = {{1, "Profile"}, {0, "Profil"}, {2, "Profil"}};
  for (const auto& [lanId, word] : reads) {
    SelectSkinFile(dir.path(), lanId);
    EXPECT_EQ(Utf16ToUtf8(GetFuncString(kTextProfileWord)), word) << lanId;
  }
  EXPECT_EQ(Utf16ToUtf8(ParseSkinEntry(ReadSkinValue(u"MAIN", u"1")).text), "Název");
}

TEST_F(SkinFileTest, NumberedTextsAreLookedUpByHexKey) {
  SelectSkinFile(dir.path(), 1);
  EXPECT_EQ(GetFuncString(0x10), u"Profile");
  EXPECT_EQ(GetFuncString(0xAB), u"Hex AB");
  EXPECT_EQ(GetFuncString(0x91), u"");
  EXPECT_EQ(ParseSkinEntry(ReadSkinValue(u"MAIN", u"64 ")).text, u"Spaced key");
}

TEST_F(SkinFileTest, MissingFileSectionOrKeyReadsEmpty) {
  SetSkinFilePath({});
  EXPECT_EQ(ReadSkinValue(u"MAIN", u"1"), u"");
  EXPECT_EQ(GetFuncString(0x10), u"");
  SelectSkinFile(dir.path() / "absent", 1);
  EXPECT_EQ(GetFuncString(0x10), u"");
  EXPECT_EQ(ParseSkinEntry(ReadSkinValue(u"MAIN", u"1")), SkinEntry{});
  SelectSkinFile(dir.path(), 1);
  EXPECT_EQ(ReadSkinValue(u"NOSECTION", u"1"), u"");
  EXPECT_EQ(ReadSkinValue(u"MAIN", u"2"), u"");
}

TEST_F(SkinFileTest, FontFaceComesFromTheSkinWithAFallback) {
  SelectSkinFile(dir.path(), 1);
  LoadInterfaceFontFace();
  EXPECT_EQ(InterfaceFontFace(), u"Segoe UI");
  SelectSkinFile(dir.path(), 0);
  LoadInterfaceFontFace();
  EXPECT_EQ(InterfaceFontFace(), u"Microsoft JhengHei");
}

TEST_F(SkinFileTest, EachFileIsReadOnce) {
  SelectSkinFile(dir.path(), 1);
  EXPECT_EQ(GetFuncString(0x10), u"Profile");
  // Skin files do not change under a running program: the parsed copy is kept.
  WriteBytes(dir / "Lan" / "skin_En.ini", Utf16File("[FUNC_STRING]\r\n10=Changed\r\n"));
  EXPECT_EQ(GetFuncString(0x10), u"Profile");
}

}  // namespace
