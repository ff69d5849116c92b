// The INI engine against the platform's private-profile functions, which the
// device service uses on the same files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>

#include "macro/Libraries.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "settings/WideText_win.h"
#include "tests/win/ProgramHarness_win.h"

namespace {

std::filesystem::path Scratch(const wchar_t* name) {
  const auto folder = ProgramFolder() / L"test-scratch";
  std::filesystem::create_directories(folder);
  const auto path = folder / name;
  std::filesystem::remove(path);
  return path;
}

void WriteRaw(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::wstring PlatformString(const std::filesystem::path& file, std::u16string_view section,
                            std::u16string_view key) {
  std::wstring buffer(4096, L'\0');
  const DWORD n = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"",
                                           buffer.data(), 4096, file.c_str());
  buffer.resize(n);
  return buffer;
}

// Six profiles with names in several scripts and macros in their slots.
std::unique_ptr<SettingsStore> RichSettings(const std::filesystem::path& path) {
  auto store = std::make_unique<SettingsStore>(path);
  store->Reload();
  const char16_t* names[] = {u"Střelba", u"狙击", u"Ünïcode ✓", u"=equals", u"  spaced", u"\"q\""};
  for (int i = 0; i < kMaxProfiles; ++i) {
    ProfileRecord& p = store->config().profiles[i];
    SetFixedText(p.name, names[i]);
    SetFixedText(p.syncPath, u"C:\\Users\\hráč\\Pictures\\p" + DecimalText(i) + u".jpg");
    p.slots[2].code = kCodeMacro;
    p.slots[2].library = 40 + i;
    for (int e = 0; e < 30; ++e)
      p.slots[2].events[e] = {std::uint8_t(0x20 + e), 0, std::uint16_t(e)};
    p.slots[2].count = 30;
    p.dpiColor[1] = 0xFFFFFF;
  }
  store->Save();
  return store;
}

// Rewrites every key of `source` into `target` through the platform, one by one.
void CopyThroughPlatform(const std::filesystem::path& source, const std::filesystem::path& target) {
  WriteRaw(target, "\xFF\xFE");  // the platform keeps Unicode text in UTF-16 files
  const IniFile reference(source);
  reference.Visit(
      [&](std::u16string_view section, std::u16string_view key, std::u16string_view value) {
        WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                   target.c_str());
      });
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, target.c_str());
}

void ExpectSameEntries(const Library& a, const Library& b) {
  ASSERT_EQ(a.size(), b.size());
  for (int i = 0; i < a.size(); ++i) {
    const LibraryEntry& x = a.entries()[i];
    const LibraryEntry& y = b.entries()[i];
    EXPECT_EQ(x.name, y.name);
    EXPECT_EQ(x.number, y.number);
    EXPECT_EQ(x.repeatType, y.repeatType);
    EXPECT_EQ(x.repeatTimes, y.repeatTimes);
    EXPECT_EQ(x.shots, y.shots);
    EXPECT_EQ(std::memcmp(&x.events, &y.events, sizeof x.events), 0) << i;
  }
}

TEST(PlatformIni, AFileWrittenByIniFileReadsTheSameThroughThePlatform) {
  const auto path = Scratch(L"ours.ini");
  auto store = RichSettings(path);
  const IniFile ini(path);
  int checked = 0;
  ini.Visit([&](std::u16string_view section, std::u16string_view key, std::u16string_view) {
    EXPECT_EQ(PlatformString(path, section, key), Wide(ini.ReadString(section, key)))
        << Utf16ToUtf8(section) << "/" << Utf16ToUtf8(key);
    ++checked;
  });
  EXPECT_GT(checked, 400);

  for (int i = 0; i < kMaxProfiles; ++i) {
    const std::wstring section = Wide(ProfileSectionName(i, false));
    EXPECT_EQ(GetPrivateProfileIntW(section.c_str(), L"DPI_Color1", -1, path.c_str()), 0xFFFFFFu);
    ButtonSlot slot{};
    ASSERT_TRUE(GetPrivateProfileStructW(section.c_str(), L"ButtonAssigned2", &slot, sizeof slot,
                                         path.c_str()));
    EXPECT_EQ(std::memcmp(&slot, &store->config().profiles[i].slots[2], sizeof slot), 0);
  }
}

TEST(PlatformIni, AFileThePlatformWroteKeyByKeyLoadsIdentically) {
  const auto ours = Scratch(L"reference.ini");
  auto store = RichSettings(ours);
  const auto theirs = Scratch(L"platform.ini");
  CopyThroughPlatform(ours, theirs);

  SettingsStore loaded(theirs);
  loaded.LoadOnly();
  SettingsStore expected(ours);
  expected.LoadOnly();
  EXPECT_EQ(std::memcmp(&loaded.config(), &expected.config(), sizeof(MouseConfig)), 0);
  EXPECT_EQ(std::u16string(FixedText(loaded.config().profiles[1].name)), u"狙击");
}

TEST(PlatformIni, LibraryFilesAgreeWithThePlatformBothWays) {
  const auto folder = ProgramFolder() / L"test-scratch" / L"libraries";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  Libraries ours(folder);
  ours.Reload();  // the built-in patterns
  for (int n = 0; n < 3; ++n) {
    LibraryEntry macro;
    macro.name = u"Makro č." + DecimalText(n + 1);
    macro.number = ours.macros.NewLibraryNumber();
    macro.repeatType = 1;
    macro.repeatTimes = static_cast<std::uint8_t>(n + 2);
    for (int e = 0; e < 10 + n; ++e)
      macro.events[e] = {std::uint8_t(0x20 + e), 0, std::uint16_t(e % 2)};
    ASSERT_EQ(ours.macros.SaveEditedRecord(macro, true), kLibraryDone);
    ours.macros.LoadLibraryFile();
  }
  ours.Reload();

  for (const Library* library : {&ours.macros, &ours.patterns}) {
    const IniFile file(library->path());
    file.Visit([&](std::u16string_view section, std::u16string_view key, std::u16string_view) {
      EXPECT_EQ(PlatformString(library->path(), section, key), Wide(file.ReadString(section, key)));
    });
    // A file name of its own: the platform caches the files it has seen.
    const auto copy = folder / (L"copy-" + library->path().filename().wstring());
    CopyThroughPlatform(library->path(), copy);
    Library theirs(library->kind(), copy);
    theirs.LoadLibraryFile();
    ExpectSameEntries(*library, theirs);
  }
  EXPECT_EQ(ours.macros.size(), 3);
  EXPECT_EQ(ours.patterns.size(), 8);
}

TEST(PlatformIni, ReadingRulesAgreeWithThePlatform) {
  const char* files[] = {
      "[S]\r\nk= padded value \r\nq=\"quoted\"\r\nh='half\r\nempty=\r\nbare\r\n",
      "junk line\r\n[S]\r\nK=upper\r\nk=lower\r\n[s]\r\nk=again\r\nother=x\r\n",
      "  [ S ]  \r\n k = v \r\n[S]\r\nk=w\r\n",
      "[S]\nk=unix lines\n[T]\nn=-42x\n",
  };
  const char16_t* queries[][2] = {
      {u"S", u"k"},     {u"S", u"q"},   {u"S", u"h"},   {u"S", u"empty"}, {u"S", u"bare"},
      {u"S", u"other"}, {u" S ", u"k"}, {u"S", u" k "}, {u"T", u"n"},     {u"s", u"K"}};
  for (const char* content : files) {
    for (const bool utf16 : {false, true}) {
      const auto path = Scratch(L"rules.ini");
      std::string bytes = content;
      if (utf16) {
        bytes = "\xFF\xFE";
        for (const char* c = content; *c; ++c) bytes += std::string{*c, '\0'};
      }
      WriteRaw(path, bytes);
      const IniFile ini(path);
      for (const auto& q : queries) {
        EXPECT_EQ(PlatformString(path, q[0], q[1]), Wide(ini.ReadString(q[0], q[1])))
            << content << " query [" << Utf16ToUtf8(q[0]) << "] " << Utf16ToUtf8(q[1]);
        EXPECT_EQ(static_cast<int>(GetPrivateProfileIntW(Wide(q[0]).c_str(), Wide(q[1]).c_str(), 77,
                                                         path.c_str())),
                  ini.ReadInt(q[0], q[1], 77))
            << content;
      }
    }
  }
}

}  // namespace
