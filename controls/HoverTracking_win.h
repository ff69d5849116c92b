// Hover of the image buttons: lit while the pointer is over the button and
// the application is active; the button holds the mouse capture meanwhile so
// that it sees the pointer leave.
#pragma once

#include <windows.h>

class HoverTracking {
 public:
  bool hover() const { return hover_; }
  // Sets hover; true when it changed.
  bool Set(bool hover);

  enum class Change { kNone, kStarted, kEnded };
  // WM_MOUSEMOVE after the default handling.
  Change OnMouseMove(HWND button, WPARAM keys, LPARAM lParam);

  // The window that activates on a press and gets hover notifications: the
  // owner when one is set, else the parent.
  static HWND Owner(HWND button);
  // A press activates the owner's top-level window when it is not active.
  static void ActivateOwner(HWND button);
  // Owner-drawn and out of the tab order. The style is set directly: during
  // creation the button has not seen WM_CREATE yet.
  static void MakeOwnerDrawn(HWND button);

 private:
  bool hover_ = false;
};
