#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <iterator>

#include "settings/FileIo.h"
#include "settings/IniFile.h"
#include "tests/native/TestFiles.h"

namespace {

TEST(IniFile, ReadingRulesOfThePlatform) {
  const IniFile ini = IniFile::FromBytes(
      "top=before any section\r\n"
      "  [Setting]  \r\n"
      "Totle = 4 \r\n"
      "  Name=  \"quoted value\"  \r\n"
      "Single='x'\r\n"
      "Half=\"open\r\n"
      "Empty=\r\n"
      "Flag\r\n"
      "dup=first\r\n"
      "DUP=second\r\n"
      "Neg=-12abc\r\n"
      "Big=4294967297\r\n"
      "[setting]\r\n"
      "Late=unreachable\r\n"
      "[Other]\n"
      "Totle=9");
  EXPECT_EQ(ini.ReadInt(u"SETTING", u"totle", 0), 4);
  EXPECT_EQ(ini.ReadString(u"Setting", u"Name"), u"quoted value");
  EXPECT_EQ(ini.ReadString(u"Setting", u"Single"), u"x");
  EXPECT_EQ(ini.ReadString(u"Setting", u"Half"), u"\"open");
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Empty", 7), 7) << "an empty value gives the default";
  EXPECT_EQ(ini.ReadString(u"Setting", u"Flag", u"dflt"), u"dflt");
  EXPECT_TRUE(ini.HasKey(u"Setting", u"Flag"));
  EXPECT_EQ(ini.ReadString(u"Setting", u"Dup"), u"first");
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Neg", 0), -12);
  EXPECT_EQ(ini.ReadInt(u"Setting", u"Big", 0), 1) << "32-bit wrap-around";
  EXPECT_FALSE(ini.HasKey(u"Setting", u"Late"))
      << "only the first of two like-named sections counts";
  EXPECT_EQ(ini.ReadInt(u"Other", u"Totle", 0), 9);
  EXPECT_EQ(ini.ReadString(u"", u"top"), u"before any section");
  EXPECT_EQ(ini.ReadString(u"Setting", u" Totle "), u"4") << "names are trimmed";
  EXPECT_EQ(ini.ReadInt(u"Missing", u"Totle", -3), -3);
}

TEST(IniFile, StringsAreCutToTheFourThousandUnitBuffer) {
  const std::string value(5000, 'v');
  const IniFile ini = IniFile::FromBytes("[S]\nK=" + value);
  EXPECT_EQ(ini.ReadString(u"S", u"K").size(), 4095u);
}

TEST(IniFile, WritesReplaceInPlaceAndAppendNewKeysToTheirSection) {
  IniFile ini = IniFile::FromBytes("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
  ini.WriteInt(u"a", u"X", 10);
  ini.WriteString(u"A", u"w", u"new");
  ini.WriteString(u"C", u"k", u"two\r\nlines");
  const IniFile back = IniFile::FromBytes(ini.Serialize());
  EXPECT_EQ(
      ini.Serialize(),
      Utf16File("[A]\r\nx=10\r\ny=2\r\nw=new\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nk=two  lines\r\n"));
  EXPECT_EQ(back.ReadInt(u"A", u"x", 0), 10);
}

TEST(IniFile, AValueReadsBackAsWrittenAlsoBetweenQuoteMarksOrBlanks) {
  // A read takes blanks at either end and then one pair of equal quote marks
  // away: a name typed with them, or read from a file that held them inside
  // quotes, would lose them at the next save.
  const struct {
    std::u16string value;
    std::string line;  // as the file holds it
  } cases[] = {
      {u"\"Pro\"", "k=\"\"Pro\"\""},
      {u"'x'", "k=\"'x'\""},
      {u"\"\"", "k=\"\"\"\""},
      {u"\"a\" b\"", "k=\"\"a\" b\"\""},
      {u"\"open", "k=\"open"},
      {u"'mixed\"", "k='mixed\""},
      {u"\"", "k=\""},
      {u"plain", "k=plain"},
      {u" padded\t", "k=\" padded\t\""},
      {u"\v\"\"A", "k=\"\v\"\"A\""},
      {u"in side", "k=in side"},
  };
  for (const auto& c : cases) {
    IniFile ini = IniFile::FromBytes("");
    ini.WriteString(u"S", u"k", c.value);
    const IniFile again = IniFile::FromBytes(ini.Serialize());
    EXPECT_EQ(again.ReadString(u"S", u"k"), c.value) << c.line;
    const std::string bytes = ini.Serialize();
    std::string text;
    for (std::size_t i = 2; i < bytes.size(); i += 2) text.push_back(bytes[i]);
    EXPECT_NE(text.find("\r\n" + c.line + "\r\n"), std::string::npos) << text;
    // Written again, the same value changes nothing.
    IniFile reread = IniFile::FromBytes(bytes);
    reread.WriteString(u"S", u"k", c.value);
    EXPECT_FALSE(reread.dirty()) << c.line;
  }
}

TEST(IniFile, DecodesTheThreeEncodings) {
  const std::string utf8 = "[S]\r\nName=Žluťoučký kůň ✓\r\n";
  const std::u16string want = u"Žluťoučký kůň ✓";
  EXPECT_EQ(IniFile::FromBytes(Utf16File(utf8)).ReadString(u"S", u"Name"), want);
  EXPECT_EQ(IniFile::FromBytes("\xEF\xBB\xBF" + utf8).ReadString(u"S", u"Name"), want);
  // Without a byte-order mark the bytes are Windows-1252.
  EXPECT_EQ(IniFile::FromBytes("[S]\r\nName=caf\xE9 \x80\r\n").ReadString(u"S", u"Name"),
            u"café €");
}

TEST(IniFile, StructValueRoundTripAndRejection) {
  const unsigned char data[3] = {0x01, 0xAB, 0xFF};
  EXPECT_EQ(EncodeStruct(data, 3), u"01ABFFAB");  // 0x01 + 0xAB + 0xFF = 0x1AB
  IniFile ini = IniFile::FromBytes("");
  ini.WriteStruct(u"S", u"K", data, 3);
  unsigned char back[3] = {};
  ASSERT_TRUE(ini.ReadStruct(u"S", u"K", back, 3));
  EXPECT_EQ(std::memcmp(back, data, 3), 0);

  const char* bad[] = {"01ABFFAC", "01ABFFA", "01ABFFAB00", "01ABFGAB", ""};
  for (const char* text : bad) {
    IniFile b = IniFile::FromBytes(std::string("[S]\nK=") + text);
    unsigned char out[3] = {9, 9, 9};
    EXPECT_FALSE(b.ReadStruct(u"S", u"K", out, 3)) << text;
    EXPECT_EQ(out[0], 9) << "buffer untouched for " << text;
  }
  EXPECT_TRUE(IniFile::FromBytes("[S]\nK=01abffab").ReadStruct(u"S", u"K", back, 3));
  EXPECT_FALSE(ini.ReadStruct(u"S", u"Missing", back, 3));
}

TEST(IniFile, CommitKeepsOtherSectionsAndConvertsEightBitFiles) {
  ScratchDir dir;
  WriteBytes(dir / "profile.ini", "[Mine]\r\nnote=caf\xE9\r\n[ProfileSetting]\r\nGroupID=3\r\n");
  IniFile ini(dir / "profile.ini");
  ini.WriteInt(u"ProfileSetting", u"GroupID", 4);
  ASSERT_TRUE(ini.Commit());
  const std::string bytes = ReadBytes(dir / "profile.ini");
  EXPECT_EQ(bytes, Utf16File("[Mine]\r\nnote=café\r\n\r\n[ProfileSetting]\r\nGroupID=4\r\n"));
}

TEST(IniFile, FailedCommitLeavesTheOldFileWhole) {
  ScratchDir dir;
  const auto path = dir / "GamingMouse";
  IniFile first(path);
  for (int i = 0; i < 200; ++i) first.WriteString(u"Setting", DecimalText(i), u"original value");
  ASSERT_TRUE(first.Commit());
  const std::string before = ReadBytes(path);

  IniFile second(path);
  for (int i = 0; i < 200; ++i) second.WriteString(u"Setting", DecimalText(i), u"changed");
  // A file-size limit below the new file's size fails the write part-way, as a full disk would.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool committed = second.Commit();
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(committed);
  EXPECT_TRUE(second.dirty());
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
}

TEST(IniFile, MissingFolderFailsTheCommit) {
  ScratchDir dir;
  IniFile ini(dir / "no" / "such" / "file");
  ini.WriteInt(u"S", u"K", 1);
  EXPECT_FALSE(ini.existed());
  EXPECT_FALSE(ini.Commit());
}

TEST(ReadWholeFile, RefusesFilesAboveTheLimit) {
  ScratchDir dir;
  WriteBytes(dir / "big", std::string(100, 'x'));
  std::string bytes;
  EXPECT_EQ(ReadWholeFile(dir / "big", bytes, 99), ReadResult::kUnreadable);
  EXPECT_EQ(ReadWholeFile(dir / "big", bytes, 100), ReadResult::kOk);
  EXPECT_EQ(ReadWholeFile(dir / "none", bytes), ReadResult::kMissing);
  EXPECT_EQ(ReadWholeFile(dir.path(), bytes), ReadResult::kUnreadable);
}

using std::filesystem::perms;

perms PermissionsOf(const std::filesystem::path& p) {
  return std::filesystem::status(p).permissions() & perms::mask;
}

TEST(ReplaceFileAtomically, KeepsThePermissionBitsOfTheFileItReplaces) {
  ScratchDir dir;
  const auto path = dir / "GamingMouse";
  const perms cases[] = {perms::owner_read | perms::owner_write,
                         perms::owner_read | perms::owner_write | perms::group_read,
                         perms::owner_write, perms::all};
  for (perms mode : cases) {
    WriteBytes(path, "old");
    std::filesystem::permissions(path, mode);
    ASSERT_TRUE(ReplaceFileAtomically(path, "new")) << static_cast<int>(mode);
    EXPECT_EQ(PermissionsOf(path), mode);
    EXPECT_EQ(ReadBytes(path), "new");
  }
  // Root writing a user's file leaves it the user's.
  GiveToOrdinaryUser(path);
  ASSERT_TRUE(ReplaceFileAtomically(path, "newer"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, RunningAsRoot() ? kOrdinaryUser : ::geteuid());

  ASSERT_TRUE(ReplaceFileAtomically(dir / "fresh", "x"));
  EXPECT_EQ(PermissionsOf(dir / "fresh"),
            perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}

TEST(ReplaceFileAtomically, RefusesAReadOnlyFile) {
  ScratchDir dir;
  const auto path = dir / "GamingMouse";
  WriteBytes(path, "kept");
  const perms readOnly = perms::owner_read | perms::group_read | perms::others_read;
  std::filesystem::permissions(path, readOnly);
  // Root could write the file, but a file nobody may write is read-only for
  // the program too, as the platform's read-only attribute is.
  EXPECT_FALSE(ReplaceFileAtomically(path, "new"));
  EXPECT_EQ(ReadBytes(path), "kept");
  EXPECT_EQ(PermissionsOf(path), readOnly);

  // A file the user may not write, though others may.
  std::filesystem::permissions(path, perms::owner_read | perms::owner_write | perms::group_read);
  GiveToOrdinaryUser(dir.path());
  const int refused = RunAsOrdinaryUser([&path] {
    if (::access(path.c_str(), W_OK) == 0) return 2;  // the test itself owns the file
    return ReplaceFileAtomically(path, "new") ? 1 : 0;
  });
  if (refused == 2) GTEST_SKIP() << "the tests run as the ordinary user and own the file";
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(ReadBytes(path), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
}

TEST(ReplaceFileAtomically, ReplacesTheFileALinkNamesAndKeepsTheLink) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "real");
  WriteBytes(dir / "real" / "GamingMouse", "old");
  std::filesystem::permissions(dir / "real" / "GamingMouse",
                               perms::owner_read | perms::owner_write);
  struct Case {
    const char* link;
    std::filesystem::path to;
  } cases[] = {
      {"relative", "real/GamingMouse"},
      {"absolute", dir / "real" / "GamingMouse"},
      {"chained", "relative"},
  };
  for (const Case& c : cases) {
    std::filesystem::create_symlink(c.to, dir / c.link);
    const std::string bytes = "written through " + std::string(c.link);
    ASSERT_TRUE(ReplaceFileAtomically(dir / c.link, bytes)) << c.link;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / c.link)) << c.link;
    EXPECT_EQ(ReadBytes(dir / "real" / "GamingMouse"), bytes) << c.link;
    EXPECT_EQ(PermissionsOf(dir / "real" / "GamingMouse"), perms::owner_read | perms::owner_write);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"), {}), 1);

  // A link to a file not there yet creates that file; a loop of links fails.
  std::filesystem::create_symlink("real/Later", dir / "dangling");
  ASSERT_TRUE(ReplaceFileAtomically(dir / "dangling", "made"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling"));
  EXPECT_EQ(ReadBytes(dir / "real" / "Later"), "made");
  std::filesystem::create_symlink("loop-b", dir / "loop-a");
  std::filesystem::create_symlink("loop-a", dir / "loop-b");
  EXPECT_FALSE(ReplaceFileAtomically(dir / "loop-a", "x"));
}

TEST(IniFile, AFileThatCannotBeReadIsNeverCommitted) {
  ScratchDir dir;
  const auto path = dir / "GamingMouse";
  WriteBytes(path, Utf16File("[Setting]\r\nTotle=3\r\n"));
  std::filesystem::resize_file(path, kMaxSettingsFileBytes + 1);
  IniFile ini(path);
  EXPECT_TRUE(ini.existed());
  EXPECT_TRUE(ini.unreadable());
  EXPECT_FALSE(ini.HasSection(u"Setting"));
  ini.WriteInt(u"Setting", u"Totle", 1);
  EXPECT_FALSE(ini.Commit());
  EXPECT_EQ(std::filesystem::file_size(path), kMaxSettingsFileBytes + 1);

  WriteBytes(dir / "small", "x");
  EXPECT_FALSE(IniFile(dir / "small").unreadable());
  EXPECT_FALSE(IniFile(dir / "absent").unreadable());
}

}  // namespace
