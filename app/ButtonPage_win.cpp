#include "app/ButtonPage_win.h"

#include "app/SkinBuilder_win.h"
#include "controls/ControlDraw_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"

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
}

void ButtonPage::Route(MainRouter& router) {
  for (int r = 0; r < kAssignmentRows; ++r) {
    router.Add(functions_[r], [this, r](const CommandContext& c) -> Changes {
      if (c.popupWasOpen) return kNothingChanged;
      selectedRow_ = r;
      // The function menu comes with the assignment work.
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
  const UniqueFont font = CreateCaptionFont(21, FW_BOLD, InterfaceFace());
  const SelectScope select(dc, font.get());
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, u"MOUSE_TEXT", u"1", DT_WORDBREAK);
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

Changes ButtonPage::OnFunctionPick(WPARAM, LPARAM) {
  // A pick with no selected row does nothing; the assignment comes with the
  // button page's menus.
  return kNothingChanged;
}
