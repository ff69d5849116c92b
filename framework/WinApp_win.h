// The application object: one per process, run from wWinMain.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  static CWinApp* Current() { return current_; }

  // InitInstance runs the program; when it returns FALSE the process ends
  // without a message loop of the application's own.
  int Run(HINSTANCE instance);
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // Commands the main window leaves unhandled (the application's message map).
  virtual BOOL OnCommand(UINT id);

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

 private:
  static CWinApp* current_;
  int exitCode_ = 0;
};
