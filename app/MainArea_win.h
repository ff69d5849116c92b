// What every area of the main window shares: the live settings, the
// libraries, the window, the current page and the shared fonts. Each area
// (window bar, profile bar, the three pages, the library panel) owns its
// controls and draws its own part of the page; areas never call each other.
#pragma once

#include <windows.h>

#include "app/Changes.h"
#include "app/MainInventory.h"
#include "app/PageIds.h"
#include "app/PageRules.h"
#include "controls/CommandRouter_win.h"
#include "settings/SettingsFile.h"
#include "skin/GdiHandles_win.h"

class Libraries;
class SkinBuilder;

using MainRouter = CommandRouter<Changes>;

// The window-level operations an area may ask the dialog for.
class MainHost {
 public:
  virtual ~MainHost() = default;
  virtual void ApplySettings() = 0;
  virtual void EndMainDialog(INT_PTR result) = 0;
  // Everything placed and labelled again from the current skin file.
  virtual void RefreshMainWindow() = 0;
};

struct MainContext {
  MainContext(SettingsStore& store, Libraries* libs, MainHost& mainHost)
      : settings(store), libraries(libs), host(mainHost) {}

  HWND window = nullptr;
  SettingsStore& settings;
  Libraries* libraries;  // none without a per-user folder
  MainHost& host;
  int page = PAGE_BUTTONS;
  // Set while a profile is renamed in place: the lighting page then leaves
  // the colour edits as the user sees them.
  bool renaming = false;
  UniqueFont font21;
  UniqueFont font18;

  MouseConfig& config() { return settings.config(); }
  ProfileRecord& profile() { return config().profiles[config().header.current]; }
  int lanId() const { return settings.config().header.lanId; }
};

class MainArea {
 public:
  explicit MainArea(MainContext& context) : ctx_(context) {}
  virtual ~MainArea() = default;
  MainArea(const MainArea&) = delete;
  MainArea& operator=(const MainArea&) = delete;

  // Creates (first build) or moves and re-faces (rebuild) the controls whose
  // faces come from `screen`.
  virtual void Build(SkinBuilder& builder, Screen screen) = 0;
  // Registers the area's controls with their handlers, after the first build.
  virtual void Route(MainRouter& router) {}
  // Shows and hides the controls for a page. Visibility changes here repaint
  // nothing: only the page area and the controls on it are repainted
  // afterwards, so a change to any other control belongs elsewhere.
  virtual void ShowPage(const PageView& view) {}
  // Draws the area's content of the current page into the composition.
  virtual void Paint(HDC dc) {}

 protected:
  MainContext& ctx_;
};

// Shows or hides a control window.
// While one is open, Show neither repaints nor uncovers anything: the page
// switch hides and shows a page's controls that way (one window-position pass
// each, with no repainting) and then repaints the page area once.
class QuietShowScope {
 public:
  QuietShowScope();
  ~QuietShowScope();
  QuietShowScope(const QuietShowScope&) = delete;
  QuietShowScope& operator=(const QuietShowScope&) = delete;
};

// Shows or hides a control window; a control already in that state is left
// alone, so that a page switch repaints only what changes.
void Show(HWND control, bool shown);
