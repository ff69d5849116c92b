#include "controls/TipDlg_win.h"

#include "controls/ControlDraw_win.h"
#include "framework/ResourceIds.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr COLORREF kTipColour = RGB(1, 204, 236);
constexpr UINT kTipFormat =
    DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS;

}  // namespace

CTipDlg::CTipDlg() : CDialogEx(IDD_TIP) {}

CTipDlg::~CTipDlg() = default;

bool CTipDlg::CreateTip(HWND parent) {
  if (!Create(parent)) return false;
  ShowWindow(SW_HIDE);
  return true;
}

void CTipDlg::SetDisplayText(const std::wstring& text) {
  text_ = text;
  Invalidate(TRUE);
}

BOOL CTipDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();
  SIZE size{};
  UniqueRegion outline = SharedOutline(Paths().programFolder + L"skins\\tip.bmp", &size);
  SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyWindowOutline(m_hWnd, std::move(outline));
  return TRUE;
}

void CTipDlg::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  static const UniqueBrush fill(CreateSolidBrush(kTipColour));
  FillRect(buffer.dc(), &buffer.area(), fill.get());
  const SelectScope selectFont(buffer.dc(), CachedFont(18, FW_BOLD, InterfaceFace()));
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), RGB(255, 255, 255));
  RECT box = buffer.area();
  box.top += 5;
  DrawTextW(buffer.dc(), text_.c_str(), -1, &box, kTipFormat);
}

LRESULT CTipDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return 0;
    default:
      break;
  }
  return CDialogEx::WindowProc(message, wParam, lParam);
}
