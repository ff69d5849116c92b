// Image buttons that serve as rows of scrollable lists: they report pointer
// moves and wheel turns to the list that holds them.
#pragma once

#include "controls/BitmapBtn_win.h"

// wParam of the pointer moves a row forwards to its list, in screen coordinates.
constexpr WPARAM kRowMoveMarker = 2;

// Room a list index keeps left of the caption (for an item number).
constexpr int kListIndexIndent = 40;

// A row of the popup menus: faces cut from the menu images, an optional small
// icon from a bitmap resource (black = transparent).
class CBitmapListBtn : public CBitmapBtnEx {
 public:
  void SetListIndex(int index) { listIndex_ = index; }
  // Icon bitmap resource (0: none) at (x, y); repaints only on a change.
  void SetIcon(int resourceId, int x, int y);
  int GetIconId() const { return iconId_; }

  void DrawItem(DRAWITEMSTRUCT* item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int listIndex_ = -1;
  int iconId_ = 0;
  int iconX_ = 0;
  int iconY_ = 0;
  UniqueBitmap icon_;
};

// A row with 32-bit faces whose transparent corners show the window's
// background, and an outline of its own.
class CPngListBtn : public CBitmapBtnEx {
 public:
  // Takes premultiplied-alpha faces (LoadAlphaPng); an empty one leaves that face.
  void SetStateImages(UniqueBitmap main, UniqueBitmap over, UniqueBitmap down,
                      UniqueBitmap disabled);
  // Re-cuts the background from the window's background image at the
  // button's rectangle; the window calls it whenever it repaints its background.
  void SetBackground(HBITMAP windowBackground);
  void SetCaptionX(int x) { captionX_ = x; }
  void SetListIndex(int index) { listIndex_ = index; }
  // Shapes the button with the mask file; "error" when that fails.
  bool SetMaskRegion(const std::wstring& maskPath);

  void DrawItem(DRAWITEMSTRUCT* item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  FaceChoice ChooseFace(const ButtonState& state) const override;

 private:
  UniqueBitmap background_;
  int captionX_ = 0;
  int listIndex_ = -1;
};

// Wheel turns over a row scroll its list one line: WM_VSCROLL to the parent.
void PostWheelAsScroll(HWND row, WPARAM wParam);
