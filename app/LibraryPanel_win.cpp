#include "app/LibraryPanel_win.h"

#include <algorithm>
#include <string>

#include "app/FileDialogs_win.h"
#include "app/SkinBuilder_win.h"
#include "dialogs/WarnDlg_win.h"
#include "editors/Editors_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"

namespace {

constexpr LibraryKind kKinds[] = {LibraryKind::kMacro, LibraryKind::kPattern};

// The library's dialog filter in the system's form: "|" becomes the NUL
// that ends each description and pattern.
std::wstring DialogFilter(const LibraryTraits& traits) {
  std::wstring filter = Wide(traits.fileFilter);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  return filter;
}

std::filesystem::path ChooseFile(HWND owner, LibraryKind kind, bool save) {
  const LibraryTraits& traits = TraitsOf(kind);
  const std::wstring filter = DialogFilter(traits);
  // The dialog wants the default extension without its dot.
  const std::wstring extension = Wide(traits.extension.substr(1));
  const std::wstring initialName = Wide(traits.initialFileName);
  const DWORD options = save ? OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT
                             : OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  const FileDialogSpec spec{filter.c_str(), extension.c_str(), initialName.c_str(), DesktopFolder(),
                            options};
  return save ? ShowSaveDialog(owner, spec) : ShowOpenDialog(owner, spec);
}

}  // namespace

void LibraryPanel::Build(SkinBuilder& builder, Screen screen) {
  if (screen == Screen::kMouse) {
    for (int i = 0; i < 5; ++i)
      builder.SheetButton(InventoryOf(Ctl::kLibraryCommand, i), commands_[i]);
    for (int i = 0; i < 2; ++i) {
      builder.SheetButton(InventoryOf(Ctl::kLibraryTab, i), tabs_[i]);
      if (builder.firstBuild()) {
        tabs_[i].SetFontHeight(21);
        tabs_[i].SetBold();
        tabs_[i].SetTextAlign(kAlignLeft);
      }
    }
    if (builder.firstBuild()) tabs_[0].SetCheck(true);
    return;
  }
  if (screen != Screen::kLists) return;
  const RECT rect = builder.Rectangle(InventoryOf(Ctl::kNameLists));
  for (int i = 0; i < 2; ++i) {
    if (builder.firstBuild())
      lists_[i].CreateList(rect, ctx_.window);
    else
      lists_[i].MoveWindow(rect);
  }
  if (builder.firstBuild()) Show(lists_[1], false);
}

void LibraryPanel::Route(MainRouter& router) {
  for (int i = 0; i < 2; ++i) {
    router.Add(tabs_[i], [this, i](const CommandContext&) -> Changes {
      tabs_[0].SetCheck(i == 0);
      tabs_[1].SetCheck(i == 1);
      // The refill shows the list of the checked tab, the rows its markers.
      return kAssignmentsChanged;
    });
  }
  for (int i = 0; i < 5; ++i) {
    const int command = InventoryOf(Ctl::kLibraryCommand, i).controlId;
    router.Add(commands_[i], [this, command](const CommandContext& c) -> Changes {
      if (!c.IsClick()) return kNothingChanged;
      const LibraryKind kind = ActiveLibrary(MacrosShown());
      return RunCommand(kind, command, CommandButtonRow(command, ListOf(kind).HighlightedRow()));
    });
  }
}

void LibraryPanel::FillList(LibraryKind kind) {
  CListBoxMacroName& list = ListOf(kind);
  // The highlight stays on its row while the row exists.
  const int highlighted = list.HighlightedRow();
  list.Clear();
  if (ctx_.libraries)
    for (const LibraryEntry& entry : ctx_.libraries->of(kind).entries())
      list.AddRow(Wide(entry.name));
  list.SetHighlightedRow(highlighted);
  Show(list, LibraryListShown(kind, list.GetCount(), MacrosShown()));
}

void LibraryPanel::FillMacroList() { FillList(LibraryKind::kMacro); }

void LibraryPanel::FillPatternList() { FillList(LibraryKind::kPattern); }

void LibraryPanel::FillLists() {
  FillMacroList();
  FillPatternList();
}

void LibraryPanel::RefreshMarkers() {
  if (!ctx_.libraries) return;
  for (LibraryKind kind : kKinds) {
    const Library& library = ctx_.libraries->of(kind);
    const std::vector<int> markers =
        library.InUseMarkers(ctx_.profile(), GetFuncString(library.traits().defaultNameText));
    CListBoxMacroName& list = ListOf(kind);
    for (int p = 0; p < static_cast<int>(markers.size()); ++p) list.SetMarker(p, markers[p]);
  }
}

Changes LibraryPanel::OnRowCommand(int row, int command) {
  for (LibraryKind kind : kKinds)
    if (ListOf(kind).TakePostedCommand(row, command)) return RunCommand(kind, command, row);
  return kNothingChanged;
}

Changes LibraryPanel::RunCommand(LibraryKind kind, int command, int row) {
  if (!ctx_.libraries) return kNothingChanged;
  CListBoxMacroName& list = ListOf(kind);
  const LibraryCommandResult result =
      RunLibraryCommand(*ctx_.libraries, kind, command, row, list.Marker(row), *this);
  if (result.entryRemoved) list.SetHighlightedRow(-1);
  return result.changes;
}

bool LibraryPanel::EditEntry(LibraryKind kind, int position) {
  const int at = position == kNewEntry ? kNewEntryPosition : position;
  const INT_PTR result = kind == LibraryKind::kMacro
                             ? EditMacro(ctx_.window, *ctx_.libraries, at)
                             : EditPattern(ctx_.window, *ctx_.libraries, at);
  return result == IDOK;
}

std::filesystem::path LibraryPanel::ChooseExportFile(LibraryKind kind) {
  return ChooseFile(ctx_.window, kind, true);
}

std::filesystem::path LibraryPanel::ChooseImportFile(LibraryKind kind) {
  return ChooseFile(ctx_.window, kind, false);
}

void LibraryPanel::Warn(Warning warning) { ShowWarning(ctx_.window, warning); }
