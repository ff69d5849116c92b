// hid.exe: a stand-in for the device service. It owns the window the
// configuration program looks for, records every apply and reset in a journal
// in the per-user folder, shows what the mouse would now do (tray icon and a
// brief on-screen display), follows the program in front to the profile it is
// linked to, and can send the program the service's messages:
//   hid.exe                  run as the service
//   hid.exe --send reload|reload-alt|dpi PROFILE LEVEL|osd VALUE|close|shutdown WPARAM|query
//   hid.exe --quit           close the running simulator
#include <windows.h>

#include <shellapi.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "device/ServiceLink.h"
#include "framework/Paint_win.h"
#include "framework/Wnd_win.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "tools/hid/ForegroundWatch_win.h"
#include "tools/hid/Journal.h"
#include "tools/hid/ProgramFollow.h"

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kForegroundMessage = WM_APP + 2;  // wParam: the window now in front
constexpr UINT_PTR kOsdTimer = 1;
constexpr UINT kOsdMilliseconds = 1500;

std::filesystem::path PerUserFile(const char* name) {
  return std::filesystem::path(AppDataFolder()) / L"Kestrelon" / L"R58" / name;
}

void Print(const std::string& text, DWORD stream = STD_OUTPUT_HANDLE) {
  HANDLE out = GetStdHandle(stream);
  if (!out || out == INVALID_HANDLE_VALUE) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    out = GetStdHandle(stream);
  }
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE)
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// A borderless, click-through display of the active profile and DPI.
class OsdWindow : public CWnd {
 public:
  void Show(const std::wstring& text) {
    text_ = text;
    if (!m_hWnd) {
      const RECT rect{0, 0, 420, 90};
      CreateEx(
          WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
          L"R58HidOsd", L"", WS_POPUP, rect, nullptr, 0);
      SetLayeredWindowAttributes(m_hWnd, 0, 230, LWA_ALPHA);
    }
    const int width = 420, height = 90;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) - height - 120;
    SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
    SetTimer(kOsdTimer, kOsdMilliseconds);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        Paint();
        return 0;
      case WM_TIMER:
        KillTimer(kOsdTimer);
        ShowWindow(SW_HIDE);
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }

 private:
  void Paint() {
    BufferedPaint buffer(m_hWnd);
    UniqueBrush fill(CreateSolidBrush(RGB(20, 20, 20)));
    FillRect(buffer.dc(), &buffer.area(), fill.get());
    UniqueBrush accent(CreateSolidBrush(RGB(1, 204, 236)));
    RECT bar = buffer.area();
    bar.bottom = bar.top + 4;
    FillRect(buffer.dc(), &bar, accent.get());
    UniqueFont font(CreateFontW(30, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                FF_SWISS, L"Segoe UI"));
    SelectScope selected(buffer.dc(), font.get());
    SetBkMode(buffer.dc(), TRANSPARENT);
    SetTextColor(buffer.dc(), RGB(255, 255, 255));
    RECT text = buffer.area();
    DrawTextW(buffer.dc(), text_.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  std::wstring text_;
};

class ServiceWindow : public CWnd {
 public:
  ~ServiceWindow() override { RemoveTrayIcon(); }

  void StartFollowingPrograms() { foreground_.Start(m_hWnd, kForegroundMessage); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case UM_SERVICE_APPLY:
        OnApply();
        return 0;
      case kForegroundMessage:
        OnForeground(reinterpret_cast<HWND>(wParam));
        return 0;
      case WM_TIMER:
        if (wParam == ForegroundWatch::kPollTimer) foreground_.OnPollTimer();
        return 0;
      case UM_SERVICE_RESET:
        AppendJournal(PerUserFile(kJournalFileName), ResetEntry(std::time(nullptr)));
        return 0;
      case WM_CLOSE:
        DestroyWindow();
        return 0;
      case WM_DESTROY:
        foreground_.Stop();
        RemoveTrayIcon();
        PostQuitMessage(0);
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }

 private:
  // Everything happens before the window procedure returns: the program
  // waits for it and may rewrite the file right afterwards.
  void OnApply() {
    bool exists = false;
    const auto entry =
        ApplyEntry(PerUserFile("GamingMouse"), std::time(nullptr), *config_, &exists);
    AppendJournal(PerUserFile(kJournalFileName), entry);
    if (exists) ShowActiveProfile();
  }

  // A window of another program came to the front (or the poll saw it there).
  void OnForeground(HWND window) {
    if (!window || window == lastForeground_) return;
    lastForeground_ = window;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == GetCurrentProcessId()) return;
    const bool configuratorOpen = FindWindowW(nullptr, WidePtr(kMainWindowTitle)) != nullptr;
    const SwitchDecision done = follower_.OnProgramInFront(
        U16(ProgramOfWindow(window)), configuratorOpen, std::time(nullptr), *config_);
    if (done.action != SwitchAction::kNothing) ShowActiveProfile();
  }

  // The tray icon and the on-screen display of the active profile in config_.
  void ShowActiveProfile() {
    const ProfileRecord& p = config_->profiles[config_->header.active];
    const int dpi = kDpiTable[p.dpiValue[p.dpiCur]];
    std::wstring name = Wide(FixedText(p.name));
    if (name.empty()) name = L"Profile " + std::to_wstring(config_->header.active + 1);
    const std::wstring dpiText = dpi ? std::to_wstring(dpi) + L" DPI" : L"off";
    if (config_->header.showTrayIcon == 1)
      ShowTrayIcon(L"Kestrelon R58: " + name + L", level " + std::to_wstring(p.dpiCur + 1) + L" (" +
                   dpiText + L")");
    else
      RemoveTrayIcon();
    if (config_->header.showOsd == 1) osd_.Show(name + L"  \x2022  " + dpiText);
  }

  void ShowTrayIcon(const std::wstring& tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, tip.c_str(), ARRAYSIZE(data.szTip));
    if (!Shell_NotifyIconW(trayShown_ ? NIM_MODIFY : NIM_ADD, &data)) return;
    trayShown_ = true;
  }

  void RemoveTrayIcon() {
    if (!trayShown_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayShown_ = false;
  }

  std::unique_ptr<MouseConfig> config_ = std::make_unique<MouseConfig>();
  OsdWindow osd_;
  bool trayShown_ = false;
  ForegroundWatch foreground_;
  ProgramFollower follower_{PerUserFile("GamingMouse"), PerUserFile(kJournalFileName)};
  HWND lastForeground_ = nullptr;
};

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"R58HidService";
  RegisterClassExW(&wc);
  wc.lpszClassName = L"R58HidOsd";
  RegisterClassExW(&wc);
}

int RunService(HINSTANCE instance) {
  if (FindWindowW(nullptr, WidePtr(kServiceWindowTitle))) return 0;  // one service only
  RegisterClasses(instance);
  ServiceWindow window;
  const RECT rect{0, 0, 0, 0};
  if (!window.CreateEx(0, L"R58HidService", WidePtr(kServiceWindowTitle), WS_OVERLAPPED, rect,
                       nullptr, 0))
    return 3;
  window.StartFollowingPrograms();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

bool Number(const std::vector<std::wstring>& args, std::size_t i, std::int64_t& value) {
  return i < args.size() && ParseNumber(Utf16ToUtf8(U16(args[i])), value);
}

int Usage() {
  Print(
      "usage: hid.exe [--quit | --send reload|reload-alt|dpi PROFILE LEVEL|osd VALUE|close|"
      "shutdown WPARAM|query]\n",
      STD_ERROR_HANDLE);
  return 2;
}

int Send(const std::vector<std::wstring>& args) {
  if (args.size() < 3) return Usage();
  const std::wstring& what = args[2];
  UINT message = 0;
  std::int64_t wParam = 0, lParam = 0;
  std::size_t expected = 3;
  if (what == L"reload")
    message = UM_RELOAD_SETTINGS;
  else if (what == L"reload-alt")
    message = UM_RELOAD_SETTINGS_ALT;
  else if (what == L"close")
    message = UM_CLOSE_CONFIG;
  else if (what == L"query")
    message = UM_QUERY;
  else if (what == L"dpi" && Number(args, 3, wParam) && Number(args, 4, lParam))
    message = UM_DPI_LEVEL, expected = 5;
  else if (what == L"osd" && Number(args, 3, wParam))
    message = UM_OSD_CHANGED, expected = 4;
  else if (what == L"shutdown" && Number(args, 3, wParam))
    message = UM_SHUTDOWN, expected = 4;
  if (!message || args.size() != expected) return Usage();
  HWND program = FindWindowW(nullptr, WidePtr(kMainWindowTitle));
  if (!program) {
    Print("hid: the configuration program is not running\n", STD_ERROR_HANDLE);
    return 1;
  }
  const LRESULT result =
      SendMessageW(program, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
  Print(std::to_string(result) + "\n");
  return 0;
}

int Quit() {
  HWND service = FindWindowW(nullptr, WidePtr(kServiceWindowTitle));
  if (service) SendMessageW(service, WM_CLOSE, 0, 0);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args(argv, argv + argc);
  LocalFree(argv);
  if (args.size() >= 2 && args[1] == L"--send") return Send(args);
  if (args.size() == 2 && args[1] == L"--quit") return Quit();
  if (args.size() > 1) return Usage();
  return RunService(instance);
}
