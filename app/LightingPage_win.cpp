#include "app/LightingPage_win.h"

#include <algorithm>
#include <string>

#include "app/SkinBuilder_win.h"
#include "controls/ControlDraw_win.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"

namespace {

constexpr COLORREF kEditBackground = 0x2A2A2A;

// A typed colour component: a decimal number, 0 when empty or not a number,
// kept to 0..255.
int TypedComponent(const std::wstring& text) {
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = std::min(value * 10 + (c - L'0'), 1000LL);
  }
  return ClampToRange(value, 0, 255);
}

}  // namespace

void LightingPage::Build(SkinBuilder& builder, Screen screen) {
  if (screen != Screen::kLight) return;
  const bool first = builder.firstBuild();
  builder.SheetButton2(InventoryOf(Ctl::kCycleOn), cycleOn_);
  builder.SheetButton2(InventoryOf(Ctl::kCycleOff), cycleOff_);
  const std::wstring pairMask = Paths().programFolder + L"skins\\Btn_Mask2.bmp";
  cycleOn_.SetMaskRegion(pairMask);
  cycleOff_.SetMaskRegion(pairMask);
  const CyclePairCaptions captions =
      SplitCyclePairCaption(builder.EntryOf(InventoryOf(Ctl::kCycleOn)).text);
  cycleOff_.SetButtonText(Wide(captions.offButton));
  cycleOff_.SetTextRect(RECT{10, 0, 30, 28});
  cycleOn_.SetButtonText(Wide(captions.onButton));
  cycleOn_.SetTextRect(RECT{30, 0, 62, 28});

  const RECT effect = builder.SheetButton(InventoryOf(Ctl::kEffect), effect_);
  effect_.SetTextAlign(kAlignLeft);
  effect_.SetTextRect(4, 0, effect.right - effect.left - 25, effect.bottom - effect.top);
  effect_.SetFontHeight(EffectFontHeight(ctx_.lanId()));
  preview_ = builder.Rectangle(InventoryOf(Ctl::kPreview));
  colourFieldRect_ = builder.SheetButton(InventoryOf(Ctl::kColourField), colourField_);
  for (int n = 0; n < kSwatches; ++n)
    swatchRects_[n] = builder.SheetButton(InventoryOf(Ctl::kSwatch, n), swatches_[n]);
  if (first) {
    for (int i = 0; i < 3; ++i) {
      const InventoryEntry& entry = InventoryOf(Ctl::kColourEdit, i);
      CClrEdit& edit = colourEdits_[i];
      // Light digits on the page's dark boxes behind the edits.
      edit.m_textColour = RGB(255, 255, 255);
      edit.m_backgroundColour = kEditBackground;
      edit.Create(0x50002082, builder.Rectangle(entry), ctx_.window, entry.controlId);
      edit.SetLimitText(3);
      edit.SendMessage(WM_SETFONT,
                       reinterpret_cast<WPARAM>(CachedFont(15, FW_NORMAL, InterfaceFace())), FALSE);
    }
  }
  for (int i = 0; i < kLevels; ++i)
    cycleSlots_[i] = builder.Rectangle(InventoryOf(Ctl::kCycleSlot, i));
  area_ = builder.Rectangle(InventoryOf(Ctl::kLightingArea));
  builder.Slider(InventoryOf(Ctl::kBrightnessSlider), brightness_);
  builder.Slider(InventoryOf(Ctl::kSpeedSlider), speed_);
  picture_.Load(u"MOUSE_PIC", u"Light", u"skins\\DefaultPic\\");
}

void LightingPage::Route(MainRouter& router) {
  // The effect menu and the cycle pair come with the page's behaviour.
}

void LightingPage::ShowPage(const PageView& view) {
  const bool shown = view.Shows(ShownOn::kLightingPage);
  Show(effect_, shown);
  Show(brightness_, shown);
  Show(speed_, shown);
  Show(colourField_, shown);
  for (CBitmapBtn& swatch : swatches_) Show(swatch, shown);
  ShowColourEdits(view.colourEdits);
  RefreshCyclePair();
}

void LightingPage::Paint(HDC dc) {
  if (ctx_.page != PAGE_LIGHTING) return;
  picture_.Draw(dc);
}

void LightingPage::Refresh() {
  const ProfileRecord& p = ctx_.profile();
  effect_.SetButtonText(Wide(GetFuncString(0x40 + p.lightType)));
  brightness_.SetSliderPos(p.lightBright);
  speed_.SetSliderPos(p.lightSpeed);
}

bool LightingPage::IsColourEdit(HWND window) const {
  return window && std::any_of(std::begin(colourEdits_), std::end(colourEdits_),
                               [window](const CClrEdit& edit) { return edit.m_hWnd == window; });
}

void LightingPage::ApplyTypedColour() {
  const int red = TypedComponent(colourEdits_[0].GetWindowText());
  const int green = TypedComponent(colourEdits_[1].GetWindowText());
  const int blue = TypedComponent(colourEdits_[2].GetWindowText());
  ProfileRecord& p = ctx_.profile();
  std::fill(std::begin(p.lightColor), std::end(p.lightColor),
            static_cast<Colour>(red + green * 256 + blue * 65536));
  InvalidateRect(ctx_.window, &preview_, FALSE);
}

Changes LightingPage::OnSlider(int id, int value) {
  if (id == 10003) {
    brightness_.SetSliderPos(value);
    ctx_.profile().lightBright = value;
  } else if (id == 10004) {
    speed_.SetSliderPos(value);
    ctx_.profile().lightSpeed = value;
  }
  return kNothingChanged;
}

Changes LightingPage::OnEffectPick(int) { return kNothingChanged; }

bool LightingPage::OnClick(POINT) { return false; }

void LightingPage::RefreshCyclePair() {
  const ProfileRecord& p = ctx_.profile();
  const bool pair =
      ctx_.page == PAGE_LIGHTING && LightingModeOf(p.lightType) == LightingMode::kColourOrCycle;
  Show(cycleOn_, pair && p.cycleEnable == 0);
  Show(cycleOff_, pair && p.cycleEnable != 0);
  effect_.EnableWindow(p.enableLight != 0);
  speed_.EnableWindow(p.enableLight != 0);
}

void LightingPage::ShowColourEdits(bool shown) {
  for (CClrEdit& edit : colourEdits_) Show(edit, shown);
}
