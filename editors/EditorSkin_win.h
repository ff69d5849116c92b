// What the macro and recoil editors share: their four screen sheets, the
// outline of the macro editor's mask, controls placed at the entries of their
// position sections, their painted texts, their number boxes' text, their
// keyboard rule and the warning of a refused save.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "controls/BitmapBtn2_win.h"
#include "controls/ClrEdit_win.h"
#include "dialogs/DialogSkin_win.h"
#include "macro/Library.h"
#include "skin/GdiHandles_win.h"
#include "skin/SkinFile.h"

// Both editors have the macro editor's outline.
constexpr char16_t kMacroScreen[] = u"MACRO_EDIT_SCREEN";

// The editors' sheets are those of every skinned dialog.
using EditorSheets = DialogSheets;

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

// Draws the title entry in the larger font and the label entries, white; an
// entry whose text holds a line break wraps.
void PaintEditorTexts(HDC dc, std::u16string_view section, std::u16string_view title,
                      const std::vector<std::u16string_view>& labels);

std::u16string BoxText(const CWnd& box);
// Replaces a box's text and puts the caret at its end.
void SetBoxText(const CWnd& box, std::u16string_view text);

// A key message of Enter or Escape: the editors never close on them.
bool IsEnterOrEscape(const MSG& msg);

// The warning dialog with message `warning`, modal over `owner`.
void ShowWarning(CWnd* owner, Warning warning);

// The editors' save: the record written under the wait cursor; a refusal
// shows the warning it calls for, if any, over `owner`. True when written.
bool SaveRecord(CWnd* owner, const Library& library, const LibraryEntry& record, bool isNew);
