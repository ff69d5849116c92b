#include "app/LightingPage_win.h"

#include <algorithm>
#include <string>

#include "app/SkinBuilder_win.h"
#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ShapeDraw_win.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"

namespace {

constexpr COLORREF kEditBackground = 0x2A2A2A;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kFirstEffect = 64;
constexpr int kLastEffect = 70;
constexpr int kEffectRowHeight = 33;
constexpr int kEffectFontHeight = 17;

}  // namespace

bool CColourFieldBtn::ColourAt(POINT client, COLORREF& colour) const {
  const HBITMAP face = faces_.Get(IsWindowEnabled() ? ButtonFace::kMain : ButtonFace::kDisabled);
  if (!face) return false;
  const UniqueDC memory = UniqueDC::Compatible(nullptr);
  const SelectScope select(memory.get(), face);
  const COLORREF pixel = GetPixel(memory.get(), client.x, client.y);
  if (pixel == CLR_INVALID) return false;
  colour = pixel;
  return true;
}

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
      editRects_[i] = builder.Rectangle(entry);
      // Light digits on the page's dark boxes behind the edits.
      edit.m_textColour = RGB(255, 255, 255);
      edit.m_backgroundColour = kEditBackground;
      edit.Create(0x50002082, editRects_[i], ctx_.window, entry.controlId);
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
  const char16_t* labelKeys[] = {u"3", u"4", u"6"};
  for (int i = 0; i < 3; ++i) labels_[i].Load(u"MOUSE_TEXT", labelKeys[i]);
  cycleLabel_.Load(u"MOUSE_TEXT", u"7");
  headings_[0].Load(u"MOUSE_TEXT", u"2");
  headings_[1].Load(u"MOUSE_TEXT", u"8");
}

void LightingPage::Route(MainRouter& router) {
  router.Add(cycleOn_, [this](const CommandContext&) -> Changes {
    SetCycling(true);
    return kNothingChanged;
  });
  router.Add(cycleOff_, [this](const CommandContext&) -> Changes {
    SetCycling(false);
    return kNothingChanged;
  });
  router.Add(effect_, [this](const CommandContext& c) -> Changes {
    // A click that closed a menu only closes it.
    if (!c.popupWasOpen) OpenEffectMenu();
    return kNothingChanged;
  });
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
  const ProfileRecord& p = ctx_.profile();
  const Colour colour = PreviewColour(p, mode_, selectedSlot_);
  FillRounded(dc, preview_, colour, 4);
  FrameRoundedWhite(dc, preview_, 4);
  if (mode_ == LightingMode::kCycleSlots) {
    for (int i = 0; i < kLevels; ++i) FillSolid(dc, cycleSlots_[i], p.lightCycle[i]);
    if (p.lightColorId >= 0 && p.lightColorId < kLevels)
      FrameRoundedWhite(dc, Grown(cycleSlots_[p.lightColorId], 1), 2);
  }

  picture_.Draw(dc);
  for (const RECT& edit : editRects_) FillSolid(dc, edit, kEditBackground);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kWhite);
  {
    const SelectScope font(dc, CachedFont(18, FW_NORMAL, InterfaceFace()));
    for (const SkinText& label : labels_) label.Draw(dc, DT_WORDBREAK);
    if (cyclePairShown_) cycleLabel_.Draw(dc, DT_WORDBREAK);
  }
  const SelectScope font(dc, CachedFont(21, FW_BOLD, InterfaceFace()));
  for (const SkinText& heading : headings_) heading.Draw(dc, DT_WORDBREAK);
}

void LightingPage::Refresh() {
  const ProfileRecord& p = ctx_.profile();
  effect_.SetButtonText(Wide(GetFuncString(0x40 + p.lightType)));
  brightness_.SetSliderPos(p.lightBright);
  speed_.SetSliderPos(p.lightSpeed);
  // Switched off, the mode is one colour and the edits stay as they are.
  if (p.enableLight == 0)
    mode_ = LightingMode::kOneColour;
  else
    ShowColourEdits(UpdateLightingMode());
  InvalidateColours();
}

bool LightingPage::UpdateLightingMode() {
  mode_ = CurrentLightingMode(ctx_.profile());
  return LightingControlsOf(ctx_.profile(), ctx_.page).colourEdits;
}

void LightingPage::ShowColourEdits(bool shown) {
  for (CClrEdit& edit : colourEdits_) Show(edit, shown);
}

void LightingPage::ShowPreviewInEdits() {
  // While a profile is renamed the edits keep what the user sees.
  if (ctx_.renaming) return;
  const ColourComponents colour = ComponentsOf(PreviewColour(ctx_.profile(), mode_, selectedSlot_));
  const int parts[] = {colour.red, colour.green, colour.blue};
  for (int i = 0; i < 3; ++i) {
    const std::wstring text = std::to_wstring(parts[i]);
    CClrEdit& edit = colourEdits_[i];
    // Rewriting the same text would only move the caret under the user's hands.
    if (!edit.GetSafeHwnd() || edit.GetWindowText() == text) continue;
    edit.SetWindowText(text);
    const LPARAM end = static_cast<LPARAM>(text.size());
    edit.SendMessage(EM_SETSEL, end, end);
    edit.SendMessage(EM_SCROLLCARET);
  }
}

void LightingPage::RefreshCyclePair() {
  const LightingControls controls = LightingControlsOf(ctx_.profile(), ctx_.page);
  mode_ = controls.mode;
  Show(cycleOn_, controls.cycleOn);
  Show(cycleOff_, controls.cycleOff);
  if (controls.cycleLabel() != cyclePairShown_) {
    // The label is drawn with the pair and erased with it.
    cyclePairShown_ = controls.cycleLabel();
    InvalidateRect(ctx_.window, &cycleLabel_.rect(), FALSE);
  }
  effect_.EnableWindow(controls.effectEnabled);
  speed_.EnableWindow(controls.effectEnabled);
  // The mode decides the colour the edits show.
  ShowPreviewInEdits();
}

void LightingPage::SetCycling(bool on) {
  ctx_.profile().cycleEnable = on ? 1 : 0;
  RefreshCyclePair();
  ShowColourEdits(LightingControlsOf(ctx_.profile(), ctx_.page).colourEdits);
}

void LightingPage::InvalidateColours() {
  InvalidateRect(ctx_.window, &area_, FALSE);
  PreviewChanged();
}

void LightingPage::PreviewChanged() {
  InvalidateRect(ctx_.window, &preview_, FALSE);
  ShowPreviewInEdits();
}

bool LightingPage::IsColourEdit(HWND window) const {
  return window && std::any_of(std::begin(colourEdits_), std::end(colourEdits_),
                               [window](const CClrEdit& edit) { return edit.m_hWnd == window; });
}

void LightingPage::ApplyTypedColour() {
  const int red = TypedComponent(U16(colourEdits_[0].GetWindowText()));
  const int green = TypedComponent(U16(colourEdits_[1].GetWindowText()));
  const int blue = TypedComponent(U16(colourEdits_[2].GetWindowText()));
  SetEffectColour(ctx_.profile(), ColourFrom(red, green, blue));
  PreviewChanged();
}

Changes LightingPage::OnSlider(int id, int value) {
  ProfileRecord& p = ctx_.profile();
  if (id == 10003) {
    const LightingMode before = mode_;
    if (value > 0) {
      p.enableLight = 1;
      ShowColourEdits(UpdateLightingMode());
    } else {
      // Brightness 0 switches the lighting off; the edits keep their state.
      p.enableLight = 0;
      mode_ = LightingMode::kOneColour;
    }
    RefreshCyclePair();
    brightness_.SetSliderPos(value);
    p.lightBright = value;
    // The preview and the slots follow the mode.
    if (mode_ != before) InvalidateColours();
  } else if (id == 10004) {
    speed_.SetSliderPos(value);
    p.lightSpeed = value;
  }
  return kNothingChanged;
}

void LightingPage::OpenEffectMenu() {
  CBtnMenu* menu = NewDropDownMenu(ctx_.window, L"Light", effect_);
  menu->SetRowHeight(kEffectRowHeight);
  menu->SetFontHeight(kEffectFontHeight);
  menu->SetTextLayout(kAlignLeft, 5);
  for (int value = kFirstEffect; value <= kLastEffect; ++value)
    menu->AddMenuItem(Wide(GetFuncString(value)), value);
  menu->CreateMenu(ctx_.window);
  menu->ShowMenu(SW_SHOWNOACTIVATE);
}

Changes LightingPage::OnEffectPick(int value) {
  // Only the effects the menu offers: a later value would be no effect at all.
  if (value < kFirstEffect || value > kLastEffect) return kNothingChanged;
  ProfileRecord& p = ctx_.profile();
  p.lightType = value - kFirstEffect;
  effect_.SetButtonText(Wide(GetFuncString(value)));
  InvalidateColours();
  ShowColourEdits(UpdateLightingMode());
  RefreshCyclePair();
  return kNothingChanged;
}

bool LightingPage::OnClick(POINT client) {
  ProfileRecord& p = ctx_.profile();
  const LightingControls controls = LightingControlsOf(p, ctx_.page);
  if (controls.picksColour && Contains(colourFieldRect_, client)) {
    COLORREF colour = 0;
    const POINT inField{client.x - colourFieldRect_.left, client.y - colourFieldRect_.top};
    if (!colourField_.ColourAt(inField, colour)) return false;
    SetEffectColour(p, colour);
    PreviewChanged();
    return true;
  }
  if (controls.picksSlot && Contains(area_, client)) {
    for (int i = 0; i < kLevels; ++i) {
      if (!Contains(cycleSlots_[i], client)) continue;
      selectedSlot_ = i;
      p.lightColorId = i;
      InvalidateColours();
      return true;
    }
    return false;
  }
  if (!controls.picksColour) return false;
  for (int n = 0; n < kSwatches; ++n) {
    if (!Contains(swatchRects_[n], client)) continue;
    SetEffectColour(p, kSwatchColours[n]);
    PreviewChanged();
    return true;
  }
  return false;
}
