#include "framework/WinApp_win.h"

#include <commctrl.h>

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() { current_ = this; }

CWinApp::~CWinApp() {
  if (current_ == this) current_ = nullptr;
}

int CWinApp::Run(HINSTANCE instance) {
  m_hInstance = instance;
  if (!InitInstance()) return ExitInstance();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  exitCode_ = static_cast<int>(msg.wParam);
  ExitInstance();
  return exitCode_;
}

BOOL CWinApp::InitInstance() {
  // Control-container support: the common controls of version 6.
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  return TRUE;
}

int CWinApp::ExitInstance() { return exitCode_; }

BOOL CWinApp::OnCommand(UINT) { return FALSE; }
