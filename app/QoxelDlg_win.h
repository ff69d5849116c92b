// The main dialog: owner of the live settings and of every page's controls.
#pragma once

#include <memory>

#include "framework/Dialog_win.h"
#include "framework/Gdi_win.h"
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

  // Clear, load and validate the settings file (or `path`), create it when absent.
  void ReloadSettings();

  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(CREATESTRUCTW* create);
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  void OnPaint();

  std::unique_ptr<SettingsStore> settings_;
  HICON icon_ = nullptr;
  int currentPage_ = 0;
  int hoveredRow_ = -1;
  UniqueFont font21_;
  UniqueFont font18_;
};
