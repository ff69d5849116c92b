#include "app/QoxelDlg_win.h"

#include "app/QoxelApp_win.h"
#include "device/ServiceLaunch_win.h"
#include "device/ServiceLink.h"
#include "framework/ResourceIds.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"

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
    case UM_QUERY:
    case UM_RELOAD_SETTINGS:
    case UM_DPI_LEVEL:
    case UM_RELOAD_SETTINGS_ALT:
    case UM_CLOSE_CONFIG:
    case UM_OSD_CHANGED:
    case UM_SHUTDOWN:
      return OnServiceMessage(message, wParam, lParam);
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

int CQoxelDlg::OnCreate(CREATESTRUCTW*) {
  LaunchService(Paths().programFolder);
  SetCurrentDirectoryW(Paths().programFolder.c_str());
  font21_.reset(CreateInterfaceFont(21, L""));
  font18_.reset(CreateInterfaceFont(18, L""));
  return 0;
}

BOOL CQoxelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kMainWindowTitle));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  currentPage_ = PAGE_BUTTONS;
  if (SetPerUserPaths()) {
    settings_ = std::make_unique<SettingsStore>(Paths().settingsFile);
    libraries_ = std::make_unique<Libraries>(settings_->path().parent_path());
  }
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
  if (owner)
    GetWindowRect(owner, &area);
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - (outer.right - outer.left)) / 2;
  const int y = area.top + (area.bottom - area.top - (outer.bottom - outer.top)) / 2;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

void CQoxelDlg::ReloadSettings() {
  settings_->Reload();
  if (libraries_) libraries_->Reload();
}

void CQoxelDlg::ApplySettings() {
  if (libraries_) ApplySettingsToFiles(*settings_, *libraries_);
  NotifyService(UM_SERVICE_APPLY);
}

void CQoxelDlg::NotifyServiceOfReset() { NotifyService(UM_SERVICE_RESET); }

LRESULT CQoxelDlg::OnServiceMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case UM_RELOAD_SETTINGS:
    case UM_RELOAD_SETTINGS_ALT:
      ReloadSettings();
      Invalidate();
      return 0;
    case UM_DPI_LEVEL:
      if (SetDpiLevel(config(), static_cast<std::intptr_t>(wParam), lParam)) Invalidate();
      return 0;
    case UM_OSD_CHANGED: {
      SetShowOsd(config(), static_cast<std::intptr_t>(wParam));
      if (HWND preferences = FindWindowW(nullptr, WidePtr(kPreferenceWindowTitle)))
        ::PostMessageW(preferences, UM_OSD_CHANGED, wParam, lParam);
      return 1;
    }
    case UM_CLOSE_CONFIG:
      EndDialog(IDCANCEL);
      return 0;
    case UM_SHUTDOWN:
      if (!IsShutdownRequest(wParam)) return 1;
      for (const char16_t* title : kAuxiliaryWindowTitles)
        if (HWND window = FindWindowW(nullptr, WidePtr(title)))
          ::SendMessageW(window, WM_CLOSE, 0, 0);
      EndDialog(IDOK);
      return 1;
    default:  // UM_QUERY
      return 1;
  }
}

void CQoxelDlg::OnDestroy() {
  font21_.reset();
  font18_.reset();
  KillTimer(TIMER_ROW_HOVER);
}

void CQoxelDlg::OnTimer(UINT_PTR) {}

void CQoxelDlg::OnPaint() {
  BufferedPaint buffer(m_hWnd);
  UniqueBrush background(CreateSolidBrush(RGB(16, 16, 16)));
  FillRect(buffer.dc(), &buffer.area(), background.get());
  SelectScope font(buffer.dc(), font21_.get());
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), RGB(255, 255, 255));
  RECT text = buffer.area();
  DrawTextW(buffer.dc(), WidePtr(kMainWindowTitle), -1, &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
