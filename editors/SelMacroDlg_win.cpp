#include "editors/SelMacroDlg_win.h"

#include <string>

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "framework/ResourceIds.h"
#include "macro/EditorBoxes.h"
#include "macro/Library.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

namespace {

constexpr char16_t kScreen[] = u"SEL_MACRO_SCREEN";
constexpr char16_t kPositions[] = u"SEL_MACRO_POS";
constexpr int kRepeatMenuRowHeight = 33;
constexpr int kRepeatCaptionLeft = 12;
constexpr int kRepeatArrowRoom = 28;
constexpr int kCountTextDrop = 3;
constexpr DWORD kCountBoxStyle = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER;

RECT EntryRect(std::u16string_view key) {
  const SkinEntry entry = ParseSkinEntry(ReadSkinValue(kPositions, key));
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

std::wstring EntryText(std::u16string_view key) {
  return Wide(ParseSkinEntry(ReadSkinValue(kPositions, key)).text);
}

// The colour of a sheet at a point: the count box takes its field's colour.
COLORREF SheetColourAt(HBITMAP sheet, POINT point) {
  if (!sheet) return RGB(0, 0, 0);
  const UniqueDC dc = UniqueDC::Compatible(nullptr);
  const SelectScope select(dc.get(), sheet);
  const COLORREF colour = GetPixel(dc.get(), point.x, point.y);
  return colour == CLR_INVALID ? RGB(0, 0, 0) : colour;
}

}  // namespace

CSelEntryDlg::CSelEntryDlg(CWnd* owner, const Library& library, const SelectionStart& start)
    : CDialogEx(IDD_SELECT_ENTRY, owner),
      library_(library),
      start_(start),
      position_(start.position),
      repeat_(start.repeat) {}

CSelEntryDlg::~CSelEntryDlg() = default;

void CSelEntryDlg::BuildFromSkin() {
  const UniqueBitmap down = LoadScreenSheet(kScreen, u"Down");
  const UniqueBitmap over = LoadScreenSheet(kScreen, u"Over");
  const UniqueBitmap disabled = LoadScreenSheet(kScreen, u"Disabled");
  SIZE size{};
  background_ = LoadScreenSheet(kScreen, u"Main", &size);
  SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);

  auto place = [&](CBitmapBtn& button, std::u16string_view key) {
    const RECT rect = EntryRect(key);
    button.CreateButton(rect, m_hWnd, 0);
    button.LoadStateImages(background_.get(), over.get(), down.get(), disabled.get(), rect);
    const std::wstring text = EntryText(key);
    if (!text.empty()) {
      button.SetButtonText(text);
      button.SetTipText(text, true);
    }
  };
  place(close_, u"1");
  place(cancel_, u"2");
  place(ok_, u"3");
  place(repeatButton_, u"4");
  repeatButton_.SetTextAlign(kAlignLeft);
  const RECT repeatRect = EntryRect(u"4");
  repeatButton_.SetTextRect(kRepeatCaptionLeft, 0,
                            repeatRect.right - repeatRect.left - kRepeatArrowRoom,
                            repeatRect.bottom - repeatRect.top);

  const RECT countRect = EntryRect(u"5");
  // The edit keeps its text at the top: it sits lower inside the drawn box.
  const RECT countEdit{countRect.left + 2, countRect.top + kCountTextDrop, countRect.right - 2,
                       countRect.bottom - 1};
  countBox_.Create(kCountBoxStyle, countEdit, m_hWnd, 0);
  countBox_.SetLimitText(2);
  countBox_.m_backgroundColour = SheetColourAt(
      background_.get(),
      POINT{(countRect.left + countRect.right) / 2, (countRect.top + countRect.bottom) / 2});
  countBox_.SendMessage(WM_SETFONT,
                        reinterpret_cast<WPARAM>(CachedFont(18, FW_NORMAL, InterfaceFace())), TRUE);

  list_.CreateList(EntryRect(u"6"), m_hWnd);
  list_.SetListDarkColours();
  list_.SetListTallRows();
  list_.SetListWhiteText();
}

void CSelEntryDlg::FillList() {
  for (const LibraryEntry& entry : library_.entries()) list_.AddListItem(Wide(entry.name));
  if (position_ >= 0 && position_ < list_.GetCount()) list_.SelectListItem(position_);
}

void CSelEntryDlg::ShowRepeat() {
  repeatButton_.SetButtonText(Wide(GetFuncString(kRepeatCommandFirst + repeat_.type)));
  countBox_.SetWindowText(std::to_wstring(repeat_.count));
  countBox_.EnableWindow(CountBoxEnabled(repeat_.type));
}

BOOL CSelEntryDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();
  BuildFromSkin();
  FillList();
  ShowRepeat();
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);
  return TRUE;
}

void CSelEntryDlg::OpenRepeatMenu() {
  CBtnMenu* menu = NewDropDownMenu(m_hWnd, L"loop", repeatButton_);
  menu->SetRowHeight(kRepeatMenuRowHeight);
  menu->SetTextLayout(kAlignLeft, kRepeatCaptionLeft);
  for (int type = 0; type < kRepeatTypes; ++type) {
    const int command = kRepeatCommandFirst + type;
    menu->AddMenuItem(Wide(GetFuncString(command)), command);
  }
  if (!menu->CreateMenu()) CloseCurrentPopupMenu();
}

void CSelEntryDlg::OnMenuPick(LPARAM lParam) {
  CloseCurrentPopupMenu();
  const std::optional<std::uint8_t> type = RepeatTypeOfCommand(HIWORD(lParam));
  if (!type) return;
  repeat_.type = *type;
  ShowRepeat();
}

void CSelEntryDlg::OnListSelect(WPARAM row) {
  // The list reports the row nearest the pointer, whatever the list holds.
  if (row >= static_cast<WPARAM>(list_.GetCount())) return;
  position_ = static_cast<int>(row);
  if (position_ < static_cast<int>(start_.rowRepeats.size())) {
    repeat_ = start_.rowRepeats[position_];
    ShowRepeat();
  }
}

void CSelEntryDlg::ReadCountBox() {
  const std::u16string text = U16(countBox_.GetWindowText());
  if (const std::optional<std::u16string> capped = CappedBoxText(text, kMaxPopupRepeatCount)) {
    countBox_.SetWindowText(Wide(*capped));
    countBox_.SetSel(static_cast<int>(capped->size()), static_cast<int>(capped->size()));
  }
  repeat_.count = RepeatOf(repeat_.type, BoxNumber(text)).count;
}

BOOL CSelEntryDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (!sender) return FALSE;  // the dialog manager's OK and cancel
  const bool menuWasOpen = CurrentPopupMenu != nullptr;
  CloseCurrentPopupMenu();
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  if (sender == close_.GetSafeHwnd() || sender == cancel_.GetSafeHwnd()) {
    EndDialog(IDCANCEL);
  } else if (sender == ok_.GetSafeHwnd()) {
    OnOK();
  } else if (sender == repeatButton_.GetSafeHwnd()) {
    if (!menuWasOpen) OpenRepeatMenu();
  } else {
    return FALSE;
  }
  return TRUE;
}

void CSelEntryDlg::OnOK() {
  CloseCurrentPopupMenu();
  // Without a chosen row there is nothing to assign.
  if (position_ < 0 || position_ >= list_.GetCount()) {
    EndDialog(IDCANCEL);
    return;
  }
  ReadCountBox();
  EndDialog(IDOK);
}

BOOL CSelEntryDlg::PreTranslateMessage(MSG* msg) {
  if (msg->hwnd == countBox_.GetSafeHwnd() &&
      (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
    ReadCountBox();
  return CDialogEx::PreTranslateMessage(msg);
}

void CSelEntryDlg::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  HDC dc = buffer.dc();
  DrawBitmap(dc, background_.get(), 0, 0);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  {
    const SelectScope font(dc, CachedFont(21, FW_BOLD, InterfaceFace()));
    DrawSkinText(dc, kPositions, HeadingKey(), DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
  DrawSkinText(dc, kPositions, u"13", DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT CSelEntryDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case UM_MENU_PICK:
      OnMenuPick(lParam);
      return 0;
    case UM_LIST_SELECT:
      OnListSelect(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      CloseCurrentPopupMenu();
      break;
    case WM_DESTROY:
      // The repeat menu lives in this window.
      CloseCurrentPopupMenu();
      break;
    default:
      break;
  }
  return CDialogEx::WindowProc(message, wParam, lParam);
}
