#include "app/WindowBar_win.h"

#include "app/FileDialogs_win.h"
#include "app/SkinBuilder_win.h"
#include "device/ServiceLink.h"
#include "dialogs/Preference_win.h"
#include "dialogs/WarnDlg_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"

void WindowBar::Build(SkinBuilder& builder, Screen screen) {
  if (screen == Screen::kLight) {
    builder.SheetButton(InventoryOf(Ctl::kReset), reset_);
    builder.SheetButton(InventoryOf(Ctl::kBackground), background_);
    return;
  }
  if (screen != Screen::kMouse) return;
  const bool first = builder.firstBuild();
  builder.SheetButton(InventoryOf(Ctl::kTitle), title_);
  if (first) title_.SetFontHeight(21);
  builder.ImageButton(InventoryOf(Ctl::kPreferences), preferences_);
  if (first) preferences_.SetTextColors(RGB(255, 255, 255), 0x363636);
  builder.SheetButton(InventoryOf(Ctl::kMinimise), minimise_);
  builder.SheetButton(InventoryOf(Ctl::kClose), close_);
  for (int i = 0; i < kTabCount; ++i) {
    builder.SheetButton(InventoryOf(Ctl::kTab, i), tabs_[i]);
    if (first) tabs_[i].ClearTextMargins();
    tabs_[i].SetFontHeight(TabFontHeight(ctx_.lanId()));
  }
  builder.SheetButton(InventoryOf(Ctl::kApplyAndClose), applyAndClose_);
  builder.SheetButton(InventoryOf(Ctl::kApply), apply_);
  builder.SheetButton(InventoryOf(Ctl::kCloseButton), closeButton_);
  logo_.Load(u"MAIN_PIC", u"LOGO", u"skins\\DefaultPic\\");
}

void WindowBar::Route(MainRouter& router) {
  for (int i = 0; i < kTabCount; ++i)
    router.Add(tabs_[i], [this, i](const CommandContext&) { return SwitchToTab(i); });
  router.Add(preferences_, [this](const CommandContext&) { return OpenPreferences(); });
  router.Add(minimise_, [this](const CommandContext&) {
    ShowWindow(ctx_.window, SW_MINIMIZE);
    return kNothingChanged;
  });
  const auto close = [this](const CommandContext&) {
    ctx_.host.EndMainDialog(IDCANCEL);
    return kNothingChanged;
  };
  router.Add(close_, close);
  router.Add(closeButton_, close);
  router.Add(applyAndClose_, [this](const CommandContext&) {
    ctx_.host.ApplySettings();
    ctx_.host.EndMainDialog(IDOK);
    return kNothingChanged;
  });
  router.Add(apply_, [this](const CommandContext&) {
    ctx_.host.ApplySettings();
    return static_cast<Changes>(kProfilesChanged);
  });
  router.Add(reset_, [this](const CommandContext&) { return ResetCurrentProfile(); });
  router.Add(background_, [this](const CommandContext&) { return ChooseBackground(); });
}

void WindowBar::ShowPage(const PageView& view) {
  Show(reset_, view.Shows(ShownOn::kLightingPage));
  Show(background_, view.Shows(ShownOn::kLightingPage));
}

void WindowBar::MarkTab(int page) {
  for (int i = 0; i < kTabCount; ++i) tabs_[i].SetCheck(kPageOfTab[i] == page);
}

void WindowBar::Paint(HDC dc) { logo_.Draw(dc); }

Changes WindowBar::SwitchToTab(int tab) {
  if (kPageOfTab[tab] == ctx_.page) return kNothingChanged;
  ctx_.page = kPageOfTab[tab];
  return kPageSwitched;
}

Changes WindowBar::OpenPreferences() {
  ConfigHeader& header = ctx_.config().header;
  const int before = header.lanId;
  bool shownInAnother = false;
  CPreference dialog(CWnd::FromHandle(ctx_.window));
  dialog.m_languageIndex = before;
  dialog.onLanguageChanged = [&](int index) {
    // The window shows the picked language at once, tab fonts included; the
    // settings keep it only after OK, and the file only after the next apply.
    header.lanId = index;
    shownInAnother = true;
    ctx_.host.RefreshMainWindow();
  };
  const bool ok = dialog.DoModal() == IDOK;
  header.lanId = ok ? dialog.m_languageIndex : before;
  SelectSkinFile(Paths().programFolder, header.lanId);
  if (!shownInAnother && header.lanId == before) {
    InvalidateRect(ctx_.window, nullptr, FALSE);
    return kNothingChanged;
  }
  return kLanguageChanged;
}

Changes WindowBar::ResetCurrentProfile() {
  CWarnDlg confirm(CWnd::FromHandle(ctx_.window));
  confirm.m_nMessage = kWarnConfirmReset;
  if (confirm.DoModal() != IDOK) return kNothingChanged;
  ResetProfile(ctx_.profile());
  ctx_.config().header.bgPath[0] = u'\0';
  // The file is not written: the next apply stores the defaults.
  NotifyService(UM_SERVICE_RESET);
  return kPagesChanged | kBackgroundChanged;
}

Changes WindowBar::ChooseBackground() {
  // Cancelling the chooser also clears the path: the default background returns.
  const std::wstring path = ChoosePictureFile(ctx_.window);
  SetFixedText(ctx_.config().header.bgPath, U16(path));
  return kBackgroundChanged;
}
