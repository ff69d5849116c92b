// What the skinned dialogs share: the four sheets of their screen section, a
// borderless window of the sheets' size, buttons cut from the sheets, and the
// dialog class that puts them together.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/BitmapBtn_win.h"
#include "framework/Dialog_win.h"
#include "skin/GdiHandles_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

struct DialogSheets {
  UniqueBitmap main, over, down, disabled;
  SIZE size{};  // of the Main sheet

  // Reads "Main", "Over", "Down" and "Disabled" of `section` from the skins
  // folder; a missing or refused name leaves that sheet empty.
  void Load(std::u16string_view section);
  // Creates `button` at `rect` of `dialog` with its four faces cut from the sheets.
  void PlaceButton(CBitmapBtn& button, const RECT& rect, HWND dialog) const;
  // The over, down and disabled sheets are no longer needed once the buttons have faces.
  void ReleaseButtonSheets();
};

// The parsed entry of a position value of the current skin file.
SkinEntry DialogEntry(std::u16string_view section, std::u16string_view key);

// A modal dialog drawn from its skin: a background sheet and the close, OK
// and (when placed) Cancel buttons. OK ends it with IDOK, Cancel and close
// with IDCANCEL.
class CSkinDialog : public CDialog {
 public:
  CSkinDialog(UINT templateId, CWnd* owner, const char16_t* title);
  ~CSkinDialog() override;

  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Before the dialog initialises: the sheets, the window's size, the buttons.
  virtual void BuildFromSkin() = 0;
  // Draws the dialog's own content over the background.
  virtual void PaintContent(HDC dc) = 0;
  // Places `button` at `rect` with the entry's Text as caption and tool tip.
  void PlaceLabelled(const DialogSheets& sheets, CBitmapBtn& button, const SkinEntry& entry,
                     const RECT& rect);

  UniqueBitmap background_;
  CBitmapBtn close_, ok_, cancel_;

 private:
  void OnPaint();

  const char16_t* title_;
};
