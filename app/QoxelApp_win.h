// The application object: single instance, GDI+, folders, the main dialog.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Paint_win.h"
#include "framework/WinApp_win.h"
#include "macro/Libraries.h"
#include "settings/SettingsFile.h"

class CQoxelApp : public CWinApp {
 public:
  ~CQoxelApp() override;
  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL OnCommand(UINT id) override;

 private:
  void OpenHelp();

  HANDLE mutex_ = nullptr;
  // The live settings and the libraries, made once for the main dialog.
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<Libraries> libraries_;
  std::unique_ptr<GdiplusSession> gdiplus_;
};
