#include "app/ProfileBar_win.h"

#include <string>

#include "app/SkinBuilder_win.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"

namespace {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The profile's own picture when it names an existing file, else the default.
std::wstring PictureOf(const ProfileRecord& profile) {
  const std::wstring own = Wide(FixedText(profile.syncPath));
  if (!own.empty() && FileExists(own)) return own;
  return Paths().programFolder + L"skins\\DefaultPic\\ProfileDef.jpg";
}

}  // namespace

void ProfileBar::Build(SkinBuilder& builder, Screen screen) {
  if (screen != Screen::kMouse) return;
  builder.SheetButton(InventoryOf(Ctl::kProfileMenu), profileMenu_);
  builder.SheetButton(InventoryOf(Ctl::kProfileEditMenu), editMenu_);
  builder.SheetButton(InventoryOf(Ctl::kDeleteProfile), deleteProfile_);
  builder.SheetButton(InventoryOf(Ctl::kAddProfile), addProfile_);
  builder.SheetButton(InventoryOf(Ctl::kImportProfile), importProfile_);
  builder.SheetButton(InventoryOf(Ctl::kExportProfile), exportProfile_);
  if (builder.firstBuild()) {
    const RECT over = builder.Rectangle(InventoryOf(Ctl::kProfileNameEdit));
    nameEdit_.Create(0x40801080, over, ctx_.window, 0);
    nameEdit_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(ctx_.font21.get()), FALSE);
  }
  const std::wstring selectorMask = Paths().programFolder + L"skins\\SYNC_Btn_Mask2.bmp";
  for (int i = 0; i < kMaxProfiles; ++i) {
    builder.SheetButton2(InventoryOf(Ctl::kProfilePicture, i), pictures_[i]);
    builder.SheetButton2(InventoryOf(Ctl::kProfileSelector, i), selectors_[i]);
    selectors_[i].SetMaskRegion(selectorMask);
  }
  for (int i = 0; i < kMaxProfiles; ++i)
    nameRects_[i] = builder.SheetButton(InventoryOf(Ctl::kProfileName, i), names_[i]);
  MarkCurrent();
}

void ProfileBar::Route(MainRouter& router) {
  for (int i = 0; i < kMaxProfiles; ++i) {
    router.Add(pictures_[i], [this, i](const CommandContext& c) -> Changes {
      MouseConfig& config = ctx_.config();
      // Only profiles in use can become the current one.
      if (c.popupWasOpen || !c.IsClick() || i >= config.header.totle) return kNothingChanged;
      if (i == config.header.current) return kNothingChanged;
      config.header.current = i;
      return kProfilesChanged;
    });
  }
}

void ProfileBar::ShowPage(const PageView& view) {
  const bool buttons = view.Shows(ShownOn::kButtonsPage);
  Show(profileMenu_, buttons);
  Show(editMenu_, buttons);
  Show(deleteProfile_, buttons);
  Show(addProfile_, buttons);
}

void ProfileBar::Refresh() {
  MouseConfig& config = ctx_.config();
  NameUnnamedProfiles(config, GetFuncString(kTextProfileWord));
  for (int k = 0; k < kMaxProfiles; ++k) {
    const bool inUse = k < config.header.totle;
    // Rows beyond the profiles in use show as empty entries.
    const std::wstring name = inUse ? Wide(FixedText(config.profiles[k].name)) : std::wstring();
    names_[k].SetButtonText(name);
    names_[k].SetTipText(name, inUse);
    pictures_[k].SetImageFile(inUse ? PictureOf(config.profiles[k]) : std::wstring());
  }
  MarkCurrent();
}

void ProfileBar::MarkCurrent() {
  for (int k = 0; k < kMaxProfiles; ++k) selectors_[k].SetCheck(k == ctx_.config().header.current);
}

void ProfileBar::UpdateHover(POINT screenPoint) {
  for (int k = 0; k < kMaxProfiles; ++k) {
    RECT picture{}, name{};
    GetWindowRect(pictures_[k], &picture);
    GetWindowRect(names_[k], &name);
    const bool lit = Contains(picture, screenPoint) || Contains(name, screenPoint) ||
                     k == ctx_.config().header.current;
    names_[k].SetHover(lit);
  }
}

Changes ProfileBar::FinishRename(bool commit) {
  if (!nameEdit_.IsWindowVisible()) return kNothingChanged;
  ctx_.renaming = false;
  nameEdit_.ShowWindow(SW_HIDE);
  return kNothingChanged;
}

Changes ProfileBar::OnProfilePick(int value) {
  const int index = value - 16;
  MouseConfig& config = ctx_.config();
  if (index < 0 || index >= config.header.totle || index == config.header.current)
    return kNothingChanged;
  config.header.current = index;
  return kProfilesChanged;
}

Changes ProfileBar::OnEditPick(int) { return kNothingChanged; }
