// The application object: single instance, GDI+, folders, the main dialog.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Paint_win.h"
#include "framework/WinApp_win.h"

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
