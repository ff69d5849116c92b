#include "app/LibraryPanel_win.h"

#include "app/SkinBuilder_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"

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
    if (builder.firstBuild()) {
      lists_[i].CreateList(rect, ctx_.window);
      lists_[i].SetListDarkColours();
      lists_[i].SetListTallRows();
      lists_[i].SetListWhiteText();
    } else {
      lists_[i].MoveWindow(rect);
    }
  }
}

void LibraryPanel::Route(MainRouter& router) {
  for (int i = 0; i < 2; ++i) {
    router.Add(tabs_[i], [this, i](const CommandContext&) -> Changes {
      tabs_[0].SetCheck(i == 0);
      tabs_[1].SetCheck(i == 1);
      return kAssignmentsChanged;
    });
  }
}

void LibraryPanel::FillLists() {
  for (int i = 0; i < 2; ++i) {
    lists_[i].ResetContent();
    if (ctx_.libraries) {
      const Library& library =
          ctx_.libraries->of(i == 0 ? LibraryKind::kMacro : LibraryKind::kPattern);
      for (const LibraryEntry& entry : library.entries()) lists_[i].AddListItem(Wide(entry.name));
    }
    const bool active = (i == 0) == MacrosShown();
    Show(lists_[i], active && lists_[i].GetCount() > 0);
  }
}

Changes LibraryPanel::OnRowCommand(int, int) { return kNothingChanged; }
