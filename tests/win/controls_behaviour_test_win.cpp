// The skinned controls in real windows: clicks, hover, slider drags, menus,
// the dark list, the filtered edit, GDI ownership and the gallery.
#include <memory>

#include "controls/BitmapBtn2_win.h"
#include "controls/BtnMenu_win.h"
#include "controls/ClrEdit_win.h"
#include "controls/ControlMessages.h"
#include "controls/ListBoxEx_win.h"
#include "controls/SkinScrollBar_win.h"
#include "controls/SliderBar_win.h"
#include "tests/win/ControlHost_win.h"
#include "tests/win/GdiCount_win.h"

namespace {

using ControlsButtons = ControlsTest;
using ControlsSlider = ControlsTest;
using ControlsMenu = ControlsTest;
using ControlsLists = ControlsTest;
using ControlsGdi = ControlsTest;

int Count(const ControlHost& host, WORD code) {
  int n = 0;
  for (const auto& g : host.Of(WM_COMMAND)) n += HIWORD(g.wParam) == code;
  return n;
}

void Click(HWND button, UINT down = WM_LBUTTONDOWN) {
  ::SendMessageW(button, down, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(ControlsButtons, ClicksCloserThan500MsCountOnce) {
  struct Case {
    DWORD gap;
    int clicks;
  } cases[] = {{300, 1}, {600, 2}};
  for (const Case& c : cases) {
    ControlHost host;
    CBitmapBtn button;
    ASSERT_TRUE(button.CreateButton(RECT{10, 10, 110, 40}, host.GetSafeHwnd()));
    Click(button.GetSafeHwnd());
    Sleep(c.gap);
    Click(button.GetSafeHwnd());
    EXPECT_EQ(Count(host, BN_CLICKED), c.clicks) << c.gap << " ms apart";
    for (const auto& g : host.Of(WM_COMMAND))
      EXPECT_EQ(reinterpret_cast<HWND>(g.lParam), button.GetSafeHwnd());
  }
}

TEST_F(ControlsButtons, DoubleClickSendsClickThenDoubleClickAndNothingForTheSecondRelease) {
  ControlHost host;
  CBitmapBtn button;
  ASSERT_TRUE(button.CreateButton(RECT{10, 10, 110, 40}, host.GetSafeHwnd()));
  Click(button.GetSafeHwnd());
  // A person's second press comes some milliseconds after the first release;
  // one in the very same tick would count as no double click.
  Sleep(40);
  Click(button.GetSafeHwnd(), WM_LBUTTONDBLCLK);
  ASSERT_EQ(host.Of(WM_COMMAND).size(), 2u);
  EXPECT_EQ(HIWORD(host.got[0].wParam), BN_CLICKED);
  EXPECT_EQ(HIWORD(host.got[1].wParam), BN_DOUBLECLICKED);
  // The platform's own release handling must not add a click of its own.
  PumpMessages(100);
  EXPECT_EQ(host.Of(WM_COMMAND).size(), 2u);
}

TEST_F(ControlsButtons, RealDoubleClickThroughTheInputQueue) {
  ControlHost host;
  CBitmapBtn button;
  ASSERT_TRUE(button.CreateButton(RECT{10, 10, 110, 40}, host.GetSafeHwnd()));
  SetForegroundWindow(host.GetSafeHwnd());
  PumpMessages(200);
  POINT at{50, 20};
  ClientToScreen(button.GetSafeHwnd(), &at);
  SetCursorPos(at.x, at.y);
  PumpMessages(100);
  ASSERT_EQ(WindowFromPoint(at), button.GetSafeHwnd()) << "nothing covers the button";
  // No click of an earlier test may pair with this one into a double click.
  PumpMessages(GetDoubleClickTime() + 100);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
  PumpMessages(60);  // as a person's fingers would
  ASSERT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
  PumpMessages(400);
  ASSERT_EQ(host.Of(WM_COMMAND).size(), 2u);
  EXPECT_EQ(HIWORD(host.Of(WM_COMMAND)[0].wParam), BN_CLICKED);
  EXPECT_EQ(HIWORD(host.Of(WM_COMMAND)[1].wParam), BN_DOUBLECLICKED);
}

TEST_F(ControlsButtons, NoHoverWhileTheApplicationIsInactive) {
  ControlHost host;
  CBitmapBtn button;
  ASSERT_TRUE(button.CreateButton(RECT{10, 10, 110, 40}, host.GetSafeHwnd()));
  SetActiveWindow(nullptr);
  ASSERT_EQ(GetActiveWindow(), nullptr);
  ::SendMessageW(button.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(button.GetHover());
  EXPECT_NE(GetCapture(), button.GetSafeHwnd());

  SetActiveWindow(host.GetSafeHwnd());
  ASSERT_EQ(GetActiveWindow(), host.GetSafeHwnd());
  ::SendMessageW(button.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(button.GetHover());
  EXPECT_EQ(GetCapture(), button.GetSafeHwnd());
  // A drag that started elsewhere does not light another button.
  CBitmapBtn other;
  ASSERT_TRUE(other.CreateButton(RECT{10, 50, 110, 80}, host.GetSafeHwnd()));
  ::SendMessageW(other.GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(other.GetHover());
  ReleaseCapture();
}

TEST_F(ControlsButtons, Btn2TellsItsOwnerWhenHoverStarts) {
  ControlHost host;
  CBitmapBtn2 button;
  ASSERT_TRUE(button.CreateButton(RECT{10, 10, 110, 40}, host.GetSafeHwnd(), 7));
  SetActiveWindow(host.GetSafeHwnd());
  ::SendMessageW(button.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PumpMessages(50);
  const auto hovers = host.Of(UM_BTN_HOVER);
  ASSERT_EQ(hovers.size(), 1u);
  EXPECT_EQ(hovers[0].wParam, 7u);
  ReleaseCapture();
}

// A 214-pixel slider with a 14 x 18 thumb: 20 pixels per step of 0 .. 10.
class SliderFixture {
 public:
  explicit SliderFixture(ControlHost& host) {
    slider.CreateSlider(RECT{50, 50, 264, 68}, host.GetSafeHwnd(), 33);
    thumb = CreateDibSection32(14, 18, true);
    slider.SetThumbImages(thumb.get(), nullptr, false);
  }
  CPngHSliderBar slider;
  UniqueBitmap thumb;
};

TEST_F(ControlsSlider, DraggingPostsOnlyChangedValuesAndTheThumbWaitsForTheParent) {
  ControlHost host;
  SliderFixture f(host);
  HWND s = f.slider.GetSafeHwnd();
  ::SendMessageW(s, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7 + 30, 9));
  ::SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7 + 30, 9));  // 2
  ::SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7 + 3, 9));   // 0: the position
  ::SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7 + 60, 9));  // 3
  ::SendMessageW(s, WM_LBUTTONUP, 0, MAKELPARAM(7 + 29, 9));           // 1
  PumpMessages(50);
  const auto posted = host.Of(UM_SLIDER_POS);
  ASSERT_EQ(posted.size(), 3u);
  EXPECT_EQ(posted[0].wParam, 2u);
  EXPECT_EQ(posted[1].wParam, 3u);
  EXPECT_EQ(posted[2].wParam, 1u);
  for (const auto& p : posted) EXPECT_EQ(p.lParam, 33);
  EXPECT_EQ(f.slider.GetSliderPos(), 0);
  EXPECT_EQ(f.slider.ThumbRect().left, 0);
  f.slider.SetSliderPos(3);
  EXPECT_EQ(f.slider.ThumbRect().left, 60);
}

TEST_F(ControlsSlider, RangeClampsThePositionAndTheTipShowsOnTheThumb) {
  ControlHost host;
  SliderFixture f(host);
  f.slider.SetSliderPos(5);
  f.slider.SetSliderRange(20, 30);
  EXPECT_EQ(f.slider.GetSliderPos(), 20);
  f.slider.SetSliderRange(0, 10);
  f.slider.SetSliderPos(7);
  ::SendMessageW(f.slider.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(140 + 7, 9));
  EXPECT_TRUE(f.slider.IsTipShown());
  EXPECT_TRUE(f.slider.Tip().IsWindowVisible());
  EXPECT_EQ(f.slider.Tip().GetDisplayText(), L"7");
  ::SendMessageW(f.slider.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 9));
  EXPECT_FALSE(f.slider.Tip().IsWindowVisible());
}

CBtnMenu* OpenFunctionMenu(ControlHost& host, int items, int rows, POINT at) {
  const std::wstring folder = Paths().programFolder + L"skins\\Menu\\";
  const std::wstring normal = folder + L"function_drop down menu_normal.jpg";
  const std::wstring over = folder + L"function_drop down menu_over.jpg";
  CBtnMenu* menu = NewPopupMenu(host.GetSafeHwnd());
  menu->SetMenuImages(normal, over, over, normal, L"", false);
  menu->SetSubmenuImages(normal, over, over, normal, L"", false);
  menu->SetRowHeight(24);
  menu->SetVisibleRows(rows);
  menu->SetMenuPosition(at.x, at.y);
  for (int i = 0; i < items; ++i) menu->AddMenuItem(L"Item " + std::to_wstring(i), 100 + i);
  return menu;
}

TEST_F(ControlsMenu, FiveItemsInThreeRowsScrollToTwoAndNoFurther) {
  ControlHost host;
  CBtnMenu* menu = OpenFunctionMenu(host, 5, 3, POINT{200, 200});
  ASSERT_TRUE(menu->CreateMenu());
  menu->ShowMenu(SW_SHOW);
  EXPECT_TRUE(menu->IsScrollBarShown());
  ASSERT_EQ(menu->RowCount(), 3);
  EXPECT_EQ(menu->Row(0)->GetClientRect().right, menu->ImageSize().cx - 12);
  for (int i = 0; i < 3; ++i) ::SendMessageW(menu->GetSafeHwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(menu->GetFirstVisible(), 2);
  EXPECT_EQ(menu->Row(0)->GetButtonText(), L"Item 2");

  // A click on the top row picks item 2 of the root menu.
  Click(menu->Row(0)->GetSafeHwnd());
  PumpMessages(50);
  const auto picks = host.Of(UM_MENU_PICK);
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(LOWORD(picks[0].wParam), 0xFFFF);
  EXPECT_EQ(HIWORD(picks[0].wParam), 2);
  EXPECT_EQ(HIWORD(picks[0].lParam), 102);
  EXPECT_EQ(LOWORD(picks[0].lParam), 0);
  CloseCurrentPopupMenu();
}

TEST_F(ControlsMenu, DisabledAndParentItemsPostNothing) {
  ControlHost host;
  CBtnMenu* menu = OpenFunctionMenu(host, 0, -1, POINT{200, 200});
  menu->AddMenuItem(L"Off", 1, 0, false);
  menu->AddMenuItem(L"Parent", 2);
  menu->AddSubMenuItem(1, L"Child", 3);
  ASSERT_TRUE(menu->CreateMenu());
  EXPECT_FALSE(menu->IsScrollBarShown());
  Click(menu->Row(0)->GetSafeHwnd());
  Click(menu->Row(1)->GetSafeHwnd(), WM_LBUTTONDBLCLK);
  PumpMessages(50);
  EXPECT_TRUE(host.Of(UM_MENU_PICK).empty());
  EXPECT_TRUE(host.Of(UM_MENU_DBLPICK).empty());
  CloseCurrentPopupMenu();
}

// Rests the pointer on a row as the row reports it: a move in screen coordinates.
void HoverRow(CBtnMenu* menu, int row) {
  RECT r{};
  GetWindowRect(menu->Row(row)->GetSafeHwnd(), &r);
  ::SendMessageW(menu->GetSafeHwnd(), WM_MOUSEMOVE, kRowMoveMarker,
                 MAKELPARAM(r.left + 5, r.top + 5));
}

TEST_F(ControlsMenu, SubmenuPickReachesTheRootsOwnerWithBothIndexesAndValues) {
  ControlHost host;
  CBtnMenu* menu = OpenFunctionMenu(host, 3, -1, POINT{200, 200});
  menu->AddSubMenuItem(1, L"Child 0", 0x41);
  menu->AddSubMenuItem(1, L"Child 1", 0x42);
  ASSERT_TRUE(menu->CreateMenu());
  menu->ShowMenu(SW_SHOW);
  HoverRow(menu, 1);
  CBtnMenu* sub = menu->OpenSubmenu();
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(menu->GetItem(1).submenuOpen);
  RECT parent{}, child{};
  GetWindowRect(menu->GetSafeHwnd(), &parent);
  GetWindowRect(sub->GetSafeHwnd(), &child);
  EXPECT_EQ(child.left, parent.left + menu->ImageSize().cx);
  EXPECT_EQ(child.top, parent.top + 24);

  Click(sub->Row(1)->GetSafeHwnd());
  PumpMessages(100);
  const auto picks = host.Of(UM_MENU_PICK);
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(HIWORD(picks[0].wParam), 1);  // parent item index
  EXPECT_EQ(LOWORD(picks[0].wParam), 1);  // child item index
  EXPECT_EQ(HIWORD(picks[0].lParam), 101);
  EXPECT_EQ(LOWORD(picks[0].lParam), 0x42);

  // Another row closes the submenu.
  HoverRow(menu, 0);
  EXPECT_EQ(menu->OpenSubmenu(), nullptr);
  EXPECT_FALSE(menu->GetItem(1).submenuOpen);
  CloseCurrentPopupMenu();
}

TEST_F(ControlsMenu, SubmenuNearTheRightEdgeOpensOnTheLeft) {
  ControlHost host;
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  CBtnMenu* menu = OpenFunctionMenu(host, 2, -1, POINT{screen - 230, 200});
  menu->AddSubMenuItem(0, L"Child", 7);
  ASSERT_TRUE(menu->CreateMenu());
  HoverRow(menu, 0);
  ASSERT_NE(menu->OpenSubmenu(), nullptr);
  RECT parent{}, child{};
  GetWindowRect(menu->GetSafeHwnd(), &parent);
  GetWindowRect(menu->OpenSubmenu()->GetSafeHwnd(), &child);
  EXPECT_EQ(child.left, parent.left - menu->OpenSubmenu()->ImageSize().cx);
  CloseCurrentPopupMenu();
}

TEST_F(ControlsMenu, OpeningASecondMenuDestroysTheFirst) {
  ControlHost host;
  CBtnMenu* first = OpenFunctionMenu(host, 2, -1, POINT{200, 200});
  ASSERT_TRUE(first->CreateMenu());
  HWND firstWindow = first->GetSafeHwnd();
  CBtnMenu* second = OpenFunctionMenu(host, 2, -1, POINT{300, 200});
  EXPECT_FALSE(IsWindow(firstWindow));
  EXPECT_EQ(CurrentPopupMenu, second);
  CloseCurrentPopupMenu();
  EXPECT_EQ(CurrentPopupMenu, nullptr);
}

TEST_F(ControlsLists, ListPostsThePressedRowAndIgnoresArrowKeys) {
  ControlHost host;
  CListBoxEx list;
  ASSERT_TRUE(list.CreateList(RECT{10, 10, 310, 300}, host.GetSafeHwnd()));
  list.SetListDarkColours();
  list.SetListTallRows();
  list.SetListWhiteText();
  for (const wchar_t* name : {L"one", L"two", L"three"}) list.AddListItem(name);
  RECT row{};
  list.GetItemRect(1, &row);
  EXPECT_EQ(row.bottom - row.top, 40);
  ::SendMessageW(list.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
  ::SendMessageW(list.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(50, 60));
  PumpMessages(50);
  const auto selects = host.Of(UM_LIST_SELECT);
  ASSERT_EQ(selects.size(), 1u);
  EXPECT_EQ(selects[0].wParam, 1u);
  EXPECT_EQ(list.GetCurSel(), 1);

  MSG key = QueuedMessage(list.GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(list.PreTranslateMessage(&key));
  ::SendMessageW(list.GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list.GetCurSel(), 1);
}

TEST_F(ControlsLists, SignedDigitFilterKeepsOnlyDigitsAndMinus) {
  struct Case {
    bool filter;
    const wchar_t* expected;
  } cases[] = {{true, L"-123"}, {false, L"-12a3"}};
  for (const Case& c : cases) {
    ControlHost host;
    CClrEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, RECT{10, 10, 200, 34}, host.GetSafeHwnd(), 0));
    if (c.filter) edit.SetSignedDigitsOnly();
    for (const wchar_t* ch = L"-12a3"; *ch; ++ch)
      ::SendMessageW(edit.GetSafeHwnd(), WM_CHAR, *ch, 1);
    EXPECT_EQ(edit.GetWindowText(), c.expected);
  }
}

TEST_F(ControlsGdi, CreatingAndDestroyingEachControlLeaksNoGdiObject) {
  ControlHost host;
  UniqueBitmap sheet = CreateDibSection32(400, 200, true);
  UniqueBitmap thumb = CreateDibSection32(14, 18, true);
  auto cycle = [&] {
    {
      CBitmapBtn b;
      b.CreateButton(RECT{0, 0, 100, 30}, host.GetSafeHwnd());
      b.LoadStateImages(sheet.get(), sheet.get(), sheet.get(), sheet.get(), RECT{0, 0, 100, 30});
      b.SetButtonText(L"OK");
      b.SetTipText(L"OK", true);
      UpdateWindow(b.GetSafeHwnd());
      CBitmapBtn2 b2;
      b2.CreateButton(RECT{0, 40, 100, 70}, host.GetSafeHwnd());
      b2.LoadStateImages(sheet.get(), sheet.get(), sheet.get(), sheet.get(), RECT{0, 0, 100, 30});
      b2.SetButtonText(L"Two");
      UpdateWindow(b2.GetSafeHwnd());
      CPngHSliderBar slider;
      slider.CreateSlider(RECT{0, 80, 214, 98}, host.GetSafeHwnd(), 1);
      slider.SetTrackImages(sheet.get(), sheet.get(), RECT{0, 0, 214, 18});
      slider.SetThumbImages(thumb.get(), thumb.get(), false);
      UpdateWindow(slider.GetSafeHwnd());
      CListBoxEx list;
      list.CreateList(RECT{0, 100, 200, 300}, host.GetSafeHwnd());
      list.SetListDarkColours();
      list.AddListItem(L"row");
      UpdateWindow(list.GetSafeHwnd());
      CClrEdit edit;
      edit.Create(WS_VISIBLE, RECT{0, 310, 100, 330}, host.GetSafeHwnd(), 0);
      UpdateWindow(edit.GetSafeHwnd());
      CBtnMenu* menu = OpenFunctionMenu(host, 5, 3, POINT{300, 300});
      menu->AddSubMenuItem(0, L"child", 1);
      menu->CreateMenu();
      HoverRow(menu, 0);
      UpdateWindow(menu->GetSafeHwnd());
      CloseCurrentPopupMenu();
    }
    PumpMessages(20);
  };
  // First uses load fonts, classes and caches once.
  cycle();
  cycle();
  const int before = GdiObjectCount();
  for (int i = 0; i < 10; ++i) cycle();
  EXPECT_EQ(GdiObjectCount(), before);
}

// The gallery's picture is taken from the X server by gallery_screenshot.sh:
// a capture from inside Wine does not see another process's painting.
TEST_F(ControlsGdi, GalleryStartsAndCloses) {
  const auto exe = ProgramFolder() / L"control_gallery.exe";
  ASSERT_TRUE(std::filesystem::exists(exe)) << "build the control_gallery target";
  ChildProcess gallery(exe);
  ASSERT_TRUE(gallery.started());
  HWND window = WaitForWindow(L"Kestrelon control gallery", 20000);
  ASSERT_NE(window, nullptr);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(gallery.Wait(10000));
}

}  // namespace
