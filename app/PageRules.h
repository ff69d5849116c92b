// Rules of the main window's pages that need no window: which controls a page
// shows for a profile, the lighting modes, the kinds of menu picks and the
// captions that are cut from skin texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/MainInventory.h"

struct ProfileRecord;

// Which colour controls of the lighting page are active.
enum class LightingMode : int {
  kOneColour = 0,      // effect 6, or the lighting switched off
  kColourOrCycle = 1,  // effects 0 and 5: one colour, or colour cycling
  kCycleSlots = 2,     // effect 1: the seven cycle slots
  kNoColour = 3,       // effects 2, 3, 4 and unknown ones
};

LightingMode LightingModeOf(int lightType);
// Whether typing into the colour edits takes effect: one colour is in use.
bool ColourEditsActive(int lightType, int cycleEnable);

// The library panel's state that decides whether a name list shows.
struct LibraryListsState {
  bool macroTabChecked = true;
  int macroRows = 0;
  int patternRows = 0;
};

// A profile renamed in place: the name edit stands over the control it
// covers (the drop-down or a profile's name), which is hidden meanwhile.
struct RenameInPlace {
  bool active = false;
  Ctl covered = Ctl::kProfileMenu;
  int index = 0;
};

// The visibility ShowPage gives the controls of one page for one profile.
struct PageView {
  int page = 0;
  bool colourEdits = false;   // red, green and blue edits
  bool enhanceOn = false;     // "SENSITIVITY" 62 instead of 61
  bool pageScrollOn = false;  // "SENSITIVITY" "64 " instead of 63
  bool cycleOn = false;       // the button that turns colour cycling on
  bool cycleOff = false;      // the button that turns it off
  bool nameList = false;      // the checked tab's name list (it has rows)
  RenameInPlace rename;
  bool rowHoverTimer = false;

  bool Shows(ShownOn rule) const;
};

PageView ViewOfPage(int page, const ProfileRecord& profile, const LibraryListsState& lists = {},
                    const RenameInPlace& rename = {});
// What a first start shows on a page: the default settings, the built-in
// patterns and no macros, the macro tab checked, nothing renamed.
PageView FirstStartView(int page);

// Whether the window of an inventory entry is shown in `view`: by its page
// rule, or by its own rule for the kOwnRule entries. Rectangles that are no
// window are never shown.
bool ShownOnPage(const InventoryEntry& entry, const PageView& view);

// Kinds of the values a popup menu of the main window reports.
enum class MenuPick {
  kSensitivityValue,  // 0..7: DPI table entry of the active level
  kProfile,           // 16..47: profile 0..
  kProfileEdit,       // 48..63: rename, import, export
  kEffect,            // 64..79: lighting effect 0..
  kFunction,          // anything else: a function code for the selected row
};
MenuPick ClassifyMenuPick(int value);

// Captions of the colour-cycle pair from one skin Text: the first word for the
// "off" button, the matching tail of the text for the "on" button.
struct CyclePairCaptions {
  std::u16string offButton;
  std::u16string onButton;
};
CyclePairCaptions SplitCyclePairCaption(std::u16string_view text);

// Page tabs are drawn smaller in the language that needs more room.
int TabFontHeight(int lanId);
// The lighting effect button's caption shrinks the same way.
int EffectFontHeight(int lanId);
