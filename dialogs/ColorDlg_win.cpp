#include "dialogs/ColorDlg_win.h"

#include "controls/ControlDraw_win.h"
#include "controls/ShapeDraw_win.h"
#include "device/WindowTitles.h"
#include "dialogs/DialogSkin_win.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/SkinDraw_win.h"

namespace {

constexpr char16_t kScreen[] = u"DPICOLOR_SCREEN";
constexpr char16_t kPositions[] = u"COLOR_POS";
// Word break, edit-control line breaking and an ellipsis at the end.
constexpr UINT kHeadingFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS;

}  // namespace

CColorDlg::CColorDlg(CWnd* owner) : CDialog(IDD_COLOR_PICKER, owner) {}

CColorDlg::~CColorDlg() = default;

void CColorDlg::BuildFromSkin() {
  DialogSheets sheets;
  sheets.Load(kScreen);
  FitDialogToSheet(m_hWnd, sheets.size);
  auto label = [](CBitmapBtn& button, const SkinEntry& entry) {
    button.SetButtonText(Wide(entry.text), 0, true);
    button.SetTipText(Wide(entry.text), true);
  };
  sheets.PlaceButton(close_, RectOf(DialogEntry(kPositions, u"1")), m_hWnd);
  const SkinEntry ok = DialogEntry(kPositions, u"3");
  sheets.PlaceButton(ok_, RectOf(ok), m_hWnd);
  label(ok_, ok);
  const SkinEntry cancel = DialogEntry(kPositions, u"2");
  sheets.PlaceButton(cancel_, RectOf(cancel), m_hWnd);
  label(cancel_, cancel);
  sheets.ReleaseButtonSheets();

  wheel_ = RectOf(DialogEntry(kPositions, u"20"));
  wheelCentre_ = POINT{(wheel_.left + wheel_.right) / 2, (wheel_.top + wheel_.bottom) / 2};
  wheelRadius_ = (wheel_.bottom - wheel_.top) / 2;
  preview_ = RectOf(DialogEntry(kPositions, u"21"));
  background_ = std::move(sheets.main);
}

BOOL CColorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kColourWindowTitle));
  CenterWindow(parent_ ? parent_->GetSafeHwnd() : nullptr);
  return TRUE;
}

BOOL CColorDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (sender && HIWORD(wParam) == BN_CLICKED) {
    if (sender == ok_.GetSafeHwnd()) {
      EndDialog(IDOK);
      return TRUE;
    }
    if (sender == cancel_.GetSafeHwnd() || sender == close_.GetSafeHwnd()) {
      EndDialog(IDCANCEL);
      return TRUE;
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

// The colour comes from the wheel picture itself, not from the screen: the
// same pixel under every display depth and whatever covers the dialog.
bool CColorDlg::ColourAt(POINT point, COLORREF& colour) const {
  if (!background_) return false;
  const UniqueDC memory = UniqueDC::Compatible(nullptr);
  const SelectScope select(memory.get(), background_.get());
  const COLORREF pixel = GetPixel(memory.get(), point.x, point.y);
  if (pixel == CLR_INVALID) return false;
  colour = pixel;
  return true;
}

void CColorDlg::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  HDC dc = buffer.dc();
  DrawBitmap(dc, background_.get(), 0, 0);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  {
    const SelectScope font(dc, CachedFont(21, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"11", kHeadingFormat);
  }
  {
    const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"12", kHeadingFormat | DT_RIGHT, U16(caption_));
  }
  FillSolid(dc, preview_, colours_[1]);
  FrameRoundedWhite(dc, Grown(preview_, 1), 2);
}

LRESULT CColorDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_LBUTTONDOWN: {
      const POINT point = PointFromLParam(lParam);
      COLORREF colour = 0;
      if (PtInRect(&wheel_, point) && ColourAt(point, colour)) {
        colours_[1] = colour;
        const RECT framed = Grown(preview_, 1);
        InvalidateRect(&framed);
      }
      break;
    }
    case WM_MOUSEMOVE:
      overWheel_ = PtInRect(&wheel_, PointFromLParam(lParam)) != FALSE;
      break;
    case WM_SETCURSOR:
      SetCursor(overWheel_ ? LoadCursorW(ResourceModule(), MAKEINTRESOURCEW(IDC_PICK_COLOUR))
                           : LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
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
