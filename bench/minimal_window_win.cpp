// The yardstick of the start-up benchmark: a layered popup of the main
// window's size that loads the buttons page's sheet and paints it, and
// nothing else. Title "Kestrelon minimal window".
#include <windows.h>

#include "framework/Paint_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinImages_win.h"

namespace {

UniqueBitmap sheet;

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      const UniqueDC source = UniqueDC::Compatible(dc);
      const SelectScope select(source.get(), sheet.get());
      BitBlt(dc, 0, 0, 1560, 700, source.get(), 0, 0, SRCCOPY);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  LoadPictureFile(ExecutableFolder() + L"skins\\Main\\Buttons_main.jpg", sheet);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"R58MinimalWindow";
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowExW(WS_EX_LAYERED, windowClass.lpszClassName, L"Kestrelon minimal window",
                      WS_POPUP, 180, 190, 1560, 700, nullptr, nullptr, instance, nullptr);
  SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
