#include "editors/DlgMacroSet_win.h"

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "device/WindowTitles.h"
#include "editors/hook/KBHookLibrary_win.h"
#include "framework/Paint_win.h"
#include "framework/ResourceIds.h"
#include "macro/EditorBoxes.h"
#include "macro/EventRows.h"
#include "macro/HookMessages.h"
#include "settings/IniFile.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"

namespace {

constexpr char16_t kPositions[] = u"MACRO_EDIT_POS";
constexpr char16_t kInitialDelay[] = u"50";
constexpr char16_t kInitialCount[] = u"1";
constexpr int kBoxFontHeight = 18;
// The in-place delay editor stands this far in from the row's left edge and
// takes at most this many digits.
constexpr int kDelayEditorIndent = 40;
constexpr int kDelayEditorLimit = 5;
constexpr int kRepeatNTimes = 1;

constexpr const char16_t* kDelayModeKeys[] = {u"10", u"11", u"12"};
constexpr const char16_t* kRepeatKeys[] = {u"13", u"14", u"15", u"16"};

}  // namespace

CDlgMacroSet::CDlgMacroSet(CWnd* owner, const Library& macros, int position)
    : CDialog(IDD_MACRO_EDITOR, owner),
      macros_(macros),
      draft_(OpenMacro(macros, position, GetFuncString(kTextMacroWord))) {}

CDlgMacroSet::~CDlgMacroSet() = default;

void CDlgMacroSet::BuildFromSkin() {
  sheets_.Load(u"MACRO_EDIT_SCREEN");
  ShapeEditorWindow(m_hWnd);
  const struct {
    CBitmapBtn2& button;
    const char16_t* key;
  } buttons[] = {{close_, u"1"},  {cancel_, u"2"}, {save_, u"3"},   {record_, u"5"},
                 {modify_, u"6"}, {delete_, u"7"}, {moveUp_, u"8"}, {moveDown_, u"9"}};
  for (const auto& b : buttons) PlaceEditorButton(b.button, m_hWnd, sheets_, kPositions, b.key);
  for (int i = 0; i < 3; ++i)
    PlaceEditorButton(delayModes_[i], m_hWnd, sheets_, kPositions, kDelayModeKeys[i]);
  for (int i = 0; i < 4; ++i)
    PlaceEditorButton(repeatTypes_[i], m_hWnd, sheets_, kPositions, kRepeatKeys[i]);
  record_.SetMaskRegion(Paths().programFolder + L"skins\\Btn_Mask4.bmp");

  PlaceEditorBox(name_, m_hWnd, EntryRect(kPositions, u"19"), kBoxFontHeight);
  PlaceEditorBox(delayBox_, m_hWnd, EntryRect(kPositions, u"20"), kBoxFontHeight);
  PlaceEditorBox(countBox_, m_hWnd, EntryRect(kPositions, u"21"), kBoxFontHeight);
  name_.SetLimitText(static_cast<int>(kMaxStringUnits));
  delayBox_.SetSignedDigitsOnly();
  countBox_.SetSignedDigitsOnly();
  list_.CreateList(EntryRect(kPositions, u"22"), m_hWnd);
  sheets_.ReleaseButtonSheets();

  // A delay row reads prefix, number, a blank and suffix.
  delayPrefix_ = ParseSkinEntry(ReadSkinValue(kPositions, u"22")).name;
  delaySuffix_ = ParseSkinEntry(ReadSkinValue(kPositions, u"42")).name;
}

BOOL CDlgMacroSet::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kMacroWindowTitle));
  BuildFromSkin();
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);

  hook_ = std::make_unique<KBHookLibrary>(Paths().programFolder);
  hook_->Install(m_hWnd);
  hook_->HookDialog(m_hWnd);
  hook_->Enable(false);

  name_.SetWindowText(Wide(draft_.name));
  delayBox_.SetWindowText(WidePtr(kInitialDelay));
  countBox_.SetWindowText(draft_.repeatType == kRepeatNTimes
                              ? std::to_wstring(draft_.repeatCount)
                              : std::wstring(WidePtr(kInitialCount)));
  SelectDelayMode(DelayMode::kRealTime);
  for (int i = 0; i < 4; ++i) repeatTypes_[i].SetCheck(i == draft_.repeatType);
  Show(countBox_, draft_.repeatType == kRepeatNTimes);
  FillList(-1);
  SetRecordingControls();
  return TRUE;
}

void CDlgMacroSet::FillList(int select) {
  list_.Clear();
  for (const EventRow& row : ListRows(draft_.events, delayPrefix_, delaySuffix_))
    list_.AddRow(Wide(row.text), row.icon);
  if (select >= 0 && select < draft_.events.count) list_.SetCurSel(select);
  list_.EnableWindow(!recorder_.recording && draft_.events.count > 0);
  UpdateSaveButton();
}

void CDlgMacroSet::UpdateSaveButton() {
  save_.EnableWindow(SaveAllowed(recorder_.recording, draft_.events.count, (BoxText(name_))));
}

void CDlgMacroSet::SetRecordingControls() {
  const bool idle = !recorder_.recording;
  const CWnd* controls[] = {&name_,   &delayBox_, &countBox_, &modify_, &delete_,
                            &moveUp_, &moveDown_, &cancel_,   &close_};
  for (const CWnd* c : controls) c->EnableWindow(idle);
  for (const CBitmapBtn2& b : delayModes_) b.EnableWindow(idle);
  for (const CBitmapBtn2& b : repeatTypes_) b.EnableWindow(idle);
  list_.EnableWindow(idle && draft_.events.count > 0);
  UpdateSaveButton();
}

void CDlgMacroSet::StartRecording(bool on) {
  if (recorder_.Start(on, draft_.events)) list_.Clear();
  ShowRecordingState(on);
}

void CDlgMacroSet::ShowRecordingState(bool on) {
  if (on) {
    SetTimer(TIMER_RECORD_BLINK, kRecordBlinkMs);
    blinkOn_ = true;
    ::SetFocus(list_.GetSafeHwnd());
  } else {
    KillTimer(TIMER_RECORD_BLINK);
    blinkOn_ = false;
    FillList(list_.GetCurSel());
  }
  record_.SetCheck(on);
  if (hook_) hook_->Enable(on);
  SetRecordingControls();
}

LRESULT CDlgMacroSet::OnHookReport(WPARAM wParam, LPARAM lParam) {
  if (!recorder_.recording || wParam > 0xFFFF) return 0;
  HookReport report;
  report.message = static_cast<int>(wParam);
  report.flags = static_cast<std::int64_t>(lParam);
  report.now = static_cast<std::uint32_t>(GetMessageTime());
  POINT cursor{};
  RECT button{};
  report.overRecordButton =
      GetCursorPos(&cursor) && GetWindowRect(record_, &button) && PtInRect(&button, cursor);
  report.selection = list_.GetCurSel();
  report.typedDelay = BoxNumber((BoxText(delayBox_)));
  const RecordResult result = recorder_.Record(draft_.events, report);
  ShowRecorded(result);
  return result.HandlerResult();
}

void CDlgMacroSet::ShowRecorded(const RecordResult& result) {
  switch (result.kind) {
    case RecordResult::kRecorded:
      if (result.clearList) list_.Clear();
      for (int i = result.firstRow; i < result.firstRow + result.newRows; ++i) {
        const EventRow row = RowOf(draft_.events.list[i], delayPrefix_, delaySuffix_);
        list_.AddRow(Wide(row.text), row.icon);
      }
      list_.SetCurSel(result.select);
      break;
    case RecordResult::kModified:
      for (int i : result.rewritten) {
        const EventRow row = RowOf(draft_.events.list[i], delayPrefix_, delaySuffix_);
        list_.ReplaceRow(i, Wide(row.text), row.icon);
      }
      break;
    case RecordResult::kStopped:
      ShowRecordingState(false);
      ShowWarning(this, result.warning);
      break;
    case RecordResult::kIgnored:
      break;
  }
}

void CDlgMacroSet::RunGroupEdit(GroupEdit edit) {
  const GroupEditResult result = EditGroup(draft_.events, list_.GetCurSel(), edit);
  if (result.done) FillList(result.selection);
  if (recorder_.recording) StartRecording(false);
}

void CDlgMacroSet::OnModify() {
  const int selected = list_.GetCurSel();
  switch (ModifyActionFor(draft_.events, selected)) {
    case ModifyAction::kEditDelay:
      OpenDelayEditor(selected);
      break;
    case ModifyAction::kRecordNewKey:
      if (recorder_.StartModify(draft_.events, selected)) ShowRecordingState(true);
      break;
    case ModifyAction::kNothing:
      break;
  }
}

void CDlgMacroSet::OpenDelayEditor(int row) {
  list_.SetCurSel(row);  // scrolled into view
  RECT item{};
  if (list_.GetItemRect(row, &item) == LB_ERR) return;
  MapWindowPoints(list_, m_hWnd, reinterpret_cast<POINT*>(&item), 2);
  const RECT at{item.left + kDelayEditorIndent, item.top, item.right, item.bottom};
  auto editor = std::make_unique<CRename>();
  if (!editor->Open(m_hWnd, at, Wide(DelayEditorText(draft_.events.list[row])), kDelayEditorLimit,
                    true)) {
    editor->DestroyWindow();
    return;
  }
  SetWindowPos(editor->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  delayEditor_ = std::move(editor);
  delayRow_ = row;
}

void CDlgMacroSet::CloseDelayEditor() {
  if (!delayEditor_) return;
  delayEditor_->DestroyWindow();
  delayEditor_.reset();
  delayRow_ = -1;
}

void CDlgMacroSet::OnDelayEdited(WPARAM editor) {
  // A commit of an editor already closed carries a stale pointer: compare only.
  if (!delayEditor_ || editor != reinterpret_cast<WPARAM>(delayEditor_.get())) return;
  const int typed = delayEditor_->number();
  const int row = delayRow_;
  CloseDelayEditor();
  // The row the editor was opened on, whichever row the click that ended it
  // selected.
  if (CommitDelay(draft_.events, row, typed)) FillList(list_.GetCurSel());
  if (hook_) hook_->Install(m_hWnd);
  ::SetFocus(list_.GetSafeHwnd());
}

void CDlgMacroSet::SelectDelayMode(DelayMode mode) {
  recorder_.delayMode = mode;
  for (int i = 0; i < 3; ++i) delayModes_[i].SetCheck(i == static_cast<int>(mode));
  Show(delayBox_, mode == DelayMode::kTyped);
}

void CDlgMacroSet::SelectRepeatType(int type) {
  draft_.repeatType = static_cast<std::uint8_t>(type);
  for (int i = 0; i < 4; ++i) repeatTypes_[i].SetCheck(i == type);
  Show(countBox_, type == kRepeatNTimes);
  if (type != kRepeatNTimes) countBox_.SetWindowText(L"0");
}

void CDlgMacroSet::Show(const CWnd& box, bool shown) {
  box.ShowWindow(shown ? SW_SHOW : SW_HIDE);
  box.EnableWindow(shown && !recorder_.recording);
}

void CDlgMacroSet::CapBoxesOnKeyRelease() {
  if (auto capped = CappedBoxText((BoxText(delayBox_)), kMaxDelay)) SetBoxText(delayBox_, *capped);
  if (::GetFocus() == countBox_.GetSafeHwnd())
    if (auto capped = CappedBoxText((BoxText(countBox_)), kMaxRepeatCount))
      SetBoxText(countBox_, *capped);
}

void CDlgMacroSet::Save() {
  if (recorder_.recording) StartRecording(false);
  draft_.name = (BoxText(name_));
  draft_.repeatCount = BoxNumber((BoxText(countBox_)));
  if (!SaveAllowed(false, draft_.events.count, draft_.name)) return;
  // A refused save leaves the macro in the editor.
  if (!SaveRecord(this, macros_, MacroToSave(draft_), draft_.isNew)) return;
  saved_ = true;
  EndDialog(IDOK);
}

BOOL CDlgMacroSet::OnCommand(WPARAM wParam, LPARAM lParam) {
  const HWND sender = reinterpret_cast<HWND>(lParam);
  if (sender && sender == name_.GetSafeHwnd() && HIWORD(wParam) == EN_CHANGE) {
    UpdateSaveButton();
    return TRUE;
  }
  if (!sender || HIWORD(wParam) != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
  CloseCurrentPopupMenu();
  CloseDelayEditor();
  if (sender == record_.GetSafeHwnd()) {
    StartRecording(!recorder_.recording);
  } else if (sender == modify_.GetSafeHwnd()) {
    OnModify();
  } else if (sender == delete_.GetSafeHwnd()) {
    if (list_.GetCurSel() >= 0) RunGroupEdit(GroupEdit::kDelete);
  } else if (sender == moveUp_.GetSafeHwnd()) {
    if (MoveUpAllowed(list_.GetCurSel())) RunGroupEdit(GroupEdit::kMoveUp);
  } else if (sender == moveDown_.GetSafeHwnd()) {
    if (MoveDownAllowed(draft_.events, list_.GetCurSel())) RunGroupEdit(GroupEdit::kMoveDown);
  } else if (sender == save_.GetSafeHwnd()) {
    Save();
  } else if (sender == cancel_.GetSafeHwnd() || sender == close_.GetSafeHwnd()) {
    EndDialog(IDCANCEL);
  } else {
    for (int i = 0; i < 3; ++i)
      if (sender == delayModes_[i].GetSafeHwnd()) SelectDelayMode(static_cast<DelayMode>(i));
    for (int i = 0; i < 4; ++i)
      if (sender == repeatTypes_[i].GetSafeHwnd()) SelectRepeatType(i);
  }
  return TRUE;
}

BOOL CDlgMacroSet::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
    return CDialog::PreTranslateMessage(msg);
  // Keys pressed while recording are the macro, not typing.
  if (recorder_.recording) return TRUE;
  if (IsEnterOrEscape(*msg)) return TRUE;
  if (msg->message == WM_KEYUP) CapBoxesOnKeyRelease();
  return CDialog::PreTranslateMessage(msg);
}

void CDlgMacroSet::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  HDC dc = buffer.dc();
  DrawBitmap(dc, sheets_.main.get(), 0, 0);
  // The title, the labels and the hint.
  PaintEditorTexts(dc, kPositions, u"26",
                   {u"27", u"28", u"29", u"30", u"31", u"32", u"33", u"34", u"35", u"36", u"40"});
}

LRESULT CDlgMacroSet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kHookKeyMessage:
    case kHookMouseMessage:
      return OnHookReport(wParam, lParam);
    case UM_INPLACE_DONE:
      OnDelayEdited(wParam);
      return 0;
    case WM_TIMER:
      if (wParam != TIMER_RECORD_BLINK) break;
      blinkOn_ = !blinkOn_;
      record_.SetCheck(blinkOn_);
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
      KillTimer(TIMER_RECORD_BLINK);
      CloseDelayEditor();
      CloseCurrentPopupMenu();
      hook_.reset();  // removes the hooks and frees the library
      recorder_.End();
      break;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
