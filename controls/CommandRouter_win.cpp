#include "controls/CommandRouter_win.h"

#include "controls/BtnMenu_win.h"

bool CloseOpenPopup() {
  if (!CurrentPopupMenu) return false;
  CloseCurrentPopupMenu();
  return true;
}
