#include "app/MainArea_win.h"

namespace {

// Open while a page is switched; nested scopes share it.
int quietShows = 0;

}  // namespace

QuietShowScope::QuietShowScope() { ++quietShows; }

QuietShowScope::~QuietShowScope() { --quietShows; }

void Show(HWND control, bool shown) {
  if (!control) return;
  // The style bit, not IsWindowVisible: the window itself may still be hidden.
  const bool visible = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible == shown) return;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
               (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (quietShows > 0) flags |= SWP_NOREDRAW;
  SetWindowPos(control, nullptr, 0, 0, 0, 0, flags);
}
