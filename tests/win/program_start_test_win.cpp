// Start-up of the program itself: folders, first settings file, single instance.
#include <gtest/gtest.h>

#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "tests/win/ProgramHarness_win.h"

namespace {

constexpr wchar_t kTitle[] = L"Kestrelon R58";

std::string Bytes(const std::filesystem::path& p) {
  std::string bytes;
  ReadWholeFile(p, bytes);
  return bytes;
}

class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindWindowW(nullptr, kTitle), nullptr) << "a program window is left from before";
    ASSERT_TRUE(InstanceMarkGone())
        << "an instance from before still holds the single-instance mark";
    ClearPerUserFolder();
  }
  // The program starts the device-service simulator, which outlives it.
  void TearDown() override { QuitSimulator(); }
  // The program's single-instance mark may outlive its window for a moment.
  static bool InstanceMarkGone() {
    for (int tries = 0; tries < 500; ++tries) {
      HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, kTitle);
      if (!mark) return true;
      CloseHandle(mark);
      Sleep(20);
    }
    return false;
  }
  // Says why no window came: a program that ended (and how) or one still starting.
  static std::string WhyNoWindow(ChildProcess& program) {
    if (!program.Wait(0)) return "the program is still running without a visible window";
    return "the program ended with exit code " + std::to_string(program.ExitCode());
  }
  std::filesystem::path exe = ProgramFolder() / L"KestrelonR58.exe";
};

TEST_F(ProgramStart, FirstStartCreatesTheFoldersAndTheDefaultSettingsFile) {
  ASSERT_FALSE(std::filesystem::exists(PerUserFolder().parent_path()));
  ChildProcess program(exe);
  ASSERT_TRUE(program.started());
  HWND window = WaitForWindow(kTitle, 30000);
  ASSERT_NE(window, nullptr) << WhyNoWindow(program);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);

  const auto settings = PerUserFolder() / L"GamingMouse";
  ASSERT_TRUE(std::filesystem::exists(settings));
  SettingsStore store(settings);
  store.LoadOnly();
  EXPECT_EQ(store.config().header.totle, 6);
  const std::string bytes = Bytes(settings);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.Wait(15000));
  EXPECT_EQ(Bytes(settings), bytes) << "leaving the program writes nothing";
}

TEST_F(ProgramStart, ASecondInstanceExitsAtOnceAndWritesNothing) {
  ChildProcess first(exe);
  HWND window = WaitForWindow(kTitle, 30000);
  ASSERT_NE(window, nullptr) << WhyNoWindow(first);
  const auto settings = PerUserFolder() / L"GamingMouse";
  const std::string before = Bytes(settings);
  std::filesystem::remove(settings);  // a second instance that wrote would recreate it

  ChildProcess second(exe);
  ASSERT_TRUE(second.started());
  EXPECT_TRUE(second.Wait(15000));
  EXPECT_EQ(CountTopLevelWindows(kTitle), 1);
  EXPECT_FALSE(std::filesystem::exists(settings));

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.Wait(15000));
  EXPECT_FALSE(before.empty());
}

}  // namespace
