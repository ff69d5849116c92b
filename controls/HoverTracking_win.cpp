#include "controls/HoverTracking_win.h"

#include "controls/ControlDraw_win.h"

bool HoverTracking::Set(bool hover) {
  if (hover_ == hover) return false;
  hover_ = hover;
  return true;
}

HWND HoverTracking::Owner(HWND button) {
  HWND owner = GetWindow(button, GW_OWNER);
  return owner ? owner : GetParent(button);
}

void HoverTracking::ActivateOwner(HWND button) {
  HWND owner = GetAncestor(Owner(button), GA_ROOT);
  if (owner && GetActiveWindow() != owner) SetActiveWindow(owner);
}

void HoverTracking::MakeOwnerDrawn(HWND button) {
  LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK | WS_TABSTOP)) | BS_OWNERDRAW;
  SetWindowLongPtrW(button, GWL_STYLE, style);
}

HoverTracking::Change HoverTracking::OnMouseMove(HWND button, WPARAM keys, LPARAM lParam) {
  const bool leftHeld = (keys & MK_LBUTTON) != 0;
  // A drag that started elsewhere does not light the button.
  if (leftHeld && !hover_) return Change::kNone;
  if (GetCapture() != button && GetActiveWindow() && Owner(button)) {
    const bool started = !hover_;
    if (started) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
      TrackMouseEvent(&track);
    }
    hover_ = true;
    SetCapture(button);
    InvalidateRect(button, nullptr, FALSE);
    return started ? Change::kStarted : Change::kNone;
  }
  POINT at = PointFromLParam(lParam);
  ClientToScreen(button, &at);
  HWND under = WindowFromPoint(at);
  if (!under || under == button) return Change::kNone;
  const bool ended = Set(false);
  if (ended) InvalidateRect(button, nullptr, FALSE);
  if (!leftHeld && GetCapture() == button) ReleaseCapture();
  return ended ? Change::kEnded : Change::kNone;
}
