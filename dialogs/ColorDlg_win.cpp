#include "dialogs/ColorDlg_win.h"

#include "controls/ControlDraw_win.h"
#include "controls/ShapeDraw_win.h"
#include "device/WindowTitles.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/SkinDraw_win.h"

namespace {

constexpr char16_t kScreen[] = u"DPICOLOR_SCREEN";
constexpr char16_t kPositions[] = u"COLOR_POS";
// Word break, edit-control line breaking and an ellipsis at the end.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS;

}  // namespace

CColorDlg::CColorDlg(CWnd* owner) : CSkinDialog(IDD_COLOR_PICKER, owner, kColourWindowTitle) {}

CColorDlg::~CColorDlg() = default;

void CColorDlg::BuildFromSkin() {
  DialogSheets sheets;
  sheets.Load(kScreen);
  MakeFrameless(m_hWnd, sheets.size);
  sheets.PlaceButton(close_, RectOf(DialogEntry(kPositions, u"1")), m_hWnd);
  const SkinEntry ok = DialogEntry(kPositions, u"3");
  PlaceLabelled(sheets, ok_, ok, RectOf(ok));
  const SkinEntry cancel = DialogEntry(kPositions, u"2");
  PlaceLabelled(sheets, cancel_, cancel, RectOf(cancel));
  sheets.ReleaseButtonSheets();

  wheel_ = RectOf(DialogEntry(kPositions, u"20"));
  wheelCentre_ = POINT{(wheel_.left + wheel_.right) / 2, (wheel_.top + wheel_.bottom) / 2};
  wheelRadius_ = (wheel_.bottom - wheel_.top) / 2;
  preview_ = RectOf(DialogEntry(kPositions, u"21"));
  background_ = std::move(sheets.main);
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

void CColorDlg::PaintContent(HDC dc) {
  {
    const SelectScope font(dc, CachedFont(21, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"11", kTextFormat);
  }
  {
    const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
    DrawSkinText(dc, kPositions, u"12", kTextFormat | DT_RIGHT, U16(caption_));
  }
  FillSolid(dc, preview_, colours_[1]);
  FrameRoundedWhite(dc, Grown(preview_, 1), 2);
}

LRESULT CColorDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
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
    default:
      break;
  }
  return CSkinDialog::WindowProc(message, wParam, lParam);
}
