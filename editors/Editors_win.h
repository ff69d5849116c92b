// The macro and recoil-pattern editors as the library panel opens them.
#pragma once

#include <windows.h>

class Libraries;

// A list position that stands for a record not in the library yet.
constexpr int kNewEntryPosition = -1;

// Runs the macro editor on the macro at a list position of the library, or on
// a new macro. A new macro with the library full shows warning 13 and opens
// no editor; a position without an entry opens nothing. Afterwards the
// library's copy is reloaded from its file, whatever the editor did; IDOK
// when the record was saved (the caller refreshes its lists).
INT_PTR EditMacro(HWND owner, Libraries& libraries, int position);
// The same for the recoil-pattern editor.
INT_PTR EditPattern(HWND owner, Libraries& libraries, int position);
