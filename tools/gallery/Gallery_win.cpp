// Control gallery: opens each skinned control in each of its states on the
// skin beside the executable (English skin file), in one window titled
// "Kestrelon control gallery", with an open menu and submenu beside it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/BitmapBtn2_win.h"
#include "controls/BtnMenu_win.h"
#include "controls/ClrEdit_win.h"
#include "controls/ControlDraw_win.h"
#include "controls/ListBoxEx_win.h"
#include "controls/SkinScrollBar_win.h"
#include "controls/SliderBar_win.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr wchar_t kTitle[] = L"Kestrelon control gallery";

struct Sheets {
  UniqueBitmap main, over, down, disabled;
};

Sheets LoadScreen(std::u16string_view section) {
  Sheets s;
  const std::wstring folder = Paths().programFolder + L"skins\\";
  LoadPictureFile(folder + Wide(ReadSkinValue(section, u"Main")), s.main);
  LoadPictureFile(folder + Wide(ReadSkinValue(section, u"Over")), s.over);
  LoadPictureFile(folder + Wide(ReadSkinValue(section, u"Down")), s.down);
  LoadPictureFile(folder + Wide(ReadSkinValue(section, u"Disabled")), s.disabled);
  return s;
}

RECT EntryRect(std::u16string_view section, std::u16string_view key) {
  const SkinEntry e = ParseSkinEntry(ReadSkinValue(section, key));
  return RECT{e.left, e.top, e.right, e.bottom};
}

RECT At(int x, int y, const RECT& size) {
  return RECT{x, y, x + size.right - size.left, y + size.bottom - size.top};
}

class CGalleryWindow : public CWnd {
 public:
  bool Open() {
    const RECT frame{40, 40, 40 + 1100, 40 + 640};
    if (!CreateEx(0, PlainWindowClass(), kTitle,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, frame, nullptr, 0))
      return false;
    Build();
    ShowWindow(SW_SHOW);
    // After the gallery is on screen, as a click would open it: above its owner.
    OpenMenu();
    return true;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        OnPaint();
        return 0;
      case WM_DESTROY:
        CloseCurrentPopupMenu();
        PostQuitMessage(0);
        break;
      default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

 private:
  void Label(int x, int y, const wchar_t* text) { labels_.push_back({x, y, text}); }

  void Build() {
    // Image buttons: the warning's OK button in each state, cut from its sheets.
    const Sheets warn = LoadScreen(u"WARN_SCREEN");
    const RECT ok = EntryRect(u"WARN_POS", u"2");
    const wchar_t* names[] = {L"normal", L"hover", L"checked", L"disabled", L"checked+disabled"};
    for (int i = 0; i < 5; ++i) {
      auto b = std::make_unique<CBitmapBtn>();
      b->CreateButton(At(20 + i * 130, 30, ok), m_hWnd);
      b->LoadStateImages(warn.main.get(), warn.over.get(), warn.down.get(), warn.disabled.get(),
                         ok);
      b->SetButtonText(L"OK", 0, true);
      if (i == 1) b->SetHover(true);
      if (i == 2 || i == 4) b->SetCheck(true);
      if (i >= 3) b->EnableWindow(FALSE);
      Label(20 + i * 130, 12, names[i]);
      buttons_.push_back(std::move(b));
    }
    // CBitmapBtn2: normal, checked, disabled.
    for (int i = 0; i < 3; ++i) {
      auto b = std::make_unique<CBitmapBtn2>();
      b->CreateButton(At(20 + i * 130, 100, ok), m_hWnd);
      b->LoadStateImages(warn.main.get(), warn.over.get(), warn.down.get(), warn.disabled.get(),
                         ok);
      b->SetButtonText(i == 0 ? L"Btn2" : i == 1 ? L"checked" : L"disabled");
      if (i == 1) b->SetCheck(true);
      if (i == 2) b->EnableWindow(FALSE);
      buttons2_.push_back(std::move(b));
    }
    Label(420, 110, L"CBitmapBtn2: normal, checked, disabled");

    // Sliders on the sensitivity page's track: positions 0, 5, 10 and disabled.
    const Sheets sensi = LoadScreen(u"SENSISCREEN");
    const RECT track = EntryRect(u"SLIDERS", u"4");
    LoadAlphaPng(Paths().programFolder + L"skins\\ball.png", ball_);
    const int positions[] = {0, 5, 10, 3};
    for (int i = 0; i < 4; ++i) {
      auto s = std::make_unique<CPngHSliderBar>();
      s->CreateSlider(At(20, 180 + i * 40, track), m_hWnd, 10 + i);
      s->SetTrackImages(sensi.main.get(), sensi.down.get(), track);
      s->SetThumbImages(ball_.get(), nullptr, false);
      s->SetSliderPos(positions[i]);
      if (i == 3) s->EnableWindow(FALSE);
      sliders_.push_back(std::move(s));
    }
    Label(440, 180, L"sliders 0, 5, 10, disabled 3");
    // The value tip of the middle slider, shown above the gallery's sliders.
    CPngHSliderBar& middle = *sliders_[1];
    middle.Tip().SetDisplayText(L"5");
    RECT thumb = middle.ThumbRect();
    MapWindowPoints(middle.GetSafeHwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&thumb), 2);
    SetWindowPos(middle.Tip().GetSafeHwnd(), HWND_TOPMOST, thumb.left - 9, thumb.top - 36, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    // Scroll bars: vertical at three positions, horizontal.
    scrollSkin_ = LoadResourceBitmap(215);
    for (int i = 0; i < 3; ++i) {
      auto bar = std::make_unique<CSkinScrollBar>();
      bar->Create(SBS_VERT | WS_VISIBLE, RECT{480 + i * 30, 220, 492 + i * 30, 360}, m_hWnd, 0);
      bar->SetSkinBitmap(scrollSkin_.get());
      bar->SetScrollRange(0, 9, 3);
      bar->SetScrollPos(i * 7 / 2);
      bars_.push_back(std::move(bar));
    }
    auto horizontal = std::make_unique<CSkinScrollBar>();
    horizontal->Create(SBS_HORZ | WS_VISIBLE, RECT{580, 220, 760, 232}, m_hWnd, 0);
    horizontal->SetSkinBitmap(scrollSkin_.get());
    horizontal->SetScrollRange(0, 9, 3);
    horizontal->SetScrollPos(4);
    bars_.push_back(std::move(horizontal));
    Label(480, 370, L"scroll bars");

    // Dark list with three tall rows, the second selected, and a long one.
    list_.CreateList(RECT{20, 360, 420, 540}, m_hWnd);
    list_.SetListDarkColours();
    list_.SetListTallRows();
    list_.SetListWhiteText();
    list_.AddListItem(L"Macro 1");
    list_.AddListItem(L"Macro 2 (selected)");
    list_.AddListItem(L"A macro with a very long name that ends in an ellipsis at the edge");
    list_.SelectListItem(1);

    // Coloured edits: white on black, and accent on dark grey.
    edit_.Create(WS_VISIBLE | ES_AUTOHSCROLL, RECT{20, 560, 200, 584}, m_hWnd, 0);
    edit_.SetWindowText(L"-123");
    edit2_.m_textColour = RGB(1, 204, 236);
    edit2_.m_backgroundColour = RGB(40, 40, 40);
    edit2_.Create(WS_VISIBLE | ES_AUTOHSCROLL, RECT{220, 560, 400, 584}, m_hWnd, 0);
    edit2_.SetWindowText(L"1600");
  }

  void OpenMenu() {
    const std::wstring menu = Paths().programFolder + L"skins\\Menu\\";
    const std::wstring normal = menu + L"function_drop down menu_normal.jpg";
    const std::wstring over = menu + L"function_drop down menu_over.jpg";
    const std::wstring down = menu + L"function_drop down menu_down.jpg";
    CBtnMenu* m = NewPopupMenu(m_hWnd);
    m->SetMenuImages(normal, over, down, normal, L"", false);
    m->SetSubmenuImages(normal, over, down, normal, L"", false);
    m->SetVisibleRows(5);
    m->SetRowHeight(24);
    POINT at{800, 20};
    ClientToScreen(m_hWnd, &at);
    m->SetMenuPosition(at.x, at.y);
    m->AddMenuItem(L"Left click", 1);
    m->AddMenuItem(L"Keyboard", 2);
    m->AddMenuItem(L"Disabled entry", 3, 0, false);
    m->AddMenuItem(L"Selected entry", 4);
    m->AddMenuItem(L"Fifth", 5);
    m->AddMenuItem(L"Sixth", 6);
    m->AddMenuItem(L"Seventh", 7);
    m->AddSubMenuItem(1, L"Key A", 0x41);
    m->AddSubMenuItem(1, L"Key B", 0x42);
    m->CreateMenu();
    m->ShowMenu(SW_SHOWNOACTIVATE);
    m->SelectItem(3, false);
    // The submenu opens as when the pointer rests on its row.
    RECT row{};
    GetWindowRect(m->Row(1)->GetSafeHwnd(), &row);
    ::SendMessageW(m->GetSafeHwnd(), WM_MOUSEMOVE, kRowMoveMarker,
                   MAKELPARAM(row.left + 5, row.top + 5));
  }

  void OnPaint() {
    BufferedPaint buffer(m_hWnd);
    UniqueBrush background(CreateSolidBrush(RGB(24, 24, 24)));
    FillRect(buffer.dc(), &buffer.area(), background.get());
    SetBkMode(buffer.dc(), TRANSPARENT);
    SetTextColor(buffer.dc(), RGB(200, 200, 200));
    const UniqueFont font = CreateCaptionFont(14, FW_NORMAL, InterfaceFace());
    const SelectScope select(buffer.dc(), font.get());
    for (const LabelText& l : labels_) TextOutW(buffer.dc(), l.x, l.y, l.text, lstrlenW(l.text));
  }

  struct LabelText {
    int x, y;
    const wchar_t* text;
  };
  std::vector<LabelText> labels_;
  std::vector<std::unique_ptr<CBitmapBtn>> buttons_;
  std::vector<std::unique_ptr<CBitmapBtn2>> buttons2_;
  std::vector<std::unique_ptr<CPngHSliderBar>> sliders_;
  std::vector<std::unique_ptr<CSkinScrollBar>> bars_;
  UniqueBitmap ball_;
  UniqueBitmap scrollSkin_;
  CListBoxEx list_;
  CClrEdit edit_;
  CClrEdit edit2_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const GdiplusSession gdiplus;
  Paths().programFolder = ExecutableFolder();
  SelectSkinFile(Paths().programFolder, 1);
  LoadInterfaceFontFace();
  CGalleryWindow gallery;
  if (!gallery.Open()) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
