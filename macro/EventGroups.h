// The macro editor's event list and the keystroke groups its list commands act
// on. A group is a press, an optional inner delay, the release and, when delays
// are recorded, the delay after the release; the last group of a list may lack
// that trailing delay. Every operation here checks that the group it touches
// lies inside the list, so the count stays within 0..kEventCapacity.
#pragma once

#include "settings/MouseConfig.h"

constexpr int kMaxDelay = 12750;      // longest delay an event holds, milliseconds
constexpr int kMovedGroupDelay = 50;  // the trailing delay a moved last group gets
constexpr int kMoveUpFirstRow = 4;    // the move-up button acts from this row on

// The events being edited. Every event from `count` on is all zero, so the
// list can be stored as it is.
struct MacroEvents {
  EventList list{};
  int count = 0;

  MacroEvents() = default;
  // A stored list: its events up to the first zero code.
  explicit MacroEvents(const EventList& stored);
  void Clear();
  // False, and nothing appended, when the list is full.
  bool Append(MacroEvent event);
};

enum class EventKind { kNone, kPress, kRelease, kDelay };
// kNone outside 0..count - 1.
EventKind KindAt(const MacroEvents& events, int position);

struct KeystrokeGroup {
  int start;       // may lie outside the list; see EditGroup
  int innerDelay;  // 1 when delays are present (press, delay, release, delay)
  int size() const { return 2 * innerDelay + 2; }
};
// The group holding the selected position.
KeystrokeGroup GroupAt(const MacroEvents& events, int selected);

enum class GroupEdit { kModify, kDelete, kMoveUp, kMoveDown };
struct GroupEditResult {
  bool done = false;
  int selection = -1;  // the row to select afterwards, -1 none
};
// Runs a list command on the group of `selected`. Modify gives the group the
// key or button `code` (only a code with a name); delete removes the group;
// the moves exchange it with the group above or below, first giving the last
// group of the pair a 50 ms trailing delay when it has none. A command on a row
// without an event, on groups that do not lie inside the list, or that would
// need a 93rd event, changes nothing.
GroupEditResult EditGroup(MacroEvents& events, int selected, GroupEdit edit, int code = 0);

// The guards of the move buttons.
bool MoveUpAllowed(int selected);
bool MoveDownAllowed(const MacroEvents& events, int selected);

enum class ModifyAction { kNothing, kEditDelay, kRecordNewKey };
// What the modify button does for the selected row.
ModifyAction ModifyActionFor(const MacroEvents& events, int selected);

// The in-place delay editor's commit: the delay at the row the editor was
// opened on takes the typed number, limited to 1..12750. False, and nothing
// written, when that row is no delay (any more).
bool CommitDelay(MacroEvents& events, int openedRow, int typed);

// The row an event list selects after deleting row `position`: the same
// position, or the new last row; -1 when no row is left.
int RowAfterDelete(int position, int rowsLeft);
