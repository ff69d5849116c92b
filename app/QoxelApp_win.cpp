#include "app/QoxelApp_win.h"

#include <shellapi.h>

#include <memory>

#include "app/QoxelDlg_win.h"
#include "device/WindowTitles.h"
#include "framework/ResourceIds.h"
#include "macro/Libraries.h"
#include "settings/SettingsFile.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"

CQoxelApp::~CQoxelApp() = default;

BOOL CQoxelApp::InitInstance() {
  mutex_ = CreateMutexW(nullptr, FALSE, WidePtr(kMainWindowTitle));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return FALSE;
  }
  gdiplus_ = std::make_unique<GdiplusSession>();
  Paths().programFolder = ExecutableFolder();
  EnsurePerUserFolder();
  CWinApp::InitInstance();

  // Without an application-data folder the program runs on defaults and
  // writes nothing: the store has no file and there are no libraries.
  const bool perUser = SetPerUserPaths();
  settings_ = std::make_unique<SettingsStore>(perUser ? std::filesystem::path(Paths().settingsFile)
                                                      : std::filesystem::path());
  if (perUser)
    libraries_ =
        std::make_unique<Libraries>(std::filesystem::path(Paths().settingsFile).parent_path());

  // The dialog holds every control of every page; it lives on the heap.
  auto dialog = std::make_unique<CQoxelDlg>(*settings_, libraries_.get());
  m_pMainWnd = dialog.get();
  dialog->DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

int CQoxelApp::ExitInstance() {
  libraries_.reset();
  settings_.reset();
  gdiplus_.reset();
  if (mutex_) {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
  }
  return CWinApp::ExitInstance();
}

BOOL CQoxelApp::OnCommand(UINT id) {
  if (id != ID_HELP) return FALSE;
  OpenHelp();
  return TRUE;
}

void CQoxelApp::OpenHelp() {
  std::wstring folder = Paths().programFolder;
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  const std::wstring document = folder + L"\\Help\\Help.pdf";
  ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
