#include "editors/Editors_win.h"

// TODO: the editor windows are being built; until then nothing is edited.
INT_PTR EditMacro(HWND, Libraries&, int) { return IDCANCEL; }

INT_PTR EditPattern(HWND, Libraries&, int) { return IDCANCEL; }
