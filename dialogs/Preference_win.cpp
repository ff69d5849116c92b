#include "dialogs/Preference_win.h"

#include <string>

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "device/ServiceLink.h"
#include "device/WindowTitles.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

namespace {

constexpr char16_t kScreen[] = u"OPTION_SCREEN";
constexpr char16_t kPositions[] = u"OPTION_POS";
// The language names are texts 0x80 + lan_id.
constexpr int kFirstLanguageText = 0x80;
constexpr int kLanguageCount = 2;
// The language button's caption leaves room for the arrow of its picture.
constexpr int kLanguageCaptionLeft = 12;
constexpr int kLanguageCaptionTop = 2;
constexpr int kLanguageArrowRoom = 28;
constexpr int kMenuCaptionOffset = 15;
constexpr int kMenuRowHeight = 33;
// DrawTextW formats of the texts: word-broken, right aligned for "14".
constexpr UINT kTextFormat = 0xA010;
constexpr UINT kRightTextFormat = 0xA012;

SkinEntry EntryAt(std::u16string_view key) {
  return ParseSkinEntry(ReadSkinValue(kPositions, key));
}

}  // namespace

CPreference::CPreference(CWnd* parent)
    : CSkinDialog(IDD_PREFERENCES, parent, kPreferenceWindowTitle) {}

CPreference::~CPreference() = default;

void CPreference::BuildFromSkin() {
  const UniqueBitmap over = LoadScreenSheet(kScreen, u"Over");
  const UniqueBitmap down = LoadScreenSheet(kScreen, u"Down");
  const UniqueBitmap disabled = LoadScreenSheet(kScreen, u"Disabled");
  SIZE size{};
  background_ = LoadScreenSheet(kScreen, u"Main", &size);
  MakeFrameless(m_hWnd, size);

  auto place = [&](CBitmapBtn& button, const SkinEntry& entry) {
    const RECT rect = RectOf(entry);
    if (built_)
      button.MoveWindow(rect);
    else
      button.CreateButton(rect, m_hWnd, 0);
    button.LoadStateImages(background_.get(), over.get(), down.get(), disabled.get(), rect);
  };
  place(close_, EntryAt(u"1"));
  const SkinEntry ok = EntryAt(u"2");
  place(ok_, ok);
  ok_.SetButtonText(Wide(ok.text), 0);
  ok_.SetTipText(Wide(ok.text), true);
  const SkinEntry language = EntryAt(u"3");
  place(language_, language);
  language_.SetTextAlign(kAlignLeft);
  language_.SetTextRect(kLanguageCaptionLeft, kLanguageCaptionTop,
                        language.right - language.left - kLanguageArrowRoom,
                        language.bottom - language.top);
  ShowLanguageName();
  built_ = true;
  Invalidate();
}

void CPreference::ShowLanguageName() {
  language_.SetButtonText(Wide(GetFuncString(kFirstLanguageText + m_languageIndex)), 0, true);
}

BOOL CPreference::OnCommand(WPARAM wParam, LPARAM lParam) {
  CloseCurrentPopupMenu();
  const HWND sender = reinterpret_cast<HWND>(lParam);
  if (sender && HIWORD(wParam) == BN_CLICKED && sender == language_.GetSafeHwnd()) {
    OpenLanguageMenu();
    return TRUE;
  }
  return CSkinDialog::OnCommand(wParam, lParam);
}

void CPreference::OpenLanguageMenu() {
  CBtnMenu* menu = NewDropDownMenu(m_hWnd, L"lan", language_);
  menu->SetTextLayout(kAlignLeft, kMenuCaptionOffset);
  menu->SetRowHeight(kMenuRowHeight);
  for (int i = 0; i < kLanguageCount; ++i)
    menu->AddMenuItem(Wide(GetFuncString(kFirstLanguageText + i)), kFirstLanguageText + i);
  menu->CreateMenu(m_hWnd);
  menu->ShowMenu(SW_SHOW);
}

void CPreference::OnLanguagePick(int value) {
  CloseCurrentPopupMenu();
  const int index = value - kFirstLanguageText;
  // Only the two languages the program has; the one shown changes nothing.
  if (index < 0 || index >= kLanguageCount || index == m_languageIndex) return;
  m_languageIndex = index;
  SelectSkinFile(Paths().programFolder, index);
  LoadInterfaceFontFace();
  BuildFromSkin();
  if (onLanguageChanged) onLanguageChanged(index);
}

void CPreference::PaintContent(HDC dc) {
  {
    const SelectScope select(dc, CachedFont(21, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"11", kTextFormat);
  }
  const SelectScope select(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
  DrawSkinText(dc, kPositions, u"12", kTextFormat);
  DrawSkinText(dc, kPositions, u"13", kTextFormat);
  DrawSkinText(dc, kPositions, u"14", kRightTextFormat);
}

LRESULT CPreference::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      CloseCurrentPopupMenu();
      break;
    case UM_MENU_PICK:
      OnLanguagePick(HIWORD(lParam));
      return 0;
    case UM_OSD_CHANGED:
      // The main window forwards it; the dialog has nothing to show.
      return 1;
    case WM_DESTROY:
      CloseCurrentPopupMenu();
      break;
    default:
      break;
  }
  return CSkinDialog::WindowProc(message, wParam, lParam);
}
