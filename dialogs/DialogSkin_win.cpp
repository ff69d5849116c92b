#include "dialogs/DialogSkin_win.h"

#include <string>

#include "controls/ControlDraw_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinImages_win.h"

void DialogSheets::Load(std::u16string_view section) {
  down = LoadScreenSheet(section, u"Down");
  over = LoadScreenSheet(section, u"Over");
  disabled = LoadScreenSheet(section, u"Disabled");
  main = LoadScreenSheet(section, u"Main", &size);
}

void DialogSheets::PlaceButton(CBitmapBtn& button, const RECT& rect, HWND dialog) const {
  button.CreateButton(rect, dialog, 0);
  button.LoadStateImages(main.get(), over.get(), down.get(), disabled.get(), rect);
}

void DialogSheets::ReleaseButtonSheets() {
  over.reset();
  down.reset();
  disabled.reset();
}

SkinEntry DialogEntry(std::u16string_view section, std::u16string_view key) {
  return ParseSkinEntry(ReadSkinValue(section, key));
}

CSkinDialog::CSkinDialog(UINT templateId, CWnd* owner, const char16_t* title)
    : CDialog(templateId, owner), title_(title) {}

CSkinDialog::~CSkinDialog() = default;

void CSkinDialog::PlaceLabelled(const DialogSheets& sheets, CBitmapBtn& button,
                                const SkinEntry& entry, const RECT& rect) {
  sheets.PlaceButton(button, rect, m_hWnd);
  button.SetButtonText(Wide(entry.text), 0, true);
  button.SetTipText(Wide(entry.text), true);
}

BOOL CSkinDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(title_));
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);
  return TRUE;
}

BOOL CSkinDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (sender && HIWORD(wParam) == BN_CLICKED) {
    if (sender == close_.GetSafeHwnd() || sender == cancel_.GetSafeHwnd()) EndDialog(IDCANCEL);
    if (sender == ok_.GetSafeHwnd()) EndDialog(IDOK);
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CSkinDialog::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  DrawBitmap(buffer.dc(), background_.get(), 0, 0);
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), RGB(255, 255, 255));
  PaintContent(buffer.dc());
}

LRESULT CSkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // The skin comes first: the dialog's own initialisation finds its controls built.
      BuildFromSkin();
      break;
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
