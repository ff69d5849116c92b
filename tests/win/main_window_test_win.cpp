// The main dialog hosted in the test process: page switches through its tab
// buttons, and the GDI objects they leave behind.
#include <gtest/gtest.h>

#include "app/QoxelDlg_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"
#include "tests/win/ControlHost_win.h"
#include "tests/win/GdiCount_win.h"

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class MainWindowTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() / L"r58-main-window";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    settings_ = std::make_unique<SettingsStore>(folder_ / L"GamingMouse");
    libraries_ = std::make_unique<Libraries>(folder_);
    dialog_ = std::make_unique<CQoxelDlg>(*settings_, libraries_.get());
    ASSERT_TRUE(dialog_->Create(nullptr));
    dialog_->ShowWindow(SW_SHOW);
    Pump();
  }
  void TearDown() override {
    dialog_->DestroyWindow();
    dialog_.reset();
    QuitSimulator();  // the dialog started the device service
    ControlsTest::TearDown();
  }

  // Clicks a page tab as the button reports it: a command from its window.
  void ClickTab(int tab) {
    const wchar_t* keys[] = {L"7", L"8", L"99", L"9"};
    const SkinEntry entry = ParseSkinEntry(ReadSkinValue(u"MAIN", U16(keys[tab])));
    const POINT centre{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2};
    HWND button = ChildWindowFromPoint(dialog_->m_hWnd, centre);
    ASSERT_NE(button, dialog_->m_hWnd);
    dialog_->SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    RedrawWindow(dialog_->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  std::filesystem::path folder_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<Libraries> libraries_;
  std::unique_ptr<CQoxelDlg> dialog_;
};

TEST_F(MainWindowTest, TabsSwitchPages) {
  for (int tab : {1, 2, 3, 0}) {
    ClickTab(tab);
    EXPECT_EQ(dialog_->currentPage(), kPageOfTab[tab]);
  }
}

TEST_F(MainWindowTest, AThousandPageSwitchesKeepNoGdiObjects) {
  // The first round completes the pages the start left for later; the second
  // shows each complete page once, making its cached background.
  for (int round = 0; round < 2; ++round)
    for (int tab = 0; tab < kTabCount; ++tab) ClickTab(tab);
  const int settled = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) ClickTab(i % kTabCount);
  EXPECT_EQ(GdiObjectCount(), settled);
}

}  // namespace
