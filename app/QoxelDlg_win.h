// The main dialog: owner of the live settings and of every page's controls.
#pragma once

#include <memory>

#include "framework/Dialog_win.h"
#include "framework/Paint_win.h"
#include "macro/Libraries.h"
#include "settings/SettingsFile.h"

// Main-window timers.
constexpr UINT_PTR TIMER_ROW_HOVER = 4;
constexpr UINT_PTR TIMER_PROFILE_HOVER = 5;
constexpr UINT_PTR TIMER_RGB_ENTRY = 40001;

// Page ids.
constexpr int PAGE_BUTTONS = 100001;
constexpr int PAGE_SENSITIVITY = 100002;
constexpr int PAGE_LIBRARY = 100003;
constexpr int PAGE_LIGHTING = 100004;

class CQoxelDlg : public CDialog {
 public:
  CQoxelDlg();
  ~CQoxelDlg() override;

  MouseConfig& config() { return settings_->config(); }
  SettingsStore& settings() { return *settings_; }

  // Clear, load and validate the settings file, create it when absent, then
  // the built-in patterns when their library is absent and both libraries.
  void ReloadSettings();
  // Writes the files and tells the device service to apply them.
  void ApplySettings();
  // After the user confirmed a reset of the current profile.
  void NotifyServiceOfReset();

  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(CREATESTRUCTW* create);
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  void OnPaint();
  // Messages from the device service and other processes.
  LRESULT OnServiceMessage(UINT message, WPARAM wParam, LPARAM lParam);

  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<Libraries> libraries_;  // none without a per-user folder
  HICON icon_ = nullptr;
  int currentPage_ = 0;
  int hoveredRow_ = -1;
  UniqueFont font21_;
  UniqueFont font18_;
};
