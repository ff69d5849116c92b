#include "app/QoxelDlg_win.h"

#include "controls/BtnMenu_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "device/ServiceLaunch_win.h"
#include "device/ServiceLink.h"
#include "framework/Paint_win.h"
#include "framework/ResourceIds.h"
#include "framework/WinApp_win.h"
#include "macro/Libraries.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"

namespace {

// The area ShowPage repaints: the page between the profile bar and the panel.
constexpr RECT kPageArea{421, 155, 1091, 605};
constexpr Screen kScreens[] = {Screen::kMouse, Screen::kLight, Screen::kSensi, Screen::kLists};
// Completes the first build after the first paint, one screen at a time.
constexpr UINT_PTR TIMER_COMPLETE_BUILD = 7;

}  // namespace

CQoxelDlg::CQoxelDlg(SettingsStore& settings, Libraries* libraries)
    : CDialog(IDD_MAIN),
      ctx_(settings, libraries, *this),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM))),
      windowBar_(ctx_),
      profileBar_(ctx_),
      buttonPage_(ctx_),
      sensitivityPage_(ctx_),
      lightingPage_(ctx_),
      libraryPanel_(ctx_),
      areas_{&windowBar_,       &profileBar_,   &buttonPage_,
             &sensitivityPage_, &lightingPage_, &libraryPanel_} {}

CQoxelDlg::~CQoxelDlg() = default;

LRESULT CQoxelDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_TIMER:
      OnTimer(wParam);
      break;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(icon_);
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if (ctx_.page == PAGE_SENSITIVITY) sensitivityPage_.OnMouseMove(PointFromLParam(lParam));
      break;
    case UM_SLIDER_POS:
      return OnSliderPos(wParam, lParam);
    case UM_QUERY:
    case UM_RELOAD_SETTINGS:
    case UM_DPI_LEVEL:
    case UM_RELOAD_SETTINGS_ALT:
    case UM_CLOSE_CONFIG:
    case UM_OSD_CHANGED:
    case UM_SHUTDOWN:
      return OnServiceMessage(message, wParam, lParam);
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CQoxelDlg::OnInitDialog() {
  ctx_.window = m_hWnd;
  builder_.SetWindow(m_hWnd);
  LaunchService(Paths().programFolder);
  SetCurrentDirectoryW(Paths().programFolder.c_str());
  CDialog::OnInitDialog();
  SetWindowText(WidePtr(kMainWindowTitle));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  ctx_.page = PAGE_BUTTONS;
  ReloadSettings();
  BuildMainWindow();
  for (MainArea* area : areas_) area->Route(router_);
  background_.SetPicture(Wide(FixedText(config().header.bgPath)));
  RecutBackdrops(false);
  RefreshProfileBar();
  SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetWindowLongPtrW(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
  SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
  CenterWindow();
  return TRUE;
}

void CQoxelDlg::ReloadSettings() {
  ctx_.settings.Reload();
  if (ctx_.libraries) ctx_.libraries->Reload();
}

void CQoxelDlg::CreateSharedFonts() {
  const std::wstring face = InterfaceFace();
  ctx_.font21 = CreateCaptionFont(21, FW_NORMAL, face);
  ctx_.font18 = CreateCaptionFont(18, FW_NORMAL, face);
}

void CQoxelDlg::BuildMainWindow() {
  const bool first = builder_.firstBuild();
  if (first) SelectSkinFile(Paths().programFolder, config().header.lanId);
  LoadInterfaceFontFace();
  // The shared fonts take the skin's face, known only now.
  if (first) CreateSharedFonts();
  builder_.ShapeWindow();
  // The first build creates every control but reads only what the first page
  // needs; the rest is completed screen by screen once the window is painted.
  for (Screen screen : kScreens) {
    builder_.BeginScreen(screen, !first);
    for (MainArea* area : areas_) area->Build(builder_, screen);
  }
  builder_.ReleaseSheets();
  builder_.Finish();
  background_.Invalidate();
  if (first) SetTimer(TIMER_COMPLETE_BUILD, 0);
}

bool CQoxelDlg::CompleteNextScreen() {
  const std::optional<Screen> screen = builder_.NextIncompleteScreen();
  if (!screen) return false;
  builder_.CompleteScreen(*screen);
  // The page's background is ready before the page is first shown.
  const int page = *screen == Screen::kSensi   ? PAGE_SENSITIVITY
                   : *screen == Screen::kLight ? PAGE_LIGHTING
                                               : PAGE_BUTTONS;
  background_.Composed(builder_.PageSheet(page), ClientSize());
  return true;
}

bool CQoxelDlg::CompleteScreenOf(int page) {
  const Screen needed = page == PAGE_SENSITIVITY ? Screen::kSensi
                        : page == PAGE_LIGHTING  ? Screen::kLight
                        : page == PAGE_LIBRARY   ? Screen::kLists
                                                 : Screen::kMouse;
  bool completed = false;
  while (!builder_.IsComplete(needed) && CompleteNextScreen()) completed = true;
  return completed;
}

void CQoxelDlg::ShowPage(int page) {
  ctx_.page = page;
  // A page asked for before the timer completed its screen is completed now.
  // Before the window is on screen the timer does it, after the first paint.
  if (IsWindowVisible()) CompleteScreenOf(page);
  const PageView view = ViewOfPage(page, ctx_.profile());
  if (view.rowHoverTimer)
    SetTimer(TIMER_ROW_HOVER, kHoverPeriodMs);
  else
    KillTimer(TIMER_ROW_HOVER);
  SetTimer(TIMER_PROFILE_HOVER, kHoverPeriodMs);
  // The page's controls change visibility without repainting anything; the
  // page area and the controls on it are repainted once afterwards.
  {
    const QuietShowScope quiet;
    for (MainArea* area : areas_) area->ShowPage(view);
  }
  windowBar_.MarkTab(page);
  sensitivityPage_.RefreshLevelsAndPolling();
  // Composed now rather than in the paint that shows it.
  background_.Composed(builder_.PageSheet(page), ClientSize());
  RedrawWindow(m_hWnd, &kPageArea, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CQoxelDlg::RefreshProfileBar() {
  libraryPanel_.FillLists();
  // The pages' refresh gives the profile bar its names too: once is enough.
  RefreshPages();
}

void CQoxelDlg::RefreshPages() {
  RefreshAssignments();
  lightingPage_.Refresh();
  sensitivityPage_.Refresh();
  profileBar_.Refresh();
  ShowPage(ctx_.page);
}

void CQoxelDlg::RefreshAssignments() {
  buttonPage_.RefreshAssignmentRows();
  libraryPanel_.RefreshMarkers();
}

void CQoxelDlg::RefreshMainWindow() {
  BuildMainWindow();
  // The picture itself is kept; what is cut from it follows the new sheets.
  RecutBackdrops(false);
  RefreshProfileBar();
  // Every control has new faces and captions; the page switch inside the
  // refresh held drawing off and repaints only the page area.
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CQoxelDlg::SetBackgroundPicture(const std::wstring& path) {
  background_.SetPicture(path);
  RecutBackdrops(true);
  Invalidate();
}

void CQoxelDlg::Refresh(Changes changes) {
  if (changes & kLanguageChanged) {
    RefreshMainWindow();
    return;
  }
  if (changes & kLibrariesChanged && ctx_.libraries) ctx_.libraries->Reload();
  if (changes & kProfilesChanged) {
    RefreshProfileBar();
  } else {
    const bool lists = (changes & (kAssignmentsChanged | kLibrariesChanged)) != 0;
    if (lists) libraryPanel_.FillLists();
    if (changes & kPagesChanged) {
      RefreshPages();
    } else {
      if (lists) RefreshAssignments();
      if (changes & kPageSwitched) ShowPage(ctx_.page);
    }
  }
  if (changes & kBackgroundChanged) SetBackgroundPicture(Wide(FixedText(config().header.bgPath)));
}

void CQoxelDlg::ApplySettings() {
  if (ctx_.libraries) ApplySettingsToFiles(ctx_.settings, *ctx_.libraries);
  NotifyService(UM_SERVICE_APPLY);
}

void CQoxelDlg::EndMainDialog(INT_PTR result) { EndDialog(result); }

BOOL CQoxelDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const CommandContext context = MainRouter::Begin(wParam, lParam);
  Changes changes = kNothingChanged;
  if (context.sender != profileBar_.nameEdit()) changes |= profileBar_.FinishRename(true);
  // Whoever sends this asks for the close the close button gives.
  if (static_cast<DWORD>(wParam) == 0xFFFFFFFF) {
    EndDialog(IDCANCEL);
    return TRUE;
  }
  if (!context.sender) {
    if (LOWORD(wParam) != ID_HELP) return FALSE;  // the dialog manager's OK and cancel
    if (CWinApp* app = CWinApp::Current()) app->OnCommand(ID_HELP);
    return TRUE;
  }
  changes |= router_.Dispatch(context, kNothingChanged);
  // Whatever a command did, only the current profile's selector is marked.
  profileBar_.MarkCurrent();
  Refresh(changes);
  return TRUE;
}

BOOL CQoxelDlg::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN) {
    const bool inNameEdit = msg->hwnd == profileBar_.nameEdit();
    if (msg->wParam == VK_ESCAPE && inNameEdit) {
      Refresh(profileBar_.FinishRename(false));
      return TRUE;
    }
    if (msg->wParam == VK_RETURN) {
      // Enter never ends the dialog; in the name edit it keeps the name.
      if (inNameEdit) Refresh(profileBar_.FinishRename(true));
      return TRUE;
    }
    if (msg->wParam == VK_F1) {
      PostMessage(WM_COMMAND, ID_HELP, 0);
      return TRUE;
    }
  }
  // Only releases in the colour edits apply typed values: a release elsewhere
  // (while renaming, say) must not rewrite the colours with the edits' text.
  if (msg->message == WM_KEYUP && lightingPage_.IsColourEdit(msg->hwnd))
    SetTimer(TIMER_RGB_ENTRY, kTypedColourDelayMs);
  return CDialog::PreTranslateMessage(msg);
}

LRESULT CQoxelDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == UM_MENU_PICK) {
    CloseCurrentPopupMenu();
    OnMenuPick(wParam, lParam);
  } else if (message == UM_NAMELIST_COMMAND && lParam >= 112 && lParam <= 127) {
    Refresh(libraryPanel_.OnRowCommand(static_cast<int>(wParam), static_cast<int>(lParam)));
  }
  return CDialog::DefWindowProc(message, wParam, lParam);
}

void CQoxelDlg::OnMenuPick(WPARAM wParam, LPARAM lParam) {
  const int value = HIWORD(lParam);
  switch (ClassifyMenuPick(value)) {
    case MenuPick::kSensitivityValue:
      Refresh(sensitivityPage_.OnLevelPick(value));
      break;
    case MenuPick::kProfile:
      Refresh(profileBar_.OnProfilePick(value));
      break;
    case MenuPick::kProfileEdit:
      Refresh(profileBar_.OnEditPick(value));
      break;
    case MenuPick::kEffect:
      Refresh(lightingPage_.OnEffectPick(value));
      break;
    case MenuPick::kFunction:
      Refresh(buttonPage_.OnFunctionPick(wParam, lParam));
      break;
  }
}

LRESULT CQoxelDlg::OnSliderPos(WPARAM value, LPARAM id) {
  CloseCurrentPopupMenu();
  for (const InventoryEntry& entry : MainInventory()) {
    if (entry.kind != ControlKind::kSlider || entry.controlId != id) continue;
    // A value from a message stays inside the slider's range.
    const int clamped =
        ClampToRange(static_cast<long long>(static_cast<int>(value)), entry.minimum, entry.maximum);
    if (id == 10003 || id == 10004)
      Refresh(lightingPage_.OnSlider(static_cast<int>(id), clamped));
    else
      Refresh(sensitivityPage_.OnSlider(static_cast<int>(id), clamped));
    break;
  }
  return 1;
}

void CQoxelDlg::OnLButtonDown(POINT point) {
  CloseCurrentPopupMenu();
  Refresh(profileBar_.FinishRename(true));
  if (ctx_.page == PAGE_SENSITIVITY) sensitivityPage_.OnClick(point);
  if (ctx_.page == PAGE_LIGHTING) lightingPage_.OnClick(point);
  // A press on any free spot moves the window, unless it opened a menu (the
  // move would raise the window over it) or a dialog that took the release.
  if (CurrentPopupMenu || GetKeyState(VK_LBUTTON) >= 0) return;
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

LRESULT CQoxelDlg::OnServiceMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case UM_RELOAD_SETTINGS:
    case UM_RELOAD_SETTINGS_ALT:
      ReloadSettings();
      RefreshProfileBar();
      Invalidate();
      return 0;
    case UM_DPI_LEVEL:
      sensitivityPage_.OnServiceLevel(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case UM_OSD_CHANGED: {
      SetShowOsd(config(), static_cast<std::intptr_t>(wParam));
      if (HWND preferences = FindWindowW(nullptr, WidePtr(kPreferenceWindowTitle)))
        ::PostMessageW(preferences, UM_OSD_CHANGED, wParam, lParam);
      return 1;
    }
    case UM_CLOSE_CONFIG:
      EndDialog(IDCANCEL);
      return 0;
    case UM_SHUTDOWN:
      if (!IsShutdownRequest(wParam)) return 1;
      for (const char16_t* title : kAuxiliaryWindowTitles)
        if (HWND window = FindWindowW(nullptr, WidePtr(title)))
          ::SendMessageW(window, WM_CLOSE, 0, 0);
      EndDialog(IDOK);
      return 1;
    default:  // UM_QUERY
      return 1;
  }
}

void CQoxelDlg::OnDestroy() {
  CloseCurrentPopupMenu();
  KillTimer(TIMER_ROW_HOVER);
  KillTimer(TIMER_PROFILE_HOVER);
  KillTimer(TIMER_RGB_ENTRY);
  KillTimer(TIMER_COMPLETE_BUILD);
}

void CQoxelDlg::OnTimer(UINT_PTR id) {
  if (id == TIMER_COMPLETE_BUILD) {
    // One screen per turn, so that input is handled in between.
    if (!CompleteNextScreen()) {
      KillTimer(TIMER_COMPLETE_BUILD);
    }
    return;
  }
  if (id == TIMER_RGB_ENTRY) {
    KillTimer(TIMER_RGB_ENTRY);
    lightingPage_.ApplyTypedColour();
    return;
  }
  // Hover follows the pointer only while this window is the active one.
  if (GetActiveWindow() != m_hWnd) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (id == TIMER_ROW_HOVER) buttonPage_.UpdateHover(cursor);
  if (id == TIMER_PROFILE_HOVER) profileBar_.UpdateHover(cursor);
}

SIZE CQoxelDlg::ClientSize() const {
  const RECT client = GetClientRect();
  return SIZE{client.right, client.bottom};
}

void CQoxelDlg::RecutBackdrops(bool pictureOnly) {
  const UniqueBitmap backdrop =
      background_.ComposeBackdrop(builder_.PageSheet(PAGE_BUTTONS), ClientSize());
  for (CPngHSliderBar* slider : builder_.sliders()) {
    const RECT rect = slider->GetRectInParent();
    slider->SetTrackImages(backdrop.get(), backdrop.get(), rect);
  }
  // A new picture changes only what lies over it; new sheets change everything.
  for (CPngListBtn* button : builder_.imageButtons()) {
    RECT rect = button->GetRectInParent(), over{};
    if (!pictureOnly || IntersectRect(&over, &rect, &kPictureArea))
      button->SetBackground(backdrop.get());
  }
}

void CQoxelDlg::OnPaint() {
  if (IsIconic(m_hWnd)) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    const RECT client = GetClientRect();
    DrawIcon(dc, (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
             (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, icon_);
    EndPaint(m_hWnd, &paint);
    return;
  }
  HBITMAP composed = background_.Composed(builder_.PageSheet(ctx_.page), ClientSize());
  // The composed background covers the whole window.
  BufferedPaint buffer(m_hWnd, composed ? BufferStart::kCoveredByDrawing : BufferStart::kBlack);
  DrawBitmap(buffer.dc(), composed, 0, 0);
  SetBkMode(buffer.dc(), TRANSPARENT);
  for (MainArea* area : areas_) area->Paint(buffer.dc());
}
