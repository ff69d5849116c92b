// Rules of the pop-ups that choose a macro or a recoil pattern for a mouse
// button: where they start, what repeat they show, which menu commands set
// the repeat type, and what the button slot gets when the user confirms.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/MouseConfig.h"

class Library;

// The repeat-type menu's commands: 96 + type, labelled by the texts of the
// same numbers.
constexpr int kRepeatCommandFirst = 96;
constexpr int kRepeatTypes = 4;
// The count box's limit.
constexpr int kMaxPopupRepeatCount = 15;

// The pop-up's repeat: type 0..3 and the count box's number 0..15.
struct RepeatChoice {
  std::uint8_t type = 0;
  int count = 1;

  bool operator==(const RepeatChoice&) const = default;
};

// The repeat a record or a slot holds, kept inside what the pop-up can show:
// an unknown type is 0, the count is cut to 0..15.
RepeatChoice RepeatOf(std::uint8_t type, int times);

// The repeat type a command of the repeat-type menu chooses; nothing for any
// other command, so that the type stays 0..3.
std::optional<std::uint8_t> RepeatTypeOfCommand(int command);
// Only "repeat n times" (type 1) takes a count.
inline bool CountBoxEnabled(std::uint8_t type) { return type == 1; }

// Where a pop-up starts and the repeat it shows.
struct SelectionStart {
  int position = -1;  // the row selected at start, -1 for an empty library
  RepeatChoice repeat;
  // Per row, the repeat shown when the user picks that row; empty when the
  // repeat does not follow the row (the pattern pop-up).
  std::vector<RepeatChoice> rowRepeats;
};

// The macro pop-up for a slot: on the row of the slot's macro when it holds
// one (else the first row). Each row shows its macro's own repeat, except the
// row of the slot's own macro, which shows the slot's; a slot holding a macro
// starts with its own repeat.
SelectionStart MacroSelectionStart(const Library& macros, const ButtonSlot& slot);
// The pattern pop-up: on the row of the slot's pattern when it holds one,
// showing the slot's repeat then; the repeat does not follow the row.
SelectionStart PatternSelectionStart(const Library& patterns, const ButtonSlot& slot);

// A library number outside 0..99 becomes 0 before a pop-up opens.
void ClampSlotLibrary(ButtonSlot& slot);

// After OK: the slot plays the macro at `position` (the library number the
// file stores there) with the repeat the pop-up showed; the count is kept
// only for type 1. False, with the slot untouched, when the position has no
// entry or the file's number there lies outside 0..99.
bool AssignChosenMacro(ButtonSlot& slot, const Library& macros, int position,
                       const RepeatChoice& repeat);
// The same for a pattern; the slot's repeat bytes keep their values.
bool AssignChosenPattern(ButtonSlot& slot, const Library& patterns, int position);
