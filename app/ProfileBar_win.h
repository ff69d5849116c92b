// The profile bar: six rows of picture, selector and name, the profile
// drop-down and edit menu, add, delete, import and export, and the name edit
// for renaming in place.
#pragma once

#include <string>

#include "app/MainArea_win.h"
#include "controls/BitmapBtn2_win.h"
#include "controls/BitmapBtn_win.h"
#include "controls/ClrEdit_win.h"

class ProfileBar : public MainArea {
 public:
  using MainArea::MainArea;

  void Build(SkinBuilder& builder, Screen screen) override;
  void Route(MainRouter& router) override;
  void ShowPage(const PageView& view) override;

  // Names (default names for unnamed profiles), pictures, the drop-down's
  // caption and the selector of the current profile. Rows beyond the profiles
  // in use show nothing.
  void Refresh();
  // Exactly the current profile's selector is checked.
  void MarkCurrent();
  // Timer 5: a row's name button is lit while the pointer is over its picture
  // or name, and always for the current profile.
  void UpdateHover(POINT screenPoint);

  // A profile picked in the drop-down (16 + index) and an edit-menu command (48..63).
  Changes OnProfilePick(int value);
  Changes OnEditPick(int value);

  HWND nameEdit() const { return nameEdit_; }
  // Ends an in-place rename; `commit` keeps the typed name unless another
  // profile has it.
  Changes FinishRename(bool commit);

 private:
  Changes OnPicture(int row, const CommandContext& command);
  Changes OnName(int row, const CommandContext& command);
  void OpenProfileMenu();
  void OpenEditMenu();
  Changes AddProfile();
  Changes DeleteProfile();
  Changes ImportProfile();
  Changes ExportProfile();
  void ChoosePicture(int row);
  // Shows the name edit with the caption of `covered` over `area` (client
  // coordinates), hiding `covered` until the rename ends.
  void BeginRename(CBitmapBtn& covered, const RECT& area, bool flagRenaming);
  void ShowPicture(int row, const std::wstring& path);
  void ShowWarning(int message);

  CBitmapBtn profileMenu_;
  CBitmapBtn editMenu_;
  CBitmapBtn deleteProfile_;
  CBitmapBtn addProfile_;
  CBitmapBtn importProfile_;
  CBitmapBtn exportProfile_;
  CClrEdit nameEdit_;
  HWND renamed_ = nullptr;  // the control the name edit covers
  CBitmapBtn2 pictures_[kMaxProfiles];
  std::wstring shownPictures_[kMaxProfiles];  // the file each picture shows
  CBitmapBtn2 selectors_[kMaxProfiles];
  CBitmapBtn names_[kMaxProfiles];
  RECT nameRects_[kMaxProfiles]{};
};
