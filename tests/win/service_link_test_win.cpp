// The program and the device service: the apply message, the messages the
// main window accepts, and the simulator that stands in for the service.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "device/ServiceLink.h"
#include "macro/Libraries.h"
#include "settings/FileIo.h"
#include "settings/SettingsFile.h"
#include "settings/WideText_win.h"
#include "tests/win/ProgramHarness_win.h"
#include "tests/win/TestWindow_win.h"

namespace {

constexpr wchar_t kServiceTitle[] = L"Kestrelon_R58_Hid";

std::filesystem::path ScratchFolder() {
  const auto folder = ProgramFolder() / L"test-scratch" / L"link";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

class ApplyInProcess : public ::testing::Test {
 protected:
  void SetUp() override { QuitSimulator(); }
  std::filesystem::path folder = ScratchFolder();
  std::filesystem::path file = folder / L"GamingMouse";
};

TEST_F(ApplyInProcess, TheFileIsCompleteWhenTheServiceHearsOfItAndTheCursorWaits) {
  SettingsStore settings(file);
  ASSERT_TRUE(settings.Reload());
  Libraries libraries(folder);
  libraries.Reload();
  bool complete = false, waiting = false;
  int active = -1, level = -1;
  RecordingWindow service(kServiceTitle, [&](const RecordingWindow::Received& r) {
    if (r.message != UM_SERVICE_APPLY) return;
    complete = IsSettingsFileComplete(IniFile(file));
    waiting = GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
    SettingsStore seen(file);
    seen.LoadOnly();
    active = seen.config().header.active;
    level = seen.config().profiles[1].dpiCur;
  });

  ASSERT_TRUE(SetDpiLevel(settings.config(), 1, 4));
  settings.config().header.current = 1;
  ASSERT_TRUE(ApplySettingsToFiles(settings, libraries));
  EXPECT_TRUE(NotifyService(UM_SERVICE_APPLY));
  EXPECT_TRUE(service.Got(UM_SERVICE_APPLY));
  EXPECT_TRUE(complete);
  EXPECT_TRUE(waiting);
  EXPECT_EQ(active, 1);
  EXPECT_EQ(level, 4);
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the cursor is restored";
}

TEST_F(ApplyInProcess, WithoutAServiceTheFileIsStillWritten) {
  SettingsStore settings(file);
  ASSERT_TRUE(settings.Reload());
  Libraries libraries(folder);
  libraries.Reload();
  settings.config().profiles[0].dpiCur = 6;
  ASSERT_TRUE(ApplySettingsToFiles(settings, libraries));
  EXPECT_FALSE(NotifyService(UM_SERVICE_APPLY));
  SettingsStore back(file);
  back.LoadOnly();
  EXPECT_EQ(back.config().profiles[0].dpiCur, 6);
}

class ProgramAndService : public ::testing::Test {
 protected:
  void SetUp() override {
    QuitSimulator();
    ASSERT_EQ(FindWindowW(nullptr, WidePtr(kMainWindowTitle)), nullptr);
    ClearPerUserFolder();
  }
  void TearDown() override {
    if (HWND window = FindWindowW(nullptr, WidePtr(kMainWindowTitle)))
      PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForWindowGone(WidePtr(kMainWindowTitle), 10000);
    QuitSimulator();
  }
  HWND StartProgram() {
    program_ = std::make_unique<ChildProcess>(ProgramFolder() / L"KestrelonR58.exe");
    return WaitForWindow(WidePtr(kMainWindowTitle), 30000);
  }
  std::string Hid(const std::wstring& arguments) {
    return RunAndCapture(ProgramFolder() / L"hid.exe", arguments);
  }
  std::unique_ptr<ChildProcess> program_;
};

TEST_F(ProgramAndService, TheProgramStartsTheServiceOnlyWhenItIsAbsent) {
  HWND window = StartProgram();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(WaitForWindow(kServiceTitle, 20000, false), nullptr) << "hid.exe was started";
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program_->Wait(15000));

  ASSERT_NE(StartProgram(), nullptr);
  Sleep(1500);
  EXPECT_EQ(CountTopLevelWindows(kServiceTitle), 1);
}

TEST_F(ProgramAndService, QueryReloadAndTheDisplayFlagAreAnswered) {
  HWND window = StartProgram();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(window, UM_QUERY, 0, 0), 1);
  EXPECT_EQ(Hid(L"--send query"), "1\n");
  EXPECT_EQ(Hid(L"--send reload"), "0\n");
  EXPECT_EQ(Hid(L"--send dpi 0x1 4"), "0\n");

  RecordingWindow preferences(L"Kestrelon_Preference");
  EXPECT_EQ(SendMessageW(window, UM_OSD_CHANGED, 1, 77), 1);
  EXPECT_EQ(SendMessageW(window, UM_OSD_CHANGED, 5, 0), 1) << "answered although not stored";
  PumpMessages(300);
  ASSERT_EQ(preferences.received().size(), 2u);
  EXPECT_EQ(preferences.received()[0].message, UM_OSD_CHANGED);
  EXPECT_EQ(preferences.received()[0].wParam, 1u);
  EXPECT_EQ(preferences.received()[0].lParam, 77);
}

TEST_F(ProgramAndService, ShutdownClosesTheAuxiliaryWindowsAndEndsWithoutSaving) {
  HWND window = StartProgram();
  ASSERT_NE(window, nullptr);
  const auto settings = PerUserFolder() / L"GamingMouse";
  std::string before;
  ReadWholeFile(settings, before);
  std::vector<UINT> closed;
  auto recordClose = [&](const wchar_t* title) {
    return std::make_unique<RecordingWindow>(title, [&, title](const RecordingWindow::Received& r) {
      if (r.message == WM_CLOSE) closed.push_back(title[10]);  // W, P, M
    });
  };
  auto warning = recordClose(L"Kestrelon_Warning");
  auto preference = recordClose(L"Kestrelon_Preference");
  auto macro = recordClose(L"Kestrelon_Macro");

  EXPECT_EQ(SendMessageW(window, UM_SHUTDOWN, 0x0918, 0), 1);
  EXPECT_FALSE(program_->Wait(500)) << "0x0918 leaves the program running";
  EXPECT_TRUE(closed.empty());

  SendMessageW(window, UM_DPI_LEVEL, 0, 6);  // an unsaved change
  EXPECT_EQ(SendMessageW(window, UM_SHUTDOWN, 0x0916, 0), 1);
  EXPECT_TRUE(program_->Wait(15000));
  EXPECT_EQ(closed, (std::vector<UINT>{L'W', L'P', L'M'}));
  std::string after;
  ReadWholeFile(settings, after);
  EXPECT_EQ(after, before);
}

TEST_F(ProgramAndService, CloseRequestEndsTheProgram) {
  HWND window = StartProgram();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(window, UM_CLOSE_CONFIG, 0, 0), 0);
  EXPECT_TRUE(program_->Wait(15000));
}

TEST_F(ProgramAndService, EveryApplyLeavesAJournalLineOfTheFileAsApplied) {
  ASSERT_NE(StartProgram(), nullptr);
  ASSERT_NE(WaitForWindow(kServiceTitle, 20000, false), nullptr);
  const auto settings = PerUserFolder() / L"GamingMouse";
  {
    SettingsStore store(settings);
    store.LoadOnly();
    store.config().header.current = 2;
    SetFixedText(store.config().profiles[2].name, u"Ranked");
    store.config().profiles[2].dpiCur = 5;
    ASSERT_TRUE(store.Save());
  }
  DWORD code = 99;
  const std::string out = RunAndCapture(ProgramFolder() / L"r58ctl.exe",
                                        L"apply \"" + settings.wstring() + L"\"", &code);
  EXPECT_EQ(code, 0u) << out;
  EXPECT_EQ(nlohmann::json::parse(out)["service"], true);

  std::ifstream journal(PerUserFolder() / L"hid-journal.jsonl");
  std::string line, last;
  int lines = 0;
  while (std::getline(journal, line)) last = line, ++lines;
  ASSERT_EQ(lines, 1);
  const auto entry = nlohmann::json::parse(last);
  EXPECT_EQ(entry["message"], "apply");
  EXPECT_EQ(entry["file"], "complete");
  EXPECT_EQ(entry["active"], 2);
  EXPECT_EQ(entry["profile"]["name"], "Ranked");
  EXPECT_EQ(entry["profile"]["dpi_level"], 5);
  EXPECT_EQ(entry["profile"]["dpi"][5], 5000);
}

}  // namespace
