// The application object: single instance, GDI+, folders, the main dialog.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Gdi_win.h"
#include "framework/WinApp_win.h"

extern const wchar_t kMainWindowTitle[];  // "Kestrelon R58", also the mutex name

class CQoxelApp : public CWinApp {
 public:
  ~CQoxelApp() override;
  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL OnCommand(UINT id) override;

 private:
  void OpenHelp();

  HANDLE mutex_ = nullptr;
  std::unique_ptr<GdiplusSession> gdiplus_;
};
