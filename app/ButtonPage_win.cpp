#include "app/ButtonPage_win.h"

#include <memory>

#include "app/SkinBuilder_win.h"
#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "dialogs/WarnDlg_win.h"
#include "editors/SelMacroDlg_win.h"
#include "macro/Libraries.h"
#include "macro/SelectionRules.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"

namespace {

// The name a row shows for its slot: the macro's or pattern's name, or the
// function's text.
std::u16string FunctionName(const ButtonSlot& slot, const Libraries* libraries) {
  if (libraries && slot.code == kCodeMacro)
    return libraries->macros.EntryName(slot.library, GetFuncString(kTextMacroWord));
  if (libraries && slot.code == kCodePattern)
    return libraries->patterns.EntryName(slot.library, GetFuncString(kTextPatternWord));
  return GetFuncString(slot.code);
}

}  // namespace

void ButtonPage::Build(SkinBuilder& builder, Screen screen) {
  if (screen != Screen::kMouse) return;
  const bool first = builder.firstBuild();
  for (int r = 0; r < kAssignmentRows; ++r) {
    builder.ImageButton(InventoryOf(Ctl::kFunctionButton, r), functions_[r]);
    if (first) {
      functions_[r].SetTextAlign(kAlignLeft);
      functions_[r].SetCaptionX(10);
    }
  }
  for (int r = 0; r < kAssignmentRows; ++r) {
    builder.ImageButton(InventoryOf(Ctl::kRowLabel, r), labels_[r]);
    if (first) {
      labels_[r].SetTextAlign(kAlignCentre);
      labels_[r].SetFontHeight(16);
      labels_[r].SetTextColors(RGB(255, 255, 255), 0);
      labels_[r].SetCaptionX(-13);
    }
  }
  for (int r = 0; r < kAssignmentRows; ++r) {
    const InventoryEntry& entry = InventoryOf(Ctl::kRowButton, r);
    builder.ImageButton(entry, badges_[r]);
    if (first) {
      badges_[r].SetTextAlign(kAlignCentre);
      badges_[r].SetFontHeight(16);
      badges_[r].SetTextColors(RGB(255, 255, 255), 0xDEDEDE);
    }
    const bool sideButton =
        ReadSkinValue(entry.section, entry.key).find(u"Btn4") != std::u16string::npos;
    badges_[r].SetCaptionX(sideButton ? -4 : 4);
  }
  mouse_.Load(u"MOUSE_PIC", u"Mouse", u"skins\\DefaultPic\\");
  title_.Load(u"MOUSE_TEXT", u"1");
}

void ButtonPage::Route(MainRouter& router) {
  for (int r = 0; r < kAssignmentRows; ++r) {
    router.Add(functions_[r], [this, r](const CommandContext& c) -> Changes {
      if (c.popupWasOpen || !c.IsClick()) return kNothingChanged;
      selectedRow_ = r;
      OpenFunctionMenu(r);
      return kNothingChanged;
    });
  }
}

void ButtonPage::ShowPage(const PageView& view) {
  const bool shown = view.Shows(ShownOn::kButtonsPage);
  for (int r = 0; r < kAssignmentRows; ++r) {
    Show(functions_[r], shown);
    Show(labels_[r], shown);
    Show(badges_[r], shown);
  }
}

void ButtonPage::Paint(HDC dc) {
  if (ctx_.page != PAGE_BUTTONS) return;
  mouse_.Draw(dc);
  const SelectScope select(dc, CachedFont(21, FW_BOLD, InterfaceFace()));
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  title_.Draw(dc, DT_WORDBREAK);
}

void ButtonPage::RefreshAssignmentRows() {
  const ProfileRecord& profile = ctx_.profile();
  for (int r = 0; r < kAssignmentRows; ++r) {
    const std::wstring text = Wide(FunctionName(profile.slots[r], ctx_.libraries));
    functions_[r].SetButtonText(text);
    functions_[r].SetTipText(text, true);
  }
}

void ButtonPage::UpdateHover(POINT screenPoint) {
  hoveredRow_ = -1;
  for (int r = 0; r < kAssignmentRows; ++r) {
    RECT function{}, label{}, badge{};
    GetWindowRect(functions_[r], &function);
    GetWindowRect(labels_[r], &label);
    GetWindowRect(badges_[r], &badge);
    const bool over = Contains(function, screenPoint) || Contains(label, screenPoint) ||
                      Contains(badge, screenPoint);
    if (over) hoveredRow_ = r;
    labels_[r].SetHover(over);
    badges_[r].SetHover(over);
  }
}

void ButtonPage::OpenFunctionMenu(int row) {
  RECT button{};
  GetWindowRect(functions_[row], &button);
  const std::wstring folder = Paths().programFolder + L"Skins\\Menu\\";
  const std::wstring normal = folder + L"function_drop down menu_normal.jpg";
  const std::wstring over = folder + L"function_drop down menu_over.jpg";
  const std::wstring down = folder + L"function_drop down menu_down.jpg";
  CBtnMenu* menu = NewPopupMenu(ctx_.window);
  menu->SetMenuImages(normal, over, down, normal, L"", false);
  menu->SetSubmenuImages(normal, over, down, normal, L"", false);
  menu->SetMenuPosition(button.right, button.top);
  menu->SetRowHeight(kFunctionMenuRowHeight);
  menu->SetTextLayout(kAlignLeft, kFunctionMenuCaptionOffset);
  menu->SetVisibleRows(kFunctionMenuRows);
  const std::vector<FunctionMenuItem>& items = FunctionMenu();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    menu->AddMenuItem(Wide(GetFuncString(items[i].value)), items[i].value);
    for (std::uint8_t child : items[i].children)
      menu->AddSubMenuItem(i, Wide(GetFuncString(child)), child);
  }
  if (!menu->CreateMenu()) CloseCurrentPopupMenu();
}

Changes ButtonPage::OnFunctionPick(WPARAM, LPARAM lParam) {
  const int row = selectedRow_;
  const PickPlan plan = PlanFunctionPick(ctx_.profile(), row, HIWORD(lParam), LOWORD(lParam));
  switch (plan.step) {
    case PickStep::kIgnore:
      return kNothingChanged;
    case PickStep::kWarn:
      ShowWarning(ctx_.window, plan.warning);
      return kNothingChanged;
    case PickStep::kChooseMacro:
      return ChooseEntry(row, LibraryKind::kMacro) ? kAssignmentsChanged : kNothingChanged;
    case PickStep::kChoosePattern:
      return ChooseEntry(row, LibraryKind::kPattern) ? kAssignmentsChanged : kNothingChanged;
    case PickStep::kAssign:
      AssignFunction(ctx_.profile().slots[row], plan.code);
      return kAssignmentsChanged;
  }
  return kNothingChanged;
}

bool ButtonPage::ChooseEntry(int row, LibraryKind kind) {
  if (!ctx_.libraries) return false;
  const Library& library = ctx_.libraries->of(kind);
  const bool macros = kind == LibraryKind::kMacro;
  ClampSlotLibrary(ctx_.profile().slots[row]);
  const ButtonSlot& slot = ctx_.profile().slots[row];
  CWnd* owner = CWnd::FromHandle(ctx_.window);
  std::unique_ptr<CSelEntryDlg> dialog;
  if (macros)
    dialog = std::make_unique<CSelMacroDlg>(owner, library, MacroSelectionStart(library, slot));
  else
    dialog =
        std::make_unique<CSelPressureGunDlg>(owner, library, PatternSelectionStart(library, slot));
  if (dialog->DoModal() != IDOK) return true;
  // The service may have reloaded the settings meanwhile: the rule is asked again.
  if (CheckAssignment(ctx_.profile(), row, library.traits().buttonCode) != kAccepted) return true;
  ButtonSlot& chosen = ctx_.profile().slots[row];
  if (macros)
    AssignChosenMacro(chosen, library, dialog->SelectedPosition(), dialog->Repeat());
  else
    AssignChosenPattern(chosen, library, dialog->SelectedPosition());
  return true;
}
