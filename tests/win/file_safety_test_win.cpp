// Files the program must not lose under the platform's own rules: a read-only
// settings file, a file another program holds open without sharing, and a file
// larger than the read limit. Each is checked through the core's apply.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device/ServiceLink.h"
#include "macro/Libraries.h"
#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "tests/LibraryFixture.h"
#include "tests/win/ProgramHarness_win.h"

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file opened for reading without sharing, as another program may hold it.
HANDLE HoldWithoutSharing(const std::filesystem::path& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

class FileSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    // The user's settings: a named profile, the second one current; and a
    // library with one macro, assigned to a button of that profile.
    SettingsStore store(settingsPath);
    ASSERT_TRUE(store.Reload());
    Libraries libraries(folder);
    libraries.Reload();
    SaveOneKeyMacro(libraries);
    SetFixedText(store.config().profiles[1].name, u"Mine");
    AssignMacro(store.config().profiles[1].slots[3], 0, 0, 0);
    store.config().header.current = 1;
    ASSERT_TRUE(ApplySettingsToFiles(store, libraries));
    store.config().header.current = 0;  // the next apply changes Active
    ASSERT_TRUE(store.Save());
  }
  void TearDown() override {
    for (const auto& file : {settingsPath, macroPath})
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(folder);
  }

  // The apply button: reload, then apply. Returns the apply's result.
  bool ReloadAndApply() {
    SettingsStore store(settingsPath);
    store.Reload();
    Libraries libraries(folder);
    libraries.Reload();
    return ApplySettingsToFiles(store, libraries);
  }

  std::filesystem::path folder = ProgramFolder() / L"test-scratch" / L"file-safety";
  std::filesystem::path settingsPath = folder / L"GamingMouse";
  std::filesystem::path macroPath = folder / L"MacroSetting";
};

TEST_F(FileSafetyTest, AReadOnlySettingsFileIsRefusedNotReplaced) {
  const std::string before = ReadAll(settingsPath);
  ASSERT_TRUE(SetFileAttributesW(settingsPath.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(ReloadAndApply());
  SettingsStore store(settingsPath);
  ASSERT_TRUE(store.LoadOnly());
  EXPECT_FALSE(store.DeleteProfile());
  EXPECT_TRUE(ReadAll(settingsPath) == before) << "the file is byte-identical";
  EXPECT_EQ(GetFileAttributesW(settingsPath.c_str()) & FILE_ATTRIBUTE_READONLY,
            DWORD{FILE_ATTRIBUTE_READONLY});

  // A read-only library is refused too; its copy stays as it was.
  const std::string library = ReadAll(macroPath);
  ASSERT_TRUE(SetFileAttributesW(macroPath.c_str(), FILE_ATTRIBUTE_READONLY));
  Library macros(LibraryKind::kMacro, macroPath);
  ASSERT_TRUE(macros.LoadLibraryFile());
  EXPECT_EQ(macros.DeleteEntry(0, 0), kLibraryWriteFailed);
  EXPECT_EQ(macros.size(), 1);
  EXPECT_TRUE(ReadAll(macroPath) == library) << "the file is byte-identical";
}

TEST_F(FileSafetyTest, ASettingsFileHeldOpenWithoutSharingIsLeftByteIdentical) {
  const std::string before = ReadAll(settingsPath);
  HANDLE held = HoldWithoutSharing(settingsPath);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SettingsStore store(settingsPath);
  EXPECT_FALSE(store.Reload()) << "the file could not be read";
  EXPECT_TRUE(store.unreadable());
  EXPECT_EQ(FixedText(store.config().profiles[1].name), u"") << "the program runs on defaults";
  Libraries libraries(folder);
  libraries.Reload();
  EXPECT_FALSE(ApplySettingsToFiles(store, libraries));
  CloseHandle(held);
  EXPECT_TRUE(ReadAll(settingsPath) == before) << "the file is byte-identical";

  // Released, the file still does not get the defaults the program runs on.
  EXPECT_FALSE(ApplySettingsToFiles(store, libraries));
  bool written = true;
  store.AddProfile(u"Profile", &written);
  EXPECT_FALSE(written);
  EXPECT_TRUE(ReadAll(settingsPath) == before) << "the file is byte-identical";
}

TEST_F(FileSafetyTest, ALibraryHeldOpenWithoutSharingIsLeftByteIdentical) {
  const std::string library = ReadAll(macroPath);
  HANDLE held = HoldWithoutSharing(macroPath);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SettingsStore store(settingsPath);
  ASSERT_TRUE(store.Reload());
  store.config().header.current = 1;
  Libraries libraries(folder);
  EXPECT_FALSE(libraries.Reload());
  CloseHandle(held);
  // The settings are applied; the library the apply could not read is not
  // rewritten from an empty copy, and the slot keeps the macro it had.
  EXPECT_TRUE(ApplySettingsToFiles(store, libraries));
  EXPECT_TRUE(ReadAll(macroPath) == library) << "the file is byte-identical";
  SettingsStore back(settingsPath);
  ASSERT_TRUE(back.LoadOnly());
  EXPECT_EQ(back.config().header.active, 1);
  EXPECT_EQ(back.config().profiles[1].slots[3].count, 1);
  EXPECT_EQ(back.config().profiles[1].slots[3].events[0].code, 0x14);
}

TEST_F(FileSafetyTest, ASettingsFileAboveTheReadLimitIsLeftByteIdentical) {
  HANDLE file = CreateFileW(settingsPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size{};
  size.QuadPart = static_cast<LONGLONG>(kMaxSettingsFileBytes) + 1;
  ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(file));
  CloseHandle(file);
  const std::string before = ReadAll(settingsPath);
  ASSERT_EQ(before.size(), kMaxSettingsFileBytes + 1);

  EXPECT_FALSE(ReloadAndApply());
  EXPECT_TRUE(ReadAll(settingsPath) == before) << "the file is byte-identical";
}

}  // namespace
