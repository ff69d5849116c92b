// Private messages and timers of the skinned controls. The numbers are fixed:
// pages, editors and pop-ups all speak them.
#pragma once

// Slider: wParam value, lParam control id; posted to the parent.
constexpr unsigned UM_SLIDER_POS = 0x0446;
// CBitmapBtn2: the pointer started hovering; wParam control id, lParam button window.
constexpr unsigned UM_BTN_HOVER = 0x0481;
// Menu pick and double pick: wParam high word item index, low word the menu's
// tag (0xFFFF for a root menu); lParam high word item value. A pick forwarded
// from a submenu has parent index / child index and parent value / child value.
constexpr unsigned UM_MENU_PICK = 0x0501;
constexpr unsigned UM_MENU_DBLPICK = 0x5401;
// A library list's row menu: wParam the row, lParam the command (112..127).
constexpr unsigned UM_NAMELIST_COMMAND = 0x05F5;
// CListBoxEx: a left press; wParam the row nearest the pointer.
constexpr unsigned UM_LIST_SELECT = 0x3420;

// Window timers of the controls.
constexpr unsigned TIMER_SLIDER_TIP = 1001;
constexpr unsigned TIMER_SCROLL_DELAY = 200;
constexpr unsigned TIMER_SCROLL_REPEAT = 100;
