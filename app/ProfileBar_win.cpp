#include "app/ProfileBar_win.h"

#include <filesystem>
#include <string>

#include "app/FileDialogs_win.h"
#include "app/SkinBuilder_win.h"
#include "controls/BtnMenu_win.h"
#include "dialogs/WarnDlg_win.h"
#include "settings/ProfileFiles.h"
#include "settings/Utf.h"
#include "settings/WideText_win.h"
#include "skin/LanguageTable.h"
#include "skin/ProgramPaths_win.h"

namespace {

constexpr int kFirstProfilePick = 16;
constexpr int kRenamePick = 48;
constexpr int kImportPick = 49;
constexpr int kExportPick = 50;
constexpr int kMenuRowHeight = 25;
constexpr int kMenuCaptionOffset = 5;
// The edit menu hangs from the right part of its button.
constexpr int kEditMenuFromRight = 83;
constexpr int kEditMenuTopMargin = 5;
// Room the name edit leaves for the drop-down's arrow, and before the text.
constexpr int kNameEditLeftMargin = 5;
constexpr int kNameEditRightMargin = 31;

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

std::wstring MenuImage(const wchar_t* name, const wchar_t* suffix) {
  return Paths().programFolder + L"Skins\\Menu\\" + name + suffix;
}

// The profile files' dialogs: INI files, starting on the desktop.
FileDialogSpec ProfileFileDialog(DWORD options) {
  return FileDialogSpec{L"Configure File(*.ini)\0*.ini\0", L"ini", L"*.ini", DesktopFolder(),
                        options};
}

bool HasVisibleStyle(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
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
    nameEdit_.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                          MAKELPARAM(kNameEditLeftMargin, kNameEditRightMargin));
  }
  const std::wstring selectorMask = Paths().programFolder + L"skins\\SYNC_Btn_Mask2.bmp";
  for (int i = 0; i < kMaxProfiles; ++i) {
    builder.SheetButton2(InventoryOf(Ctl::kProfilePicture, i), pictures_[i]);
    builder.SheetButton2(InventoryOf(Ctl::kProfileSelector, i), selectors_[i]);
    selectors_[i].SetMaskRegion(selectorMask);
  }
  for (int i = 0; i < kMaxProfiles; ++i)
    nameRects_[i] = builder.SheetButton(InventoryOf(Ctl::kProfileName, i), names_[i]);
  // A rebuild gives the buttons the skin's captions: the profiles' names
  // replace them at once, also when the screen is completed after the first
  // paint.
  if (builder.firstBuild())
    MarkCurrent();
  else
    Refresh();
}

void ProfileBar::Route(MainRouter& router) {
  for (int i = 0; i < kMaxProfiles; ++i) {
    router.Add(pictures_[i], [this, i](const CommandContext& c) { return OnPicture(i, c); });
    router.Add(names_[i], [this, i](const CommandContext& c) { return OnName(i, c); });
  }
  // A second click on a drop-down button only closes its menu.
  router.Add(profileMenu_, [this](const CommandContext& c) {
    if (c.IsClick() && !c.popupWasOpen) OpenProfileMenu();
    return kNothingChanged;
  });
  router.Add(editMenu_, [this](const CommandContext& c) {
    if (c.IsClick() && !c.popupWasOpen) OpenEditMenu();
    return kNothingChanged;
  });
  // Only a click acts: the double click that follows a click is no second command.
  const auto onClick = [](Changes (ProfileBar::*action)(), ProfileBar* bar) {
    return [action, bar](const CommandContext& c) {
      return c.IsClick() ? (bar->*action)() : kNothingChanged;
    };
  };
  router.Add(addProfile_, onClick(&ProfileBar::AddProfile, this));
  router.Add(deleteProfile_, onClick(&ProfileBar::DeleteProfile, this));
  router.Add(importProfile_, onClick(&ProfileBar::ImportProfile, this));
  router.Add(exportProfile_, onClick(&ProfileBar::ExportProfile, this));
}

void ProfileBar::ShowPage(const PageView& view) {
  const bool buttons = view.Shows(ShownOn::kButtonsPage);
  // The drop-down stays hidden while the name edit stands in its place.
  if (renamed_ != profileMenu_.GetSafeHwnd() || !HasVisibleStyle(nameEdit_))
    Show(profileMenu_, buttons);
  Show(editMenu_, buttons);
  Show(deleteProfile_, buttons);
  Show(addProfile_, buttons);
}

void ProfileBar::Refresh() {
  MouseConfig& config = ctx_.config();
  NameUnnamedProfiles(config, GetFuncString(kTextProfileWord));
  for (int k = 0; k < kMaxProfiles; ++k) {
    const bool inUse = IsProfileInUse(config, k);
    // Rows beyond the profiles in use show as empty entries.
    const std::wstring name = inUse ? Wide(FixedText(config.profiles[k].name)) : std::wstring();
    names_[k].SetButtonText(name);
    names_[k].SetTipText(name, inUse);
    const std::wstring picture = inUse ? PictureOf(config.profiles[k]) : std::wstring();
    // Each file is decoded once, when it is first shown.
    if (picture != shownPictures_[k]) ShowPicture(k, picture);
  }
  // The drop-down names the profile being edited.
  profileMenu_.SetButtonText(Wide(FixedText(ctx_.profile().name)));
  MarkCurrent();
}

void ProfileBar::ShowPicture(int row, const std::wstring& path) {
  shownPictures_[row] = path;
  pictures_[row].SetImageFile(path);
}

void ProfileBar::MarkCurrent() {
  for (int k = 0; k < kMaxProfiles; ++k) selectors_[k].SetCheck(k == ctx_.config().header.current);
}

void ProfileBar::UpdateHover(POINT screenPoint) {
  const MouseConfig& config = ctx_.config();
  for (int k = 0; k < kMaxProfiles; ++k) {
    RECT picture{}, name{};
    GetWindowRect(pictures_[k], &picture);
    GetWindowRect(names_[k], &name);
    const bool lit =
        IsProfileInUse(config, k) && (Contains(picture, screenPoint) ||
                                      Contains(name, screenPoint) || k == config.header.current);
    names_[k].SetHover(lit);
  }
}

Changes ProfileBar::OnPicture(int row, const CommandContext& command) {
  MouseConfig& config = ctx_.config();
  if (command.popupWasOpen || !IsProfileInUse(config, row)) return kNothingChanged;
  if (command.IsClick()) {
    if (row == config.header.current) return kNothingChanged;
    config.header.current = row;
    return kProfilesChanged;
  }
  // The click before a double click has made another row the current one.
  if (command.IsDoubleClick() && row == config.header.current) ChoosePicture(row);
  return kNothingChanged;
}

void ProfileBar::ChoosePicture(int row) {
  const std::wstring path = ChoosePictureFile(ctx_.window);
  if (path.empty()) return;
  ProfileRecord& profile = ctx_.config().profiles[row];
  SetFixedText(profile.syncPath, U16(path));
  // Shown at once, and decoded again even when the path is the one shown.
  ShowPicture(row, PictureOf(profile));
  pictures_[row].EnableWindow(TRUE);
}

Changes ProfileBar::OnName(int row, const CommandContext& command) {
  const MouseConfig& config = ctx_.config();
  if (!command.IsDoubleClick() || command.popupWasOpen || row != config.header.current ||
      !IsProfileInUse(config, row))
    return kNothingChanged;
  const RECT& name = nameRects_[row];
  BeginRename(names_[row], RECT{name.left, name.top - 2, name.right, name.bottom + 2}, true);
  return kNothingChanged;
}

void ProfileBar::BeginRename(CBitmapBtn& covered, const RECT& area, bool flagRenaming) {
  // The caption lives in the button object, not in the window text.
  const std::wstring text = covered.GetButtonText();
  covered.ShowWindow(SW_HIDE);
  renamed_ = covered.GetSafeHwnd();
  nameEdit_.MoveWindow(area, TRUE);
  nameEdit_.SetWindowText(text);
  nameEdit_.ShowWindow(SW_SHOW);
  nameEdit_.SendMessage(EM_SETSEL, 0, -1);
  nameEdit_.SendMessage(EM_SCROLLCARET);
  SetFocus(nameEdit_);
  ctx_.renaming = flagRenaming;
}

Changes ProfileBar::FinishRename(bool commit) {
  if (!HasVisibleStyle(nameEdit_)) return kNothingChanged;
  ::ShowWindow(renamed_, SW_SHOW);
  ctx_.renaming = false;
  nameEdit_.ShowWindow(SW_HIDE);
  if (!commit) return kNothingChanged;
  const RenameOutcome outcome = CheckProfileRename(ctx_.config(), U16(nameEdit_.GetWindowText()));
  if (outcome.warning != kAccepted) {
    ShowWarning(outcome.warning);
    return kNothingChanged;
  }
  if (!outcome.changes) return kNothingChanged;
  ProfileRecord& profile = ctx_.profile();
  SetFixedText(profile.name, outcome.name);
  // An empty name gets the default name from the refresh.
  if (outcome.name.empty()) return kProfilesChanged;
  const std::wstring stored = Wide(FixedText(profile.name));
  profileMenu_.SetButtonText(stored);
  CBitmapBtn& row = names_[ctx_.config().header.current];
  row.SetButtonText(stored);
  row.SetTipText(stored, true);
  row.Invalidate();
  return kNothingChanged;
}

void ProfileBar::OpenProfileMenu() {
  const MouseConfig& config = ctx_.config();
  CBtnMenu* menu = NewDropDownMenu(ctx_.window, L"Profile", profileMenu_);
  menu->SetTextLayout(kAlignLeft, kMenuCaptionOffset);
  menu->SetRowHeight(kMenuRowHeight);
  for (int k = 0; k < config.header.totle && k < kMaxProfiles; ++k) {
    std::u16string caption(FixedText(config.profiles[k].name));
    if (caption.empty()) caption = GetFuncString(kTextProfileWord) + u" " + DecimalText(k + 1);
    menu->AddMenuItem(Wide(caption), kFirstProfilePick + k);
  }
  menu->CreateMenu(ctx_.window);
  menu->ShowMenu(SW_SHOWNOACTIVATE);
}

void ProfileBar::OpenEditMenu() {
  RECT button{};
  GetWindowRect(editMenu_, &button);
  const std::wstring normal = MenuImage(L"Profile_Edit", L"_menu_normal.jpg");
  const std::wstring over = MenuImage(L"Profile_Edit", L"_menu_over.jpg");
  CBtnMenu* menu = NewPopupMenu(ctx_.window);
  menu->SetMenuImages(normal, over, over, normal, MenuImage(L"Profile_Edit", L"_menu.bmp"), false);
  menu->SetMenuPosition(button.right - kEditMenuFromRight, button.bottom);
  menu->SetTextLayout(kAlignLeft, kMenuCaptionOffset);
  menu->SetRowHeight(kMenuRowHeight);
  menu->SetMargins(0, kEditMenuTopMargin);
  for (int value : {kRenamePick, kImportPick, kExportPick})
    menu->AddMenuItem(Wide(GetFuncString(value)), value);
  menu->CreateMenu(ctx_.window);
  menu->ShowMenu(SW_SHOWNOACTIVATE);
}

Changes ProfileBar::OnProfilePick(int value) {
  const int index = value - kFirstProfilePick;
  MouseConfig& config = ctx_.config();
  if (!IsProfileInUse(config, index) || index == config.header.current) return kNothingChanged;
  config.header.current = index;
  return kProfilesChanged;
}

Changes ProfileBar::OnEditPick(int value) {
  switch (value) {
    case kRenamePick:
      BeginRename(profileMenu_, profileMenu_.GetRectInParent(), false);
      return kNothingChanged;
    case kImportPick:
      if (ctx_.config().header.totle >= kMaxProfiles) {
        ShowWarning(kWarnProfilesFull);
        return kNothingChanged;
      }
      return ImportProfile();
    case kExportPick:
      return ExportProfile();
    default:
      return kNothingChanged;
  }
}

Changes ProfileBar::AddProfile() {
  const Warning refused = ctx_.settings.AddProfile(GetFuncString(kTextProfileWord));
  if (refused != kAccepted) {
    ShowWarning(refused);
    return kNothingChanged;
  }
  return kProfilesChanged;
}

Changes ProfileBar::DeleteProfile() {
  ctx_.settings.DeleteProfile();
  return kProfilesChanged;
}

Changes ProfileBar::ImportProfile() {
  const std::wstring path = ShowOpenDialog(ctx_.window, ProfileFileDialog(OFN_FILEMUSTEXIST));
  if (path.empty() || !ImportProfileFile(ctx_.settings, std::filesystem::path(path)))
    return kNothingChanged;
  // The settings file was reloaded: the libraries and the background follow it.
  return kProfilesChanged | kLibrariesChanged | kBackgroundChanged;
}

Changes ProfileBar::ExportProfile() {
  const std::wstring path =
      ShowSaveDialog(ctx_.window, ProfileFileDialog(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
  if (!path.empty()) WriteProfileFile(std::filesystem::path(path), ctx_.profile());
  return kNothingChanged;
}

void ProfileBar::ShowWarning(int message) {
  CWarnDlg warning(CWnd::FromHandle(ctx_.window));
  warning.m_nMessage = message;
  warning.DoModal();
}
