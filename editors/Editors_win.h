// The macro and recoil-pattern editors as the library panel opens them.
#pragma once

#include <windows.h>

class Libraries;

// A list position that stands for a record not in the library yet.
constexpr int kNewEntryPosition = -1;

// Runs the macro editor on the macro at a list position of the library, or on
// a new macro; IDOK when it saved the record (the caller reloads the library).
INT_PTR EditMacro(HWND owner, Libraries& libraries, int position);
// The same for the recoil-pattern editor.
INT_PTR EditPattern(HWND owner, Libraries& libraries, int position);
