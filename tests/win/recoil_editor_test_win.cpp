// The recoil editor in a real window: shot columns laid out by the shot-count
// menu, step buttons and typed boxes kept in their ranges, built-in names
// locked, and what the save writes into the pattern library file.
#include <memory>

#include "controls/BtnMenu_win.h"
#include "controls/ControlMessages.h"
#include "editors/DlgPressureGunSet_win.h"
#include "editors/Editors_win.h"
#include "settings/Utf.h"
#include "tests/win/EditorTest_win.h"

namespace {

constexpr char16_t kPos[] = u"PRESSUREGUN_EDIT_POS";

class RecoilEditorTest : public EditorTest {
 protected:
  void TearDown() override {
    CloseCurrentPopupMenu();
    if (dialog_ && dialog_->GetSafeHwnd()) dialog_->DestroyWindow();
    dialog_.reset();
    EditorTest::TearDown();
  }

  void Open(int position) {
    dialog_ = std::make_unique<CDlgPressureGunSet>(nullptr, libraries_->patterns, position);
    ASSERT_TRUE(dialog_->Create(nullptr));
    dialog_->ShowWindow(SW_SHOW);
    SetForegroundWindow(dialog_->m_hWnd);
    PumpDialog(200);
  }

  // A step button of shot column `column` (its skin key names the row).
  HWND StepButton(const char16_t* key, int column) const {
    return ControlAt(dialog_->m_hWnd, kPos, key, ShotColumnOffset(column, dialog_->shots()));
  }
  std::wstring BoxText(int column, ShotBox box) const {
    return dialog_->Box(column, box).GetWindowText();
  }
  void SetBox(int column, ShotBox box, const wchar_t* text) const {
    dialog_->Box(column, box).SetWindowText(text);
  }
  // Picks entry `entry` of the shot-count menu with real clicks.
  void ChooseShots(int entry) {
    Click(ControlAt(dialog_->m_hWnd, kPos, u"4"));
    ASSERT_NE(CurrentPopupMenu, nullptr) << "the shot-count menu did not open";
    ASSERT_EQ(CurrentPopupMenu->GetItemCount(), kMaxShots);
    ASSERT_NE(CurrentPopupMenu->Row(entry), nullptr);
    Click(CurrentPopupMenu->Row(entry)->GetSafeHwnd());
  }
  LibraryEntry Saved(int position) {
    EXPECT_TRUE(libraries_->patterns.LoadLibraryFile());
    return libraries_->patterns.entries().at(position);
  }

  std::unique_ptr<CDlgPressureGunSet> dialog_;
};

TEST_F(RecoilEditorTest, ABuiltInPatternStepsDownAndSavesButKeepsItsName) {
  Open(1);  // "UZI": one shot, 40 ms, vertical -18
  EXPECT_EQ(dialog_->shots(), 1);
  EXPECT_FALSE(IsWindowEnabled(ControlAt(dialog_->m_hWnd, kPos, u"19"))) << "a built-in's name";
  EXPECT_EQ(BoxText(0, ShotBox::kInterval), L"40");
  EXPECT_EQ(BoxText(0, ShotBox::kHorizontal), L"0");
  EXPECT_EQ(BoxText(0, ShotBox::kVertical), L"-18");
  HWND down = StepButton(u"6", 0);
  ASSERT_NE(down, nullptr);
  for (int i = 0; i < 3; ++i) {
    Click(down);
    PumpDialog(500);  // clicks this far apart are not a double click
  }
  EXPECT_EQ(BoxText(0, ShotBox::kVertical), L"-21");
  EXPECT_TRUE(CaptureWindow(dialog_->m_hWnd, L"recoil_editor_built_in"));
  Click(ControlAt(dialog_->m_hWnd, kPos, u"3"));
  ASSERT_TRUE(dialog_->saved());

  const LibraryEntry saved = Saved(1);
  EXPECT_EQ(saved.name, u"UZI");
  EXPECT_EQ(saved.shots, 1);
  EXPECT_EQ(CountEvents(saved.events), kEventsPerShot);
  // Fired with code 1 + 2 for number 1; the move's low byte is the step down.
  EXPECT_EQ(saved.events[0].code, 3);
  EXPECT_EQ(saved.events[3].value, 40);
  EXPECT_EQ(saved.events[4].code, kEventMove);
  EXPECT_EQ(saved.events[4].value, MoveValue(0, -21));
  EXPECT_EQ(libraries_->patterns.size(), kBuiltInPatternCount) << "no new entry";
}

TEST_F(RecoilEditorTest, TheShotCountMenuLaysTheColumnsOut) {
  Open(kNewRecord);
  const int firstLeft = dialog_->Box(0, ShotBox::kInterval).GetRectInParent().left;
  struct Case {
    int entry;
    int shots;
    int spacing;
  } cases[] = {{2, 3, 130}, {7, 8, 48}, {0, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shots);
    ChooseShots(c.entry);
    EXPECT_EQ(CurrentPopupMenu, nullptr) << "a pick closes the menu";
    ASSERT_EQ(dialog_->shots(), c.shots);
    EXPECT_EQ(ControlAt(dialog_->m_hWnd, kPos, u"4") != nullptr, true);
    for (int k = 0; k < kMaxShots; ++k) {
      const CClrEdit& box = dialog_->Box(k, ShotBox::kVertical);
      EXPECT_EQ(box.IsWindowVisible() != FALSE, k < c.shots) << "column " << k;
      if (k < c.shots) {
        EXPECT_EQ(box.GetRectInParent().left - firstLeft, k * c.spacing) << "column " << k;
        EXPECT_NE(StepButton(u"9", k), nullptr) << "column " << k;
      }
    }
    if (c.shots > 1) {
      const std::wstring name = L"recoil_editor_" + std::to_wstring(c.shots) + L"_shots";
      EXPECT_TRUE(CaptureWindow(dialog_->m_hWnd, name));
    }
  }
}

TEST_F(RecoilEditorTest, StepButtonsKeepTheirBoxesInRange) {
  Open(kNewRecord);
  struct Case {
    const char16_t* button;
    ShotBox box;
    const wchar_t* before;
    const wchar_t* after;
  } cases[] = {
      {u"6", ShotBox::kVertical, L"-50", L"-50"},   {u"5", ShotBox::kVertical, L"0", L"0"},
      {u"5", ShotBox::kVertical, L"-7", L"-6"},     {u"9", ShotBox::kInterval, L"999", L"999"},
      {u"10", ShotBox::kInterval, L"1", L"0"},      {u"10", ShotBox::kInterval, L"0", L"0"},
      {u"7", ShotBox::kHorizontal, L"-50", L"-50"}, {u"8", ShotBox::kHorizontal, L"50", L"50"},
      {u"8", ShotBox::kHorizontal, L"-1", L"0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.button) + " on " + Utf16ToUtf8(U16(c.before)));
    SetBox(0, c.box, c.before);
    Press(dialog_->m_hWnd, StepButton(c.button, 0));
    EXPECT_EQ(BoxText(0, c.box), c.after);
  }
  // The button of column 2 changes column 2 only.
  dialog_->PostMessage(UM_MENU_PICK, MAKEWPARAM(0xFFFF, 2), MAKELPARAM(0, 2));
  PumpDialog(100);
  ASSERT_EQ(dialog_->shots(), 3);
  SetBox(0, ShotBox::kVertical, L"-3");
  SetBox(2, ShotBox::kVertical, L"-3");
  Press(dialog_->m_hWnd, StepButton(u"6", 2));
  EXPECT_EQ(BoxText(2, ShotBox::kVertical), L"-4");
  EXPECT_EQ(BoxText(0, ShotBox::kVertical), L"-3");
}

TEST_F(RecoilEditorTest, TypedBoxesAreRewrittenIntoTheirRange) {
  Open(kNewRecord);
  struct Case {
    ShotBox box;
    const char* typed;
    const wchar_t* shown;
  } cases[] = {
      {ShotBox::kVertical, "7", L"0"},       {ShotBox::kVertical, "-80", L"-50"},
      {ShotBox::kHorizontal, "-60", L"-50"}, {ShotBox::kInterval, "1500", L"999"},
      {ShotBox::kInterval, "007", L"7"},     {ShotBox::kHorizontal, "4-", L"4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    HWND box = dialog_->Box(0, c.box).GetSafeHwnd();
    Click(box);
    Type("key End shift+Home BackSpace");
    Type(std::string("type -- ") + c.typed);
    EXPECT_EQ(BoxText(0, c.box), c.shown);
  }
  Type("key Return");
  Type("key Escape");
  EXPECT_NE(dialog_->GetSafeHwnd(), nullptr) << "Enter or Escape closed the editor";
}

TEST_F(RecoilEditorTest, FewerShotsSaveOnlyTheirOwnEvents) {
  // A user pattern of five shots at position 8, number 8.
  LibraryEntry stored;
  stored.name = u"Five";
  stored.number = 8;
  stored.shots = 5;
  std::vector<Shot> shots;
  for (int k = 0; k < 5; ++k) shots.push_back(Shot{100 + k, k, -k});
  stored.events = PatternEvents(shots, stored.number);
  Store(stored, LibraryKind::kPattern);
  Open(8);
  ASSERT_EQ(dialog_->shots(), 5);
  EXPECT_TRUE(IsWindowEnabled(ControlAt(dialog_->m_hWnd, kPos, u"19"))) << "a user pattern";
  EXPECT_EQ(BoxText(4, ShotBox::kInterval), L"104");
  ChooseShots(1);
  ASSERT_EQ(dialog_->shots(), 2);
  SetWindowTextW(ControlAt(dialog_->m_hWnd, kPos, u"19"), L"Two");
  Click(ControlAt(dialog_->m_hWnd, kPos, u"3"));
  ASSERT_TRUE(dialog_->saved());

  const LibraryEntry saved = Saved(8);
  EXPECT_EQ(saved.name, u"Two");
  EXPECT_EQ(saved.shots, 2);
  EXPECT_EQ(CountEvents(saved.events), 2 * kEventsPerShot);
  const std::vector<Shot> kept = PatternShots(saved.events, 2);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[1].interval, 101);
  EXPECT_EQ(kept[1].horizontal, 1);
  EXPECT_EQ(kept[1].vertical, -1);
  EXPECT_EQ(saved.events[0].code, 1) << "number 8 fires with the left button";
}

TEST_F(RecoilEditorTest, CancelWritesNothingAndNewPatternsTakeTheNextNumber) {
  const auto before = std::filesystem::last_write_time(libraries_->patterns.path());
  Open(2);
  Press(dialog_->m_hWnd, StepButton(u"6", 0));
  Click(ControlAt(dialog_->m_hWnd, kPos, u"2"));
  EXPECT_EQ(dialog_->GetSafeHwnd(), nullptr);
  EXPECT_FALSE(dialog_->saved());
  EXPECT_EQ(std::filesystem::last_write_time(libraries_->patterns.path()), before);

  Open(kNewRecord);
  EXPECT_TRUE(IsWindowEnabled(ControlAt(dialog_->m_hWnd, kPos, u"19")));
  Press(dialog_->m_hWnd, ControlAt(dialog_->m_hWnd, kPos, u"3"));
  ASSERT_TRUE(dialog_->saved());
  const LibraryEntry saved = Saved(kBuiltInPatternCount);
  EXPECT_EQ(saved.number, kBuiltInPatternCount);
  EXPECT_EQ(saved.name, u"Recoil 1");
  EXPECT_EQ(CountEvents(saved.events), kEventsPerShot);
}

TEST_F(RecoilEditorTest, EditPatternOpensNothingForAFullLibrary) {
  for (int n = kBuiltInPatternCount; n < kLibraryCapacity; ++n) {
    LibraryEntry record;
    record.number = n;
    ASSERT_EQ(libraries_->patterns.SaveEditedRecord(record, true), kLibraryDone);
  }
  libraries_->Reload();
  ASSERT_EQ(libraries_->patterns.size(), kLibraryCapacity);
  WarningWatcher watcher;
  EXPECT_EQ(EditPattern(nullptr, *libraries_, kNewEntryPosition), IDCANCEL);
  EXPECT_EQ(watcher.seen(), std::vector<int>{kWarnLibraryFull});
  EXPECT_FALSE(watcher.editorSeen());
}

}  // namespace
