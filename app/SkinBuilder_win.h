// Builds the main window from the skin file: on the first build it creates
// each control at its entry's rectangle and gives it the faces the first page
// needs; the other faces follow screen by screen after the first paint
// (CompleteScreen) without touching anything else of the control. On a
// rebuild (after a language change) it only moves the controls and gives them
// fresh faces and captions. The "built" flag lives here and nowhere else.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/MainInventory.h"
#include "skin/GdiHandles_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

class CBitmapBtn;
class CBitmapBtn2;
class CPngListBtn;
class CPngHSliderBar;

class SkinBuilder {
 public:
  // The window the controls are children of; set before the first build.
  void SetWindow(HWND window) { window_ = window; }

  bool firstBuild() const { return !built_; }
  void Finish() { built_ = true; }

  // The window's size and outline from "MOUSESCREEN" / "Mask"; the window is
  // moved to (0, 0) with the mask's size on the first build only.
  void ShapeWindow();
  // The four sheets of a screen; Main stays as the page background, the other
  // three live until the next screen or Release. For the first paint only the
  // buttons page's Main and Down sheets are read: the faces the other sheets
  // and files give are noted and come with CompleteScreen.
  void BeginScreen(Screen screen, bool complete = true);
  bool IsComplete(Screen screen) const { return complete_[static_cast<int>(screen)]; }
  // The first screen, in build order, whose faces are not all given yet.
  std::optional<Screen> NextIncompleteScreen() const;
  // Reads the sheets of `screen` not read yet and gives its controls the
  // faces they still miss; moves nothing and changes no caption.
  void CompleteScreen(Screen screen);
  void ReleaseSheets();

  // The page background of a page id (its screen's Main sheet).
  HBITMAP PageSheet(int page) const;
  SIZE WindowSize() const { return windowSize_; }

  // The parsed entry of an inventory row in the current skin file.
  SkinEntry EntryOf(const InventoryEntry& entry) const;
  // Whether this build places the entry: entries of the first build only
  // keep their geometry afterwards.
  bool Places(const InventoryEntry& entry) const;

  // The placing operations return the entry's rectangle; they do nothing (and
  // return an empty rectangle) for an entry this build does not place.
  RECT SheetButton(const InventoryEntry& entry, CBitmapBtn& button);
  RECT SheetButton2(const InventoryEntry& entry, CBitmapBtn2& button);
  RECT ImageButton(const InventoryEntry& entry, CPngListBtn& button);
  RECT Slider(const InventoryEntry& entry, CPngHSliderBar& slider);
  RECT Rectangle(const InventoryEntry& entry) const;

  // Every slider and image-file button placed so far: the background
  // composition re-cuts their backgrounds.
  const std::vector<CPngHSliderBar*>& sliders() const { return sliders_; }
  const std::vector<CPngListBtn*>& imageButtons() const { return imageButtons_; }

 private:
  struct Sheets {
    HBITMAP main = nullptr;  // owned by the screen's held sheet
    UniqueBitmap over, down, disabled;
  };
  // A control placed before its screen's sheets or files were read.
  struct MissingFaces {
    Screen screen;
    CBitmapBtn* button = nullptr;
    CBitmapBtn2* button2 = nullptr;
    CPngListBtn* imageButton = nullptr;
    RECT rect{};
    SkinEntry entry;             // of an image button: its files
    bool facesFromMain = false;  // a label: every face from the Main sheet
  };
  UniqueBitmap& HeldSheet(Screen screen);
  void LoadSheets(Screen screen, bool mainAndDown, bool overAndDisabled);
  void GiveImageFaces(CPngListBtn& button, const SkinEntry& entry);
  // Whether controls placed now get every face at once.
  bool PlacesWholeFaces() const { return built_ || complete_[static_cast<int>(screen_)]; }

  HWND window_ = nullptr;
  bool built_ = false;
  SIZE windowSize_{};
  Screen screen_ = Screen::kMouse;
  bool complete_[4] = {};
  Sheets sheets_;
  UniqueBitmap mouseSheet_, lightSheet_, sensiSheet_;
  UniqueBitmap ball_;
  std::vector<MissingFaces> missing_;
  std::vector<CPngHSliderBar*> sliders_;
  std::vector<CPngListBtn*> imageButtons_;
};

inline bool Contains(const RECT& rect, POINT point) { return PtInRect(&rect, point) != FALSE; }
