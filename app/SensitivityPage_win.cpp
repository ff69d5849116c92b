#include "app/SensitivityPage_win.h"

#include <array>

#include "app/SkinBuilder_win.h"
#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ShapeDraw_win.h"
#include "dialogs/ColorDlg_win.h"
#include "settings/WideText_win.h"
#include "skin/SkinDraw_win.h"

namespace {

constexpr RECT kDivider{541, 253, 541 + 430, 253 + 3};
constexpr COLORREF kDividerColour = RGB(0x4D, 0x4D, 0x4D);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOtherValue = 0x363636;
// The keys of the page's labels, in drawing order.
constexpr const char16_t* kLabelKeys[] = {u"1", u"2", u"5", u"6", u"7", u"3", u"8", u"9"};

}  // namespace

void SensitivityPage::Build(SkinBuilder& builder, Screen screen) {
  if (screen != Screen::kSensi) return;
  // Levels and polling rates keep the geometry of the first build.
  if (builder.firstBuild()) {
    for (int n = 0; n < kLevels; ++n)
      levelRects_[n] = builder.SheetButton(InventoryOf(Ctl::kLevelButton, n), levelButtons_[n]);
    for (int n = 0; n < kLevels; ++n)
      valueRects_[n] = builder.Rectangle(InventoryOf(Ctl::kLevelValue, n));
    for (int n = 0; n < kLevels; ++n)
      colourRects_[n] = builder.Rectangle(InventoryOf(Ctl::kLevelColour, n));
    levelArea_ = builder.Rectangle(InventoryOf(Ctl::kLevelArea));
    for (int n = 0; n < kPollingEntries; ++n)
      pollingRects_[n] =
          builder.SheetButton(InventoryOf(Ctl::kPollingButton, n), pollingButtons_[n]);
    pollingText_ = builder.Rectangle(InventoryOf(Ctl::kPollingText));
  }
  builder.ImageButton(InventoryOf(Ctl::kEnhanceOff), enhanceOff_);
  builder.ImageButton(InventoryOf(Ctl::kEnhanceOn), enhanceOn_);
  builder.ImageButton(InventoryOf(Ctl::kScrollOff), scrollOff_);
  builder.ImageButton(InventoryOf(Ctl::kScrollOn), scrollOn_);
  builder.SheetButton(InventoryOf(Ctl::kSensitivityLabel), label_);
  if (builder.firstBuild()) {
    label_.SetFontHeight(21);
    label_.SetBold();
  }
  builder.Slider(InventoryOf(Ctl::kLevelSlider), level_);
  builder.Slider(InventoryOf(Ctl::kPollingSlider), polling_);
  builder.Slider(InventoryOf(Ctl::kPointerSlider), pointer_);
  builder.Slider(InventoryOf(Ctl::kScrollSlider), scroll_);
  builder.Slider(InventoryOf(Ctl::kDoubleClickSlider), doubleClick_);
  static_assert(std::size(kLabelKeys) == std::size(decltype(labels_){}));
  for (std::size_t i = 0; i < std::size(kLabelKeys); ++i)
    labels_[i].Load(u"SENSITIVITY_TEXT", kLabelKeys[i]);
}

void SensitivityPage::Route(MainRouter& router) {
  // Each toggle shows its partner, which undoes it.
  auto toggle = [this](CPngListBtn& from, CPngListBtn& to, std::int32_t ProfileRecord::*flag,
                       std::int32_t value) {
    return [this, &from, &to, flag, value](const CommandContext&) -> Changes {
      ctx_.profile().*flag = value;
      if (flag == &ProfileRecord::scrollPage) scroll_.EnableWindow(value == 0);
      Show(from, false);
      Show(to, true);
      return kNothingChanged;
    };
  };
  router.Add(enhanceOff_, toggle(enhanceOff_, enhanceOn_, &ProfileRecord::mouseEnhance, 1));
  router.Add(enhanceOn_, toggle(enhanceOn_, enhanceOff_, &ProfileRecord::mouseEnhance, 0));
  router.Add(scrollOff_, toggle(scrollOff_, scrollOn_, &ProfileRecord::scrollPage, 1));
  router.Add(scrollOn_, toggle(scrollOn_, scrollOff_, &ProfileRecord::scrollPage, 0));
  for (int i = 0; i < kLevels; ++i) {
    router.Add(levelButtons_[i], [this, i](const CommandContext& c) -> Changes {
      if (!c.popupWasOpen) OpenLevelMenu(i);
      return kNothingChanged;
    });
  }
}

void SensitivityPage::ShowPage(const PageView& view) {
  const bool shown = view.Shows(ShownOn::kSensitivityPage);
  Show(label_, shown);
  Show(level_, shown);
  Show(polling_, shown);
  Show(enhanceOff_, shown && !view.enhanceOn);
  Show(enhanceOn_, shown && view.enhanceOn);
  Show(scrollOff_, shown && !view.pageScrollOn);
  Show(scrollOn_, shown && view.pageScrollOn);
  Show(pointer_, shown);
  Show(scroll_, shown);
  Show(doubleClick_, shown);
  for (CBitmapBtn& button : levelButtons_) Show(button, false);
  for (CBitmapBtn& button : pollingButtons_) Show(button, false);
  if (!shown) hovered_ = -1;
}

void SensitivityPage::Paint(HDC dc) {
  if (ctx_.page != PAGE_SENSITIVITY) return;
  const ProfileRecord& p = ctx_.profile();
  const int shownLevel = RepairedLevel(p.dpiCur);
  const int shownPolling = RepairedPolling(p.pollRate);
  FillSolid(dc, kDivider, kDividerColour);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kWhite);
  {
    const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
    for (const SkinText& label : labels_) label.Draw(dc, DT_WORDBREAK);
  }
  const SelectScope font(dc, CachedFont(18, FW_BOLD, InterfaceFace()));
  constexpr UINT kCentred = DT_CENTER | DT_WORDBREAK;
  for (int i = 0; i < kLevels; ++i)
    DrawLineText(dc, valueRects_[i], LevelText(p.dpiValue[i]), kCentred);
  DrawLineText(dc, levelRects_[shownLevel], LevelText(p.dpiValue[shownLevel]), kCentred);
  DrawLineText(dc, pollingRects_[shownPolling], PollingText(shownPolling), kCentred);
  SetTextColor(dc, kOtherValue);
  for (int i = 0; i < kLevels; ++i)
    if (i != shownLevel) DrawLineText(dc, levelRects_[i], LevelText(p.dpiValue[i]), kCentred);
  for (int n = 0; n < kPollingEntries; ++n)
    if (n != shownPolling) DrawLineText(dc, pollingRects_[n], PollingText(n), kCentred);

  for (int i = 0; i < kLevels; ++i) FillSolid(dc, colourRects_[i], p.dpiColor[i]);
  if (hovered_ >= 0 && LevelHasColour(p.dpiValue[hovered_]))
    FrameRoundedWhite(dc, Grown(colourRects_[hovered_], 1), 2);
}

void SensitivityPage::Refresh() {
  ProfileRecord& p = ctx_.profile();
  polling_.SetSliderPos(p.pollRate);
  scroll_.SetSliderPos(p.scrollSpeed);
  doubleClick_.SetSliderPos(p.dbClickSpeed);
  for (int i = 0; i < kLevels; ++i) {
    InvalidateRect(ctx_.window, &valueRects_[i], FALSE);
    InvalidateRect(ctx_.window, &colourRects_[i], FALSE);
  }
  level_.SetSliderPos(p.dpiCur);
  InvalidateRect(ctx_.window, &levelArea_, FALSE);
  scroll_.EnableWindow(p.scrollPage == 0);
  pointer_.SetSliderPos(p.mouseSpeed);
  InvalidateRect(ctx_.window, &pollingText_, FALSE);
  RefreshLevelsAndPolling();
}

void SensitivityPage::RefreshLevelsAndPolling() {
  RefreshPolling();
  RefreshLevels();
}

void SensitivityPage::RefreshLevels() {
  ProfileRecord& p = ctx_.profile();
  if (p.dpiCur != RepairedLevel(p.dpiCur)) {
    p.dpiCur = RepairedLevel(p.dpiCur);
    level_.SetSliderPos(p.dpiCur);
  }
  for (CBitmapBtn& button : levelButtons_) Show(button, false);
  const RECT span = Grown(ColourSpan(), 2);
  InvalidateRect(ctx_.window, &span, FALSE);
}

void SensitivityPage::RefreshPolling() {
  ProfileRecord& p = ctx_.profile();
  if (p.pollRate != RepairedPolling(p.pollRate)) {
    p.pollRate = RepairedPolling(p.pollRate);
    polling_.SetSliderPos(p.pollRate);
  }
  for (CBitmapBtn& button : pollingButtons_) Show(button, false);
}

RECT SensitivityPage::ColourSpan() const {
  return RECT{colourRects_[0].left, colourRects_[0].top, colourRects_[kLevels - 1].right,
              colourRects_[kLevels - 1].bottom};
}

Changes SensitivityPage::OnSlider(int id, int value) {
  ProfileRecord& p = ctx_.profile();
  switch (id) {
    case 10000:
      pointer_.SetSliderPos(value);
      p.mouseSpeed = value;
      break;
    case 10001:
      scroll_.SetSliderPos(value);
      p.scrollSpeed = value;
      break;
    case 10002:
      doubleClick_.SetSliderPos(value);
      p.dbClickSpeed = value;
      break;
    case 10005:
      level_.SetSliderPos(value);
      p.dpiCur = value;
      InvalidateRect(ctx_.window, &levelArea_, FALSE);
      RefreshLevels();
      break;
    case 10006:
      polling_.SetSliderPos(value);
      InvalidateRect(ctx_.window, &pollingText_, FALSE);
      p.pollRate = value;
      RefreshPolling();
      break;
    default:
      break;
  }
  return kNothingChanged;
}

Changes SensitivityPage::OnLevelPick(int value) {
  ProfileRecord& p = ctx_.profile();
  if (!ApplyLevelPick(p, value)) return kNothingChanged;
  InvalidateRect(ctx_.window, &valueRects_[p.dpiCur], FALSE);
  InvalidateRect(ctx_.window, &levelRects_[p.dpiCur], FALSE);
  // A level turned off loses its colour field's hover frame.
  const RECT span = Grown(ColourSpan(), 2);
  InvalidateRect(ctx_.window, &span, FALSE);
  return kNothingChanged;
}

bool SensitivityPage::OnClick(POINT client) {
  const ProfileRecord& p = ctx_.profile();
  for (int i = 0; i < kLevels; ++i) {
    if (LevelHasColour(p.dpiValue[i]) && Contains(colourRects_[i], client)) {
      PickLevelColour(i);
      return true;
    }
    if (Contains(levelRects_[i], client) && i == p.dpiCur) {
      // The level menu opens as for a click on the level's own button.
      SendMessageW(ctx_.window, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(levelButtons_[i].GetSafeHwnd()));
      return true;
    }
  }
  return false;
}

void SensitivityPage::OpenLevelMenu(int level) {
  CBtnMenu* menu = NewDropDownMenu(ctx_.window, L"DPI", levelButtons_[level]);
  menu->SetRowHeight(24);
  menu->SetTextLayout(kAlignLeft, 5);
  for (const LevelMenuItem& item : LevelMenuItems())
    menu->AddMenuItem(Wide(item.caption), item.value);
  menu->CreateMenu(ctx_.window);
  menu->ShowMenu(SW_SHOWNOACTIVATE);
}

void SensitivityPage::PickLevelColour(int level) {
  ProfileRecord& p = ctx_.profile();
  CColorDlg dialog(CWnd::FromHandle(ctx_.window));
  dialog.SetMode(kColourModeLevel);
  dialog.SetCaption(Wide(ColourDialogCaption(p.dpiValue[level])));
  std::array<COLORREF, kPickerColours> colours;
  colours.fill(p.dpiColor[level]);
  dialog.SetPickerColors(colours);
  if (dialog.DoModal() != IDOK) return;
  p.dpiColor[level] = dialog.PickedColour();
  const RECT frame = Grown(colourRects_[level], 2);
  InvalidateRect(ctx_.window, &frame, FALSE);
}

void SensitivityPage::OnMouseMove(POINT client) {
  const ProfileRecord& p = ctx_.profile();
  int hovered = -1;
  const RECT span = Grown(ColourSpan(), 4);
  if (Contains(span, client)) {
    for (int i = 0; i < kLevels && hovered < 0; ++i)
      if (LevelHasColour(p.dpiValue[i]) && Contains(colourRects_[i], client)) hovered = i;
  }
  // Repainted when the frame moves, also when the pointer leaves the fields.
  if (hovered == hovered_) return;
  hovered_ = hovered;
  InvalidateRect(ctx_.window, &span, FALSE);
}

void SensitivityPage::OnServiceLevel(int profile, int level) {
  MouseConfig& config = ctx_.config();
  // Both come from another process: only a profile in use and a level 0..6.
  if (profile < 0 || profile >= config.header.totle || level < 0 || level >= kLevels) return;
  config.profiles[profile].dpiCur = level;
  // Another profile's level is stored but not shown over the one on screen.
  if (profile != config.header.current) return;
  level_.SetSliderPos(level);
  InvalidateRect(ctx_.window, &levelArea_, FALSE);
}
