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
#include "skin/SharedPictures_win.h"
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
  SIZE size{};
  UniqueRegion outline;
  const std::u16string name = ReadSkinValue(u"MOUSESCREEN", u"Mask");
  if (!name.empty() && IsSkinRelativeName(name))
    outline = SharedOutline(SkinsFolder() + Wide(name), &size);
  if (size.cx > 0 && size.cy > 0) {
    windowSize_ = size;
    if (!built_)
      SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyWindowOutline(window_, std::move(outline));
  if (!ball_) ball_ = CopyBitmap(SharedAlphaPng(SkinsFolder() + L"ball.png"));
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

void SkinBuilder::LoadSheets(Screen screen, bool mainAndDown, bool overAndDisabled) {
  const std::u16string_view section = SectionOf(screen);
  UniqueBitmap& main = HeldSheet(screen);
  if (mainAndDown) {
    main = LoadScreenSheet(section, u"Main");
    sheets_.down = LoadScreenSheet(section, u"Down");
  }
  sheets_.main = main.get();
  if (overAndDisabled) {
    sheets_.over = LoadScreenSheet(section, u"Over");
    sheets_.disabled = LoadScreenSheet(section, u"Disabled");
  }
}

void SkinBuilder::BeginScreen(Screen screen, bool complete) {
  ReleaseSheets();
  screen_ = screen;
  complete_[static_cast<int>(screen)] = complete;
  // A rebuild gives every face now.
  if (complete)
    std::erase_if(missing_, [screen](const MissingFaces& m) { return m.screen == screen; });
  // The library page shows the lighting page's background.
  if (screen == Screen::kLists) return;
  if (complete) {
    LoadSheets(screen, true, true);
    return;
  }
  // The first paint shows the buttons page: its Main and Down sheets only.
  if (screen == Screen::kMouse) LoadSheets(screen, true, false);
}

std::optional<Screen> SkinBuilder::NextIncompleteScreen() const {
  for (Screen screen : {Screen::kMouse, Screen::kLight, Screen::kSensi, Screen::kLists})
    if (!IsComplete(screen)) return screen;
  return std::nullopt;
}

void SkinBuilder::CompleteScreen(Screen screen) {
  ReleaseSheets();
  screen_ = screen;
  // The buttons page's controls have their Main and Down faces from the first build.
  const bool firstPage = screen == Screen::kMouse;
  if (screen != Screen::kLists) LoadSheets(screen, !firstPage, true);
  HBITMAP main = firstPage ? nullptr : sheets_.main;
  HBITMAP down = firstPage ? nullptr : sheets_.down.get();
  for (MissingFaces& missing : missing_) {
    if (missing.screen != screen) continue;
    if (missing.button && missing.facesFromMain)
      missing.button->LoadStateImages(sheets_.main, sheets_.main, sheets_.main, sheets_.main,
                                      missing.rect);
    else if (missing.button)
      missing.button->LoadStateImages(main, sheets_.over.get(), down, sheets_.disabled.get(),
                                      missing.rect);
    if (missing.button2)
      missing.button2->LoadStateImages(main, sheets_.over.get(), down, sheets_.disabled.get(),
                                       missing.rect);
    if (missing.imageButton) GiveImageFaces(*missing.imageButton, missing.entry);
  }
  std::erase_if(missing_, [screen](const MissingFaces& m) { return m.screen == screen; });
  complete_[static_cast<int>(screen)] = true;
  ReleaseSheets();
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
  const bool fromMain = entry.Has(kOptFacesFromMain);
  if (fromMain)
    button.LoadStateImages(sheets_.main, sheets_.main, sheets_.main, sheets_.main, rect);
  else
    button.LoadStateImages(sheets_.main, sheets_.over.get(), sheets_.down.get(),
                           sheets_.disabled.get(), rect);
  // A label of a screen whose Main sheet is not read yet gets its faces too.
  if (!PlacesWholeFaces() && !(fromMain && sheets_.main))
    missing_.push_back(
        MissingFaces{screen_, &button, nullptr, nullptr, rect, SkinEntry{}, fromMain});
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
  if (!PlacesWholeFaces())
    missing_.push_back(MissingFaces{screen_, nullptr, &button, nullptr, rect, SkinEntry{}});
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
  // The first paint needs only the buttons page's faces.
  if (built_ || screen_ == Screen::kMouse)
    GiveImageFaces(button, skin);
  else
    missing_.push_back(MissingFaces{screen_, nullptr, nullptr, &button, rect, skin});
  button.MoveWindow(rect);
  button.SetButtonText(Wide(skin.text), 0);
  button.SetTipText(Wide(skin.text), false);
  const std::wstring base =
      IsSkinRelativeName(skin.name) ? SkinsFolder() + Wide(skin.name) : std::wstring();
  if (!base.empty() && FileExists(base + L"_mask.bmp")) button.SetMaskRegion(base + L"_mask.bmp");
  return rect;
}

void SkinBuilder::GiveImageFaces(CPngListBtn& button, const SkinEntry& skin) {
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
      faces[i] = CopyBitmap(SharedAlphaPng(useOwn ? own : base + suffixes[0]));
    }
  }
  button.SetStateImages(std::move(faces[0]), std::move(faces[1]), std::move(faces[2]),
                        std::move(faces[3]));
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
  // The tracks are the window's backdrop under the slider, given with it.
  slider.SetThumbImages(ball_.get(), nullptr, false);
  slider.SetSliderRange(entry.minimum, entry.maximum);
  return rect;
}
