#include "editors/DlgPressureGunSet_win.h"

#include <string>

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "device/WindowTitles.h"
#include "framework/Paint_win.h"
#include "framework/ResourceIds.h"
#include "macro/EditorBoxes.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"

namespace {

constexpr char16_t kPositions[] = u"PRESSUREGUN_EDIT_POS";
constexpr char16_t kSkinsFolder[] = u"skins\\";
// The band of shot columns repainted when their number changes.
constexpr RECT kColumnBand{600, 379, 1040, 464};
constexpr int kShotMenuRowHeight = 24;
constexpr int kNameFontHeight = 18;
constexpr int kBoxFontHeight = 15;
constexpr int kShotCaptionIndent = 8;
constexpr COLORREF kLockedNameColour = RGB(150, 150, 150);

// The number box keys of column 0, by ShotBox.
constexpr const char16_t* kBoxKeys[] = {u"20", u"21", u"22"};

RECT Shifted(RECT rect, int dx) {
  OffsetRect(&rect, dx, 0);
  return rect;
}

}  // namespace

CDlgPressureGunSet::CDlgPressureGunSet(CWnd* owner, const Library& patterns, int position)
    : CDialog(IDD_MACRO_EDITOR, owner),
      patterns_(patterns),
      draft_(OpenPattern(patterns, position, GetFuncString(kTextPatternWord))) {}

CDlgPressureGunSet::~CDlgPressureGunSet() = default;

void CDlgPressureGunSet::BuildFromSkin() {
  sheets_.Load(u"PRESSUREGUN_EDIT_SCREEN");
  ShapeEditorWindow(m_hWnd);
  PlaceEditorButton(close_, m_hWnd, sheets_, kPositions, u"1");
  PlaceEditorButton(cancel_, m_hWnd, sheets_, kPositions, u"2");
  PlaceEditorButton(save_, m_hWnd, sheets_, kPositions, u"3");
  PlaceEditorButton(shotCount_, m_hWnd, sheets_, kPositions, u"4");
  shotCount_.SetCaptionStyle(kCaption2Left);
  shotCount_.SetTextIndent(kShotCaptionIndent);
  PlaceEditorBox(name_, m_hWnd, EntryRect(kPositions, u"19"), kNameFontHeight);
  name_.SetLimitText(static_cast<int>(kMaxStringUnits));

  // Every column shows column 0's faces; LayOutColumns moves them.
  columnArea_ = RECT{};
  for (int b = 0; b < 3; ++b) {
    const RECT rect = EntryRect(kPositions, kBoxKeys[b]);
    UnionRect(&columnArea_, &columnArea_, &rect);
    for (Column& column : columns_) {
      PlaceEditorBox(column.boxes[b], m_hWnd, rect, kBoxFontHeight);
      column.boxes[b].SetSignedDigitsOnly();
    }
  }
  for (std::size_t r = 0; r < kStepRows.size(); ++r) {
    const RECT rect = EntryRect(kPositions, kStepRows[r].skinKey);
    UnionRect(&columnArea_, &columnArea_, &rect);
    for (Column& column : columns_) PlaceEditorButton(column.steps[r], m_hWnd, sheets_, rect, rect);
  }
  sheets_.ReleaseButtonSheets();
  chart_.Load(kPositions, u"11", kSkinsFolder);
  steps_.Load(kPositions, u"12", kSkinsFolder);
}

BOOL CDlgPressureGunSet::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kMacroWindowTitle));
  BuildFromSkin();
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);

  name_.SetWindowText(Wide(draft_.name));
  name_.EnableWindow(draft_.nameEditable);
  // A built-in pattern's name is shown, not offered for editing.
  if (!draft_.nameEditable) name_.m_textColour = kLockedNameColour;
  for (int k = 0; k < kMaxShots; ++k) {
    const Shot& shot = draft_.columns[k];
    Column& column = columns_[k];
    column.boxes[static_cast<int>(ShotBox::kInterval)].SetWindowText(
        std::to_wstring(shot.interval));
    column.boxes[static_cast<int>(ShotBox::kHorizontal)].SetWindowText(
        std::to_wstring(shot.horizontal));
    column.boxes[static_cast<int>(ShotBox::kVertical)].SetWindowText(
        std::to_wstring(shot.vertical));
  }
  LayOutColumns();
  return TRUE;
}

void CDlgPressureGunSet::LayOutColumns() {
  shotCount_.SetButtonText(std::to_wstring(draft_.shots));
  for (int k = 0; k < kMaxShots; ++k) {
    Column& column = columns_[k];
    const bool shown = k < draft_.shots;
    const int dx = ShotColumnOffset(k, draft_.shots);
    for (int b = 0; b < 3; ++b) {
      PlaceEditorBox(column.boxes[b], m_hWnd, Shifted(EntryRect(kPositions, kBoxKeys[b]), dx),
                     kBoxFontHeight);
      column.boxes[b].ShowWindow(shown ? SW_SHOWNA : SW_HIDE);
    }
    for (std::size_t r = 0; r < kStepRows.size(); ++r) {
      column.steps[r].MoveWindow(Shifted(EntryRect(kPositions, kStepRows[r].skinKey), dx));
      column.steps[r].ShowWindow(shown ? SW_SHOWNA : SW_HIDE);
    }
  }
  InvalidateRect(&kColumnBand);
}

void CDlgPressureGunSet::OpenShotMenu() {
  CBtnMenu* menu = NewDropDownMenu(m_hWnd, L"PressureGun", shotCount_);
  menu->SetRowHeight(kShotMenuRowHeight);
  for (int i = 0; i < kMaxShots; ++i) menu->AddMenuItem(L" " + std::to_wstring(i + 1), i);
  menu->CreateMenu(m_hWnd);
  menu->ShowMenu(SW_SHOWNOACTIVATE);
}

void CDlgPressureGunSet::OnShotPicked(int entry) {
  CloseCurrentPopupMenu();
  draft_.shots = ShotCountFromMenu(entry);
  LayOutColumns();
}

void CDlgPressureGunSet::Step(int row, int column) {
  const StepRow& step = kStepRows[row];
  const CClrEdit& box = columns_[column].boxes[static_cast<int>(step.box)];
  SetBoxText(box, SteppedBoxText(step.box, BoxText(box), step.delta));
}

void CDlgPressureGunSet::NormaliseBoxes() {
  for (const Column& column : columns_)
    for (int b = 0; b < 3; ++b)
      if (auto text = NormalisedShotBox(static_cast<ShotBox>(b), BoxText(column.boxes[b])))
        SetBoxText(column.boxes[b], *text);
}

void CDlgPressureGunSet::Save() {
  draft_.name = BoxText(name_);
  for (int k = 0; k < draft_.shots; ++k) {
    const Column& c = columns_[k];
    draft_.columns[k] = ShotFromBoxes(BoxText(c.boxes[static_cast<int>(ShotBox::kInterval)]),
                                      BoxText(c.boxes[static_cast<int>(ShotBox::kHorizontal)]),
                                      BoxText(c.boxes[static_cast<int>(ShotBox::kVertical)]));
  }
  // A refused save leaves the pattern in the editor.
  if (!SaveRecord(this, patterns_, PatternToSave(draft_), draft_.isNew)) return;
  saved_ = true;
  closing_ = true;
  EndDialog(IDOK);
}

BOOL CDlgPressureGunSet::OnCommand(WPARAM wParam, LPARAM lParam) {
  const HWND sender = reinterpret_cast<HWND>(lParam);
  if (!sender || HIWORD(wParam) != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
  const bool menuWasOpen = CurrentPopupMenu != nullptr;
  CloseCurrentPopupMenu();
  if (sender == shotCount_.GetSafeHwnd()) {
    // A second click on the button closes the menu it opened.
    if (!menuWasOpen) OpenShotMenu();
  } else if (sender == save_.GetSafeHwnd()) {
    Save();
  } else if (sender == cancel_.GetSafeHwnd() || sender == close_.GetSafeHwnd()) {
    closing_ = true;
    EndDialog(IDCANCEL);
  } else {
    for (int k = 0; k < kMaxShots; ++k)
      for (std::size_t r = 0; r < kStepRows.size(); ++r)
        if (sender == columns_[k].steps[r].GetSafeHwnd()) Step(static_cast<int>(r), k);
  }
  return TRUE;
}

BOOL CDlgPressureGunSet::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
    return CDialog::PreTranslateMessage(msg);
  // The dialog never closes on Enter or Escape.
  if (IsEnterOrEscape(*msg)) return TRUE;
  if (msg->message == WM_KEYUP && !closing_) NormaliseBoxes();
  return CDialog::PreTranslateMessage(msg);
}

void CDlgPressureGunSet::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  HDC dc = buffer.dc();
  DrawBitmap(dc, sheets_.main.get(), 0, 0);
  // Columns beside the first show its frames at their own places.
  if (sheets_.main) {
    const UniqueDC sheet = UniqueDC::Compatible(dc);
    const SelectScope select(sheet.get(), sheets_.main.get());
    const int width = columnArea_.right - columnArea_.left;
    const int height = columnArea_.bottom - columnArea_.top;
    for (int k = 1; k < draft_.shots; ++k)
      BitBlt(dc, columnArea_.left + ShotColumnOffset(k, draft_.shots), columnArea_.top, width,
             height, sheet.get(), columnArea_.left, columnArea_.top, SRCCOPY);
  }
  chart_.Draw(dc);
  steps_.Draw(dc);
  PaintEditorTexts(dc, kPositions, u"30", {u"31", u"32", u"33", u"34", u"35"});
}

LRESULT CDlgPressureGunSet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case UM_MENU_PICK:
      // A root menu's pick: the entry's value in the high word.
      if (LOWORD(lParam) == 0) OnShotPicked(HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
      CloseCurrentPopupMenu();
      break;
    case WM_DESTROY:
      closing_ = true;
      CloseCurrentPopupMenu();
      break;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
