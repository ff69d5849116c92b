// What the macro and recoil editors share of the skin: their four screen
// sheets, the outline of the macro editor's mask, and controls placed at
// the entries of their position sections.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "controls/BitmapBtn2_win.h"
#include "controls/ClrEdit_win.h"
#include "skin/GdiHandles_win.h"
#include "skin/SkinFile.h"

// Both editors have the macro editor's outline.
constexpr char16_t kMacroScreen[] = u"MACRO_EDIT_SCREEN";

struct EditorSheets {
  UniqueBitmap main, over, down, disabled;

  // "Main", "Over", "Down" and "Disabled" of a screen section.
  void Load(std::u16string_view screen);
  // Only the background stays once the controls have their faces.
  void ReleaseFaces();
};

// Sizes the window to the macro editor's mask picture and shapes it with it;
// the window is left as it is when the mask cannot be read.
void ShapeEditorWindow(HWND window);

RECT EntryRect(std::u16string_view section, std::u16string_view key);

// A button at `rect` with faces cut from the sheets at `faceRect` (columns
// beside the first one show the first one's faces).
void PlaceEditorButton(CBitmapBtn2& button, HWND parent, const EditorSheets& sheets,
                       const RECT& rect, const RECT& faceRect);
// A button at its entry, captioned with the entry's text.
RECT PlaceEditorButton(CBitmapBtn2& button, HWND parent, const EditorSheets& sheets,
                       std::u16string_view section, std::u16string_view key);
// A number or name box inside the frame the sheet draws at `rect`: white on
// black, in the interface font.
void PlaceEditorBox(CClrEdit& box, HWND parent, const RECT& rect, int fontHeight);
