// The main dialog: lifecycle, its one message switch, the timers, the device
// service's messages and the paint composition. Everything a page does lives
// in the page's area; the dialog turns what the areas report into refreshes.
#pragma once

#include <memory>
#include <optional>

#include "app/Background_win.h"
#include "app/ButtonPage_win.h"
#include "app/LibraryPanel_win.h"
#include "app/LightingPage_win.h"
#include "app/MainArea_win.h"
#include "app/ProfileBar_win.h"
#include "app/SensitivityPage_win.h"
#include "app/SkinBuilder_win.h"
#include "app/WindowBar_win.h"
#include "framework/Dialog_win.h"

class CQoxelDlg : public CDialog, private MainHost {
 public:
  // `libraries` is null when the per-user folder is unknown.
  CQoxelDlg(SettingsStore& settings, Libraries* libraries);
  ~CQoxelDlg() override;

  MouseConfig& config() { return ctx_.config(); }
  int currentPage() const { return ctx_.page; }

  // Clear, load and validate the settings file, create it when absent, then
  // the built-in patterns when their library is absent and both libraries.
  void ReloadSettings();

  // Builds (first call) or rebuilds every control from the current skin file.
  void BuildMainWindow();
  // Shows the page of ctx.page.
  void ShowPage(int page);
  // Names, lists and pages from the settings.
  void RefreshProfileBar();
  void RefreshPages();
  // After a language change: everything placed and labelled again.
  void RefreshMainWindow() override;
  void SetBackgroundPicture(const std::wstring& path);

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // MainHost
  void ApplySettings() override;
  void EndMainDialog(INT_PTR result) override;

  void Refresh(Changes changes);
  // The assignment rows and the lists' in-use markers, which follow them.
  void RefreshAssignments();
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  void OnPaint();
  void OnLButtonDown(POINT point);
  LRESULT OnSliderPos(WPARAM value, LPARAM id);
  void OnMenuPick(WPARAM wParam, LPARAM lParam);
  // Messages from the device service and other processes.
  LRESULT OnServiceMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateSharedFonts();
  // Reads the sheets of the next screen the first build left out and gives
  // its controls their faces; false when every screen is complete.
  bool CompleteNextScreen();
  // The screen a page shows, completed now if it is not yet; true when it was not.
  bool CompleteScreenOf(int page);
  // After the background picture or the sheets changed: slider tracks and
  // image-button backgrounds are cut from the new backdrop (for a new
  // picture, only those over the picture).
  void RecutBackdrops(bool pictureOnly);
  SIZE ClientSize() const;

  MainContext ctx_;
  HICON icon_ = nullptr;
  SkinBuilder builder_;
  MainBackground background_;
  MainRouter router_;
  WindowBar windowBar_;
  ProfileBar profileBar_;
  ButtonPage buttonPage_;
  SensitivityPage sensitivityPage_;
  LightingPage lightingPage_;
  LibraryPanel libraryPanel_;
  MainArea* areas_[6];
};
