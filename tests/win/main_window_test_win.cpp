// The main dialog hosted in the test process: page switches through its tab
// buttons, and the GDI objects they leave behind.
#include <gtest/gtest.h>

#include "app/QoxelDlg_win.h"
#include "controls/ControlMessages.h"
#include "device/ServiceLink.h"
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
    Click(u"MAIN", U16(keys[tab]));
  }

  // A click on the control at a "MAIN" entry, as the control reports it.
  void Click(std::u16string_view section, std::u16string_view key) {
    HWND button = ControlAt(dialog_->m_hWnd, section, key);
    ASSERT_NE(button, dialog_->m_hWnd);
    dialog_->SendMessage(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    RedrawWindow(dialog_->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  static HWND ControlAt(HWND window, std::u16string_view section, std::u16string_view key) {
    const SkinEntry entry = ParseSkinEntry(ReadSkinValue(section, key));
    const POINT centre{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2};
    return ChildWindowFromPoint(window, centre);
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

// The caption of the button at a skin entry of the window.
std::wstring CaptionAt(HWND window, std::u16string_view section, std::u16string_view key) {
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(section, key));
  HWND control = ChildWindowFromPoint(
      window, POINT{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
  auto* button = dynamic_cast<CBitmapBtn*>(CWnd::FromHandle(control));
  return button ? button->GetButtonText() : L"(no button)";
}

TEST_F(MainWindowTest, ProfileNamesOutliveTheScreensCompletedAfterTheFirstPaint) {
  dialog_->DestroyWindow();
  dialog_.reset();
  SettingsStore store(folder_ / L"GamingMouse");
  ASSERT_TRUE(store.Reload());
  SetFixedText(store.config().profiles[0].name, u"Sniper");
  SetFixedText(store.config().profiles[1].name, u"Work");
  ASSERT_TRUE(store.Save());

  dialog_ = std::make_unique<CQoxelDlg>(*settings_, libraries_.get());
  ASSERT_TRUE(dialog_->Create(nullptr));
  dialog_->ShowWindow(SW_SHOW);
  // The sensitivity page needs every screen before it: they are completed now.
  ClickTab(1);
  EXPECT_EQ(CaptionAt(dialog_->m_hWnd, u"SYNC", u"11"), L"Sniper");
  EXPECT_EQ(CaptionAt(dialog_->m_hWnd, u"SYNC", u"12"), L"Work");
  EXPECT_EQ(CaptionAt(dialog_->m_hWnd, u"MAIN", u"5"), L"Sniper");
}

// Drives the preferences dialog from inside its modal loop: a timer finds it,
// makes the language picks and ends it with OK or the close button.
struct PreferencesScript {
  PreferencesScript(int pickCount, bool endWithOk) : picks(pickCount), ok(endWithOk) {}
  int picks;  // alternately Czech (0x80) and English (0x81)
  bool ok;
  LRESULT osdAnswer = 0;
  int lanIdWhileOpen = -1;
  std::filesystem::path skinWhileOpen;
  CQoxelDlg* main = nullptr;
};
PreferencesScript* script = nullptr;

void CALLBACK RunPreferencesScript(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(nullptr, L"Kestrelon_Preference");
  if (!dialog) return;
  KillTimer(nullptr, timer);
  script->osdAnswer = SendMessageW(dialog, UM_OSD_CHANGED, 1, 0);
  for (int i = 0; i < script->picks; ++i)
    SendMessageW(dialog, UM_MENU_PICK, 0, MAKELPARAM(0, i % 2 == 0 ? 0x80 : 0x81));
  script->lanIdWhileOpen = script->main->config().header.lanId;
  script->skinWhileOpen = SkinFilePath();
  // OPTION_POS 2 is OK, 1 the close button.
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(u"OPTION_POS", script->ok ? u"2" : u"1"));
  HWND button = ChildWindowFromPoint(
      dialog, POINT{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Every window of this thread: top-level ones (tooltips, menus) and their children.
int WindowCount() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) {
        ++*reinterpret_cast<int*>(counter);
        EnumChildWindows(
            window,
            [](HWND, LPARAM inner) {
              ++*reinterpret_cast<int*>(inner);
              return TRUE;
            },
            counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

class PreferencesTest : public MainWindowTest {
 protected:
  void RunPreferences(PreferencesScript& run) {
    run.main = dialog_.get();
    script = &run;
    SetTimer(nullptr, 0, 20, RunPreferencesScript);
    Click(u"MAIN", u"2");  // returns when the dialog has closed
    script = nullptr;
  }
};

TEST_F(PreferencesTest, CancelRestoresTheLanguageAndOkKeepsIt) {
  PreferencesScript cancel(1, false);
  RunPreferences(cancel);
  EXPECT_EQ(cancel.osdAnswer, 1);
  EXPECT_EQ(cancel.lanIdWhileOpen, 0);
  EXPECT_EQ(cancel.skinWhileOpen.filename(), L"skin_Cs.ini");
  EXPECT_EQ(dialog_->config().header.lanId, 1);
  EXPECT_EQ(SkinFilePath().filename(), L"skin_En.ini");

  PreferencesScript ok(1, true);
  RunPreferences(ok);
  EXPECT_EQ(dialog_->config().header.lanId, 0);
  EXPECT_EQ(SkinFilePath().filename(), L"skin_Cs.ini");
  for (const auto& [section, key] : {std::pair{u"MAIN", u"1"},
                                     {u"MAIN", u"7"},
                                     {u"ADVANCE", u"3"},
                                     {u"MAIN", u"11"},
                                     {u"SYNC", u"7"}}) {
    const std::wstring czech = Wide(ParseSkinEntry(ReadSkinValue(section, key)).text);
    EXPECT_EQ(CaptionAt(dialog_->m_hWnd, section, key), czech)
        << Wide(section) << L" " << Wide(key);
  }
  // Nothing reaches the file before the next apply.
  EXPECT_EQ(IniFile(folder_ / L"GamingMouse").ReadInt(u"Setting", u"lan_id", -1), 1);
}

TEST_F(PreferencesTest, AHundredLanguageSwitchesCreateNothingTwiceAndKeepNoGdiObjects) {
  for (int tab = 0; tab < kTabCount; ++tab) ClickTab(tab);
  // A first round reads the other skin file and makes its fonts once.
  PreferencesScript warmUp(2, true);
  RunPreferences(warmUp);
  for (int tab = 0; tab < kTabCount; ++tab) ClickTab(tab);
  const int windows = WindowCount();
  const int settled = GdiObjectCount();

  PreferencesScript hundred(100, true);
  RunPreferences(hundred);
  for (int tab = 0; tab < kTabCount; ++tab) ClickTab(tab);
  EXPECT_EQ(hundred.lanIdWhileOpen, 1);
  EXPECT_EQ(WindowCount(), windows);
  EXPECT_EQ(GdiObjectCount(), settled);
}

}  // namespace
