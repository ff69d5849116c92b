#include "app/SensitivityPage_win.h"

#include "app/SkinBuilder_win.h"

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
    for (int n = 0; n < 4; ++n)
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
}

void SensitivityPage::Route(MainRouter& router) {
  // The pointer-enhancement and page-scroll pairs come with the page's behaviour.
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
}

void SensitivityPage::Paint(HDC) {}

void SensitivityPage::Refresh() {
  ProfileRecord& p = ctx_.profile();
  polling_.SetSliderPos(p.pollRate);
  scroll_.SetSliderPos(p.scrollSpeed);
  doubleClick_.SetSliderPos(p.dbClickSpeed);
  level_.SetSliderPos(p.dpiCur);
  scroll_.EnableWindow(p.scrollPage == 0);
  pointer_.SetSliderPos(p.mouseSpeed);
  InvalidateRect(ctx_.window, &levelArea_, FALSE);
  InvalidateRect(ctx_.window, &pollingText_, FALSE);
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
      break;
    case 10006:
      polling_.SetSliderPos(value);
      p.pollRate = value;
      InvalidateRect(ctx_.window, &pollingText_, FALSE);
      break;
    default:
      break;
  }
  return kNothingChanged;
}

Changes SensitivityPage::OnLevelPick(int) { return kNothingChanged; }

bool SensitivityPage::OnClick(POINT) { return false; }

void SensitivityPage::OnMouseMove(POINT) {}

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
