#include "dialogs/WarnDlg_win.h"

#include <string>

#include "controls/ControlDraw_win.h"
#include "device/WindowTitles.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

namespace {

constexpr char16_t kPositions[] = u"WARN_POS";
// In the two-button layout OK stands right of its one-button place.
constexpr int kConfirmOkShift = 69;

}  // namespace

INT_PTR ShowWarning(HWND owner, int message) {
  CWarnDlg dialog(CWnd::FromHandle(owner));
  dialog.m_nMessage = message;
  return dialog.DoModal();
}

CWarnDlg::CWarnDlg(CWnd* owner) : CSkinDialog(IDD_WARNING, owner, kWarningWindowTitle) {}

CWarnDlg::~CWarnDlg() = default;

void CWarnDlg::BuildFromSkin() {
  const bool confirm = m_nMessage == kWarnConfirmReset;
  DialogSheets sheets;
  sheets.Load(confirm ? u"WARN_SCREEN2" : u"WARN_SCREEN");
  MakeFrameless(m_hWnd, sheets.size);
  sheets.PlaceButton(close_, RectOf(DialogEntry(kPositions, u"1")), m_hWnd);
  const SkinEntry ok = DialogEntry(kPositions, u"2");
  RECT okRect = RectOf(ok);
  if (confirm) OffsetRect(&okRect, kConfirmOkShift, 0);
  PlaceLabelled(sheets, ok_, ok, okRect);
  if (confirm) {
    const SkinEntry cancel = DialogEntry(kPositions, u"3");
    PlaceLabelled(sheets, cancel_, cancel, RectOf(cancel));
  }
  background_ = std::move(sheets.main);
}

void CWarnDlg::PaintContent(HDC dc) {
  {
    const SelectScope select(dc, CachedFont(21, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"11", DT_WORDBREAK);
  }
  const SelectScope select(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
  const std::u16string text = ReadSkinValue(u"WARN_TEXT", U16(std::to_wstring(m_nMessage)));
  DrawSkinText(dc, kPositions, u"12", DT_WORDBREAK, text);
}
