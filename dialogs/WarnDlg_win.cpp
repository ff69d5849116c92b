#include "dialogs/WarnDlg_win.h"

#include <string>

#include "controls/ControlDraw_win.h"
#include "device/WindowTitles.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr char16_t kPositions[] = u"WARN_POS";
// In the two-button layout OK stands right of its one-button place.
constexpr int kConfirmOkShift = 69;

RECT RectOf(const SkinEntry& entry) {
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

}  // namespace

CWarnDlg::CWarnDlg(CWnd* owner) : CDialog(IDD_WARNING, owner) {}

CWarnDlg::~CWarnDlg() = default;

void CWarnDlg::BuildFromSkin() {
  const bool confirm = m_nMessage == kWarnConfirmReset;
  const std::u16string_view section = confirm ? u"WARN_SCREEN2" : u"WARN_SCREEN";
  const UniqueBitmap down = LoadSkinSheet(section, u"Down");
  const UniqueBitmap over = LoadSkinSheet(section, u"Over");
  const UniqueBitmap disabled = LoadSkinSheet(section, u"Disabled");
  SIZE size{};
  background_ = LoadSkinSheet(section, u"Main", &size);
  MakeFrameless(m_hWnd, size);

  auto place = [&](CBitmapBtn& button, const RECT& rect) {
    button.CreateButton(rect, m_hWnd, 0);
    button.LoadStateImages(background_.get(), over.get(), down.get(), disabled.get(), rect);
  };
  auto label = [](CBitmapBtn& button, const SkinEntry& entry) {
    button.SetButtonText(Wide(entry.text), 0, true);
    button.SetTipText(Wide(entry.text), true);
  };

  place(close_, RectOf(ParseSkinEntry(ReadSkinValue(kPositions, u"1"))));
  const SkinEntry ok = ParseSkinEntry(ReadSkinValue(kPositions, u"2"));
  RECT okRect = RectOf(ok);
  if (confirm) OffsetRect(&okRect, kConfirmOkShift, 0);
  place(ok_, okRect);
  label(ok_, ok);
  if (!confirm) return;
  const SkinEntry cancel = ParseSkinEntry(ReadSkinValue(kPositions, u"3"));
  place(cancel_, RectOf(cancel));
  label(cancel_, cancel);
}

BOOL CWarnDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kWarningWindowTitle));
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);
  return TRUE;
}

BOOL CWarnDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (sender && HIWORD(wParam) == BN_CLICKED) {
    if (sender == close_.GetSafeHwnd() || sender == cancel_.GetSafeHwnd()) EndDialog(IDCANCEL);
    if (sender == ok_.GetSafeHwnd()) EndDialog(IDOK);
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CWarnDlg::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  HDC target = buffer.dc();
  DrawBitmap(target, background_.get(), 0, 0);
  SetBkMode(target, TRANSPARENT);
  SetTextColor(target, RGB(255, 255, 255));
  {
    const SelectScope select(target, CachedFont(21, FW_NORMAL, InterfaceFace()));
    DrawSkinText(target, kPositions, u"11", DT_WORDBREAK);
  }
  const SelectScope select(target, CachedFont(18, FW_NORMAL, InterfaceFace()));
  const std::u16string text = ReadSkinValue(u"WARN_TEXT", U16(std::to_wstring(m_nMessage)));
  DrawSkinText(target, kPositions, u"12", DT_WORDBREAK, text);
}

LRESULT CWarnDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT created = DefWindowProc(message, wParam, lParam);
      if (created == -1) return -1;
      BuildFromSkin();
      return created;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DESTROY: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      background_.reset();
      return result;
    }
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
