// The library panel's commands without the window: which library and row a
// command acts on, and what it does there. The window supplies the editors,
// the file dialogs and the warning dialog through LibraryCommandHost.
#pragma once

#include <filesystem>

#include "app/Changes.h"
#include "macro/Library.h"

class Libraries;

// Command numbers; each is also the text id of its label.
enum LibraryCommand : int {
  kCommandEdit = 112,
  kCommandExport = 113,
  kCommandDelete = 114,
  kCommandNew = 115,
  kCommandImport = 116,
};
// A row menu's command reaches the window only in this range.
constexpr int kFirstListCommand = 112;
constexpr int kLastListCommand = 127;

class LibraryCommandHost {
 public:
  virtual ~LibraryCommandHost() = default;
  // Runs the editor of `kind` on a list position (kNewEntry for a new
  // record); true when it saved.
  virtual bool EditEntry(LibraryKind kind, int position) = 0;
  // The file the user picks in the save or open dialog; empty when cancelled.
  virtual std::filesystem::path ChooseExportFile(LibraryKind kind) = 0;
  virtual std::filesystem::path ChooseImportFile(LibraryKind kind) = 0;
  virtual void Warn(Warning warning) = 0;
};

constexpr int kNewEntry = -1;

struct LibraryCommandResult {
  Changes changes = kNothingChanged;
  bool entryRemoved = false;  // the list's highlight is cleared
};

// Runs `command` on the library of `kind` with a list position (-1 for
// none) and that row's in-use marker. Edit, export and delete need an entry
// at the position and otherwise do nothing; new and import ignore it. Any
// other command does nothing.
LibraryCommandResult RunLibraryCommand(Libraries& libraries, LibraryKind kind, int command, int row,
                                       int marker, LibraryCommandHost& host);

// The library a command button acts on: the one whose tab is checked.
inline LibraryKind ActiveLibrary(bool macroTabChecked) {
  return macroTabChecked ? LibraryKind::kMacro : LibraryKind::kPattern;
}
// The row a command button passes: none for new and import, else the
// highlighted row of the active list.
int CommandButtonRow(int command, int highlightedRow);
// A library's list is shown when it has rows and its tab is the checked one.
bool LibraryListShown(LibraryKind kind, int rows, bool macroTabChecked);
