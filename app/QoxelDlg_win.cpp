#include "app/QoxelDlg_win.h"

#include "app/ProgramPaths_win.h"
#include "app/QoxelApp_win.h"
#include "app/resource.h"

namespace {

// Size of the main window until the skin gives it its outline.
constexpr int kMainWidth = 1560;
constexpr int kMainHeight = 700;

HFONT CreateInterfaceFont(int height, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face);
}

}  // namespace

CQoxelDlg::CQoxelDlg()
    : CDialog(IDD_MAIN),
      settings_(std::make_unique<SettingsStore>(std::filesystem::path())),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM))) {}

CQoxelDlg::~CQoxelDlg() = default;

LRESULT CQoxelDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT created = DefWindowProc(message, wParam, lParam);
      if (created == -1) return -1;
      return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    }
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_TIMER:
      OnTimer(wParam);
      break;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(icon_);
    case WM_PAINT:
      OnPaint();
      return 0;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

int CQoxelDlg::OnCreate(CREATESTRUCTW*) {
  SetCurrentDirectoryW(Paths().programFolder.c_str());
  font21_.reset(CreateInterfaceFont(21, L""));
  font18_.reset(CreateInterfaceFont(18, L""));
  return 0;
}

BOOL CQoxelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(kMainWindowTitle);
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  currentPage_ = PAGE_BUTTONS;
  if (SetPerUserPaths()) settings_ = std::make_unique<SettingsStore>(Paths().settingsFile);
  ReloadSettings();

  SetWindowPos(m_hWnd, nullptr, 0, 0, kMainWidth, kMainHeight, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetWindowLongPtrW(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
  SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
  // Centre on the owner or, without one, on the screen.
  RECT outer{};
  GetWindowRect(m_hWnd, &outer);
  RECT area{};
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  if (owner) GetWindowRect(owner, &area);
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - (outer.right - outer.left)) / 2;
  const int y = area.top + (area.bottom - area.top - (outer.bottom - outer.top)) / 2;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

void CQoxelDlg::ReloadSettings() { settings_->Reload(); }

void CQoxelDlg::OnDestroy() {
  font21_.reset();
  font18_.reset();
  KillTimer(TIMER_ROW_HOVER);
}

void CQoxelDlg::OnTimer(UINT_PTR) {}

void CQoxelDlg::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  {
    OffscreenBuffer buffer(dc, GetClientRect());
    UniqueBrush background(CreateSolidBrush(RGB(16, 16, 16)));
    FillRect(buffer.dc(), &buffer.area(), background.get());
    SelectScope font(buffer.dc(), font21_.get());
    SetBkMode(buffer.dc(), TRANSPARENT);
    SetTextColor(buffer.dc(), RGB(255, 255, 255));
    RECT text = buffer.area();
    DrawTextW(buffer.dc(), kMainWindowTitle, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(m_hWnd, &ps);
}
