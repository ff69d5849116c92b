// What the skinned dialogs share: the four sheets of their screen section, a
// borderless window of the sheets' size, and buttons cut from the sheets.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/GdiHandles_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

class CBitmapBtn;

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

// Takes away the dialog frame and sizes the window to `size`, so that the
// client area is the sheet.
void FitDialogToSheet(HWND dialog, SIZE size);

// The parsed entry of a position value of the current skin file.
SkinEntry DialogEntry(std::u16string_view section, std::u16string_view key);
