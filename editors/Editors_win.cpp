#include "editors/Editors_win.h"

#include "editors/DlgMacroSet_win.h"
#include "editors/DlgPressureGunSet_win.h"
#include "editors/EditorSkin_win.h"
#include "macro/Libraries.h"

namespace {

static_assert(kNewEntryPosition == kNewRecord);

// Whether the editor may open on `position` of `library`: a new record needs
// room (warning 13 otherwise), an existing one must be there, and a library
// file that could not be read is not written by an editor either.
bool MayOpen(HWND owner, const Library& library, int position) {
  if (library.unreadable()) return false;
  if (position != kNewEntryPosition) return library.HasPosition(position);
  if (library.CheckRoomForNew() == kLibraryDone) return true;
  ShowWarning(CWnd::FromHandle(owner), kWarnLibraryFull);
  return false;
}

template <typename Editor>
INT_PTR RunEditor(HWND owner, Library& library, int position) {
  if (!MayOpen(owner, library, position)) return IDCANCEL;
  INT_PTR result = IDCANCEL;
  {
    Editor editor(CWnd::FromHandle(owner), library, position);
    result = editor.DoModal() == IDOK && editor.saved() ? IDOK : IDCANCEL;
  }
  // Whatever the editor did, the copy follows the file again.
  library.LoadLibraryFile();
  return result;
}

}  // namespace

INT_PTR EditMacro(HWND owner, Libraries& libraries, int position) {
  return RunEditor<CDlgMacroSet>(owner, libraries.macros, position);
}

INT_PTR EditPattern(HWND owner, Libraries& libraries, int position) {
  return RunEditor<CDlgPressureGunSet>(owner, libraries.patterns, position);
}
