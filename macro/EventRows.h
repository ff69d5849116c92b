// How the macro editor's event list shows events: one row per event, with a
// press, release or delay icon.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "macro/EventGroups.h"

// Icon ids of the event list's rows.
enum RowIcon : int { kIconNone = -1, kIconDelay = 128, kIconPress = 137, kIconRelease = 138 };

struct EventRow {
  std::u16string text;
  RowIcon icon;
  bool operator==(const EventRow&) const = default;
};

// A delay as prefix + number + " " + suffix (the skin's texts around the
// number); a key or button by its name, with the press icon for value 1 and
// the release icon otherwise.
EventRow RowOf(const MacroEvent& event, std::u16string_view delayPrefix,
               std::u16string_view delaySuffix);
// One row per event; a list without events shows one empty placeholder row
// (no icon), and the window disables the list.
std::vector<EventRow> ListRows(const MacroEvents& events, std::u16string_view delayPrefix,
                               std::u16string_view delaySuffix);
// What the in-place delay editor opens with: the delay's number.
std::u16string DelayEditorText(const MacroEvent& delay);
