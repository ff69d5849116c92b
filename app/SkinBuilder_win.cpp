#include "app/SkinBuilder_win.h"

#include <algorithm>

#include "app/PageIds.h"
#include "controls/BitmapBtn2_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ListBtn_win.h"
#include "controls/SliderBar_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinImages_win.h"

namespace {

std::wstring SkinsFolder() { return Paths().programFolder + L"skins\\"; }

std::u16string_view SectionOf(Screen screen) {
  switch (screen) {
    case Screen::kLight:
      return u"LIGHTSCREEN";
    case Screen::kSensi:
      return u"SENSISCREEN";
    default:
      return u"MOUSESCREEN";
  }
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeCaptionsWhite(CBitmapBtn& button) {
  button.SetTextColors(RGB(255, 255, 255), RGB(255, 255, 255));
  button.SetHoverColor(RGB(255, 255, 255));
  button.ResetPressedColor();
  button.SetTextAlign(kAlignLeft);
}

}  // namespace

void SkinBuilder::ShapeWindow() {
  UniqueBitmap mask;
  SIZE size{};
  const std::u16string name = ReadSkinValue(u"MOUSESCREEN", u"Mask");
  if (!name.empty() && IsSkinRelativeName(name))
    LoadPictureFile(SkinsFolder() + Wide(name), mask, &size);
  if (mask) windowSize_ = size;
  if (!built_ && mask)
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyWindowOutline(window_, mask.get());
  if (!ball_) LoadAlphaPng(SkinsFolder() + L"ball.png", ball_);
}

UniqueBitmap& SkinBuilder::HeldSheet(Screen screen) {
  switch (screen) {
    case Screen::kLight:
      return lightSheet_;
    case Screen::kSensi:
      return sensiSheet_;
    default:
      return mouseSheet_;
  }
}

void SkinBuilder::BeginScreen(Screen screen, bool complete) {
  ReleaseSheets();
  screen_ = screen;
  complete_[static_cast<int>(screen)] = complete;
  if (screen == Screen::kLists) {
    // The library page shows a second copy of the lighting page's background.
    if (complete) librarySheet_ = CopyBitmap(lightSheet_.get());
    return;
  }
  if (!complete && screen != Screen::kMouse) return;
  const std::u16string_view section = SectionOf(screen);
  UniqueBitmap& main = HeldSheet(screen);
  main = LoadScreenSheet(section, u"Main");
  sheets_.main = main.get();
  sheets_.down = LoadScreenSheet(section, u"Down");
  if (!complete) return;
  sheets_.over = LoadScreenSheet(section, u"Over");
  sheets_.disabled = LoadScreenSheet(section, u"Disabled");
}

void SkinBuilder::ReleaseSheets() {
  sheets_.main = nullptr;
  sheets_.over.reset();
  sheets_.down.reset();
  sheets_.disabled.reset();
}

HBITMAP SkinBuilder::PageSheet(int page) const {
  switch (page) {
    case PAGE_SENSITIVITY:
      return sensiSheet_.get();
    case PAGE_LIBRARY:
      return librarySheet_.get();
    case PAGE_LIGHTING:
      return lightSheet_.get();
    default:
      return mouseSheet_.get();
  }
}

SkinEntry SkinBuilder::EntryOf(const InventoryEntry& entry) const {
  return ParseSkinEntry(InventoryValue(CurrentSkin(), entry));
}

bool SkinBuilder::Places(const InventoryEntry& entry) const {
  return !built_ || !entry.Has(kOptFirstBuildOnly);
}

RECT SkinBuilder::Rectangle(const InventoryEntry& entry) const {
  return Places(entry) ? RectOf(EntryOf(entry)) : RECT{};
}

RECT SkinBuilder::SheetButton(const InventoryEntry& entry, CBitmapBtn& button) {
  if (!Places(entry)) return RECT{};
  const SkinEntry skin = EntryOf(entry);
  const RECT rect = RectOf(skin);
  if (!built_) {
    button.CreateButton(rect, window_);
    if (entry.Has(kOptWhite)) MakeCaptionsWhite(button);
    if (entry.Has(kOptDisabled)) button.EnableWindow(FALSE);
  } else {
    button.MoveWindow(rect);
  }
  if (entry.Has(kOptFacesFromMain))
    button.LoadStateImages(sheets_.main, sheets_.main, sheets_.main, sheets_.main, rect);
  else
    button.LoadStateImages(sheets_.main, sheets_.over.get(), sheets_.down.get(),
                           sheets_.disabled.get(), rect);
  button.SetButtonText(Wide(skin.text), 0);
  button.SetTipText(Wide(skin.text), true);
  return rect;
}

RECT SkinBuilder::SheetButton2(const InventoryEntry& entry, CBitmapBtn2& button) {
  if (!Places(entry)) return RECT{};
  const SkinEntry skin = EntryOf(entry);
  const RECT rect = RectOf(skin);
  if (!built_)
    button.CreateButton(rect, window_);
  else
    button.MoveWindow(rect);
  button.LoadStateImages(sheets_.main, sheets_.over.get(), sheets_.down.get(),
                         sheets_.disabled.get(), rect);
  return rect;
}

RECT SkinBuilder::ImageButton(const InventoryEntry& entry, CPngListBtn& button) {
  if (!Places(entry)) return RECT{};
  const SkinEntry skin = EntryOf(entry);
  const RECT rect = RectOf(skin);
  if (!built_) {
    button.CreateButton(rect, window_);
    if (entry.Has(kOptWhite)) MakeCaptionsWhite(button);
    imageButtons_.push_back(&button);
  }
  // Faces from the entry's own files; a missing state file falls back to the
  // normal one, and the flag asks for the normal one everywhere.
  const std::wstring base =
      IsSkinRelativeName(skin.name) ? SkinsFolder() + Wide(skin.name) : std::wstring();
  UniqueBitmap faces[4];
  const wchar_t* suffixes[] = {L"_normal.png", L"_over.png", L"_down.png", L"_disable.png"};
  if (!base.empty()) {
    for (int i = 0; i < 4; ++i) {
      const std::wstring own = base + suffixes[i];
      const bool useOwn = i == 0 || (!skin.flag && FileExists(own));
      faces[i] = Face(useOwn ? own : base + suffixes[0]);
    }
  }
  button.SetStateImages(std::move(faces[0]), std::move(faces[1]), std::move(faces[2]),
                        std::move(faces[3]));
  button.MoveWindow(rect);
  button.SetButtonText(Wide(skin.text), 0);
  button.SetTipText(Wide(skin.text), false);
  if (!base.empty() && FileExists(base + L"_mask.bmp")) button.SetMaskRegion(base + L"_mask.bmp");
  return rect;
}

UniqueBitmap SkinBuilder::Face(const std::wstring& path) {
  auto found = faces_.find(path);
  if (found == faces_.end()) {
    UniqueBitmap decoded;
    LoadAlphaPng(path, decoded);
    found = faces_.emplace(path, std::move(decoded)).first;
  }
  return CopyBitmap(found->second.get());
}

RECT SkinBuilder::Slider(const InventoryEntry& entry, CPngHSliderBar& slider) {
  if (!Places(entry)) return RECT{};
  const RECT rect = RectOf(EntryOf(entry));
  if (!built_) {
    slider.CreateSlider(rect, window_, entry.controlId);
    sliders_.push_back(&slider);
  } else {
    slider.MoveWindow(rect);
  }
  slider.SetThumbImages(ball_.get(), nullptr, false);
  slider.SetTrackImages(sheets_.main, sheets_.down.get(), rect);
  slider.SetSliderRange(entry.minimum, entry.maximum);
  return rect;
}
