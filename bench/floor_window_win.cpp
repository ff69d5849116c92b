// The floor of the paint benchmark: the main window's layout and nothing
// else. A layered popup of the main window's size and outline holds one child
// window per control of the main window's inventory, at the control's
// rectangle in the current skin file and shown on the pages a first start
// shows it on. Each child paints one bitmap cut from its screen's sheet at
// start-up; the window paints the page's sheet. A click on a tab switches the
// page as the program does: the children change visibility without
// repainting, then the page area is repainted once. Title "Kestrelon floor
// window".
#include <windows.h>

#include <vector>

#include "app/MainInventory.h"
#include "app/PageIds.h"
#include "app/PageRules.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"
#include "skin/SkinImages_win.h"

namespace {

// The area the program's page switch repaints (CQoxelDlg::ShowPage).
constexpr RECT kPageArea{421, 155, 1091, 605};
// The language of a first start.
constexpr int kFirstStartLanguage = 1;
constexpr wchar_t kChildClass[] = L"R58FloorChild";

struct Child {
  HWND window = nullptr;
  UniqueBitmap face;
  int tab = -1;          // the tab's position, or -1
  bool shownOn[4] = {};  // per tab position
};

struct Floor {
  HWND window = nullptr;
  UniqueBitmap mouseSheet, lightSheet, sensiSheet;
  std::vector<Child> children;
  int tab = 0;
  UniqueDC memory;  // the one DC the paints copy from
};

Floor theFloor;

int TabOf(int page) {
  for (int i = 0; i < kTabCount; ++i)
    if (kPageOfTab[i] == page) return i;
  return 0;
}

HBITMAP SheetOfScreen(Screen screen) {
  switch (screen) {
    case Screen::kSensi:
      return theFloor.sensiSheet.get();
    case Screen::kMouse:
      return theFloor.mouseSheet.get();
    default:
      // The library page shows a copy of the lighting page's sheet.
      return theFloor.lightSheet.get();
  }
}

HBITMAP SheetOfPage(int page) {
  switch (page) {
    case PAGE_SENSITIVITY:
      return theFloor.sensiSheet.get();
    case PAGE_LIBRARY:
    case PAGE_LIGHTING:
      return theFloor.lightSheet.get();
    default:
      return theFloor.mouseSheet.get();
  }
}

void PaintFrom(HDC dc, HBITMAP bitmap, const RECT& area) {
  if (!bitmap) return;
  const SelectScope select(theFloor.memory.get(), bitmap);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
         theFloor.memory.get(), area.left, area.top, SRCCOPY);
}

LRESULT CALLBACK ChildProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      PaintFrom(dc, reinterpret_cast<HBITMAP>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)),
                paint.rcPaint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONUP:
      SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ShowTab(int tab) {
  if (tab == theFloor.tab) return;
  theFloor.tab = tab;
  for (const Child& child : theFloor.children) {
    const bool shown = child.shownOn[tab];
    const bool visible = (GetWindowLongPtrW(child.window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible == shown) continue;
    SetWindowPos(child.window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                     (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  }
  RedrawWindow(theFloor.window, &kPageArea, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      PaintFrom(dc, SheetOfPage(kPageOfTab[theFloor.tab]), paint.rcPaint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_COMMAND: {
      // Control ids are positions in the children plus one.
      const int position = LOWORD(wParam) - 1;
      if (HIWORD(wParam) == BN_CLICKED && position >= 0 &&
          position < static_cast<int>(theFloor.children.size()) &&
          theFloor.children[position].tab >= 0)
        ShowTab(theFloor.children[position].tab);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.lpszClassName = L"R58FloorWindow";
  RegisterClassW(&windowClass);
  windowClass.lpfnWndProc = ChildProcedure;
  windowClass.lpszClassName = kChildClass;
  RegisterClassW(&windowClass);
}

// A face cut from the sheet looks like the sheet under it: its outline is
// drawn in, so that the screen shows where each child is painted.
void MarkOutline(HBITMAP face, const RECT& rect) {
  if (!face) return;
  static const UniqueBrush outline(CreateSolidBrush(RGB(1, 204, 236)));
  const SelectScope select(theFloor.memory.get(), face);
  const RECT all{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  FrameRect(theFloor.memory.get(), &all, outline.get());
}

void CreateChildren(HINSTANCE instance) {
  PageView views[kTabCount];
  for (int i = 0; i < kTabCount; ++i) views[i] = FirstStartView(kPageOfTab[i]);
  const std::vector<InventoryEntry>& inventory = MainInventory();
  // Reserved first: each child's window keeps a pointer to its face.
  theFloor.children.reserve(inventory.size());
  for (const InventoryEntry& entry : inventory) {
    if (entry.shown == ShownOn::kNotAWindow) continue;
    Child& child = theFloor.children.emplace_back();
    const RECT rect = RectOf(ParseSkinEntry(InventoryValue(CurrentSkin(), entry)));
    CutSheetImage(child.face, nullptr, SheetOfScreen(entry.screen), rect);
    MarkOutline(child.face.get(), rect);
    for (int i = 0; i < kTabCount; ++i) child.shownOn[i] = ShownOnPage(entry, views[i]);
    if (entry.ctl == Ctl::kTab) child.tab = entry.index;
    const auto id = static_cast<INT_PTR>(theFloor.children.size());
    child.window = CreateWindowExW(
        0, kChildClass, L"", WS_CHILD | (child.shownOn[theFloor.tab] ? WS_VISIBLE : 0), rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, theFloor.window,
        reinterpret_cast<HMENU>(id), instance, child.face.get());
  }
}

void CentreInWorkArea(HWND window) {
  RECT outer{}, area{};
  GetWindowRect(window, &outer);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int x = area.left + (area.right - area.left - (outer.right - outer.left)) / 2;
  const int y = area.top + (area.bottom - area.top - (outer.bottom - outer.top)) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Paths().programFolder = ExecutableFolder();
  SelectSkinFile(Paths().programFolder, kFirstStartLanguage);
  SIZE size{};
  const UniqueBitmap mask = LoadScreenSheet(u"MOUSESCREEN", u"Mask", &size);
  if (!mask) return 1;
  theFloor.mouseSheet = LoadScreenSheet(u"MOUSESCREEN", u"Main");
  theFloor.lightSheet = LoadScreenSheet(u"LIGHTSCREEN", u"Main");
  theFloor.sensiSheet = LoadScreenSheet(u"SENSISCREEN", u"Main");
  theFloor.memory = UniqueDC::Compatible(nullptr);
  theFloor.tab = TabOf(PAGE_BUTTONS);

  RegisterClasses(instance);
  theFloor.window = CreateWindowExW(WS_EX_LAYERED, L"R58FloorWindow", L"Kestrelon floor window",
                                    WS_POPUP | WS_CLIPCHILDREN, 0, 0, size.cx, size.cy, nullptr,
                                    nullptr, instance, nullptr);
  if (!theFloor.window) return 1;
  SetLayeredWindowAttributes(theFloor.window, 0, 255, LWA_ALPHA);
  ApplyWindowOutline(theFloor.window, mask.get());
  CreateChildren(instance);
  CentreInWorkArea(theFloor.window);
  ShowWindow(theFloor.window, SW_SHOW);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
