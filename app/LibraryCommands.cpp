#include "app/LibraryCommands.h"

#include "macro/Libraries.h"

namespace {

// A positive result is a warning for the user; the others (nothing done, a
// file that could not be read or written) pass silently.
void WarnOf(LibraryResult result, LibraryCommandHost& host) {
  const Warning warning = WarningOf(result);
  if (warning != kAccepted) host.Warn(warning);
}

}  // namespace

LibraryCommandResult RunLibraryCommand(Libraries& libraries, LibraryKind kind, int command, int row,
                                       int marker, LibraryCommandHost& host) {
  Library& library = libraries.of(kind);
  LibraryCommandResult result;
  const bool needsEntry =
      command == kCommandEdit || command == kCommandExport || command == kCommandDelete;
  if (needsEntry && !library.HasPosition(row)) return result;
  switch (command) {
    case kCommandEdit:
      if (host.EditEntry(kind, row)) result.changes = kLibrariesChanged;
      break;
    case kCommandNew: {
      const LibraryResult room = library.CheckRoomForNew();
      if (room != kLibraryDone) {
        WarnOf(room, host);
        break;
      }
      if (host.EditEntry(kind, kNewEntry)) result.changes = kLibrariesChanged;
      break;
    }
    case kCommandExport: {
      const std::filesystem::path file = host.ChooseExportFile(kind);
      if (!file.empty()) WarnOf(library.ExportRecord(row, file), host);
      break;
    }
    case kCommandImport: {
      const std::filesystem::path file = host.ChooseImportFile(kind);
      if (file.empty()) break;
      const LibraryResult imported = library.ImportRecord(file);
      WarnOf(imported, host);
      if (imported == kLibraryDone) result.changes = kLibrariesChanged;
      break;
    }
    case kCommandDelete: {
      const LibraryResult deleted = library.DeleteEntry(row, marker);
      WarnOf(deleted, host);
      if (deleted == kLibraryDone) {
        result.changes = kLibrariesChanged;
        result.entryRemoved = true;
      }
      break;
    }
    default:
      break;
  }
  return result;
}

int CommandButtonRow(int command, int highlightedRow) {
  return command == kCommandNew || command == kCommandImport ? -1 : highlightedRow;
}

bool LibraryListShown(LibraryKind kind, int rows, bool macroTabChecked) {
  return rows > 0 && ActiveLibrary(macroTabChecked) == kind;
}
