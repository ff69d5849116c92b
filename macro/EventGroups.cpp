#include "macro/EventGroups.h"

#include <algorithm>

#include "macro/KeyNames.h"
#include "macro/Patterns.h"

MacroEvents::MacroEvents(const EventList& stored) : count(CountEvents(stored)) {
  std::copy_n(stored.begin(), count, list.begin());
}

void MacroEvents::Clear() {
  list = EventList{};
  count = 0;
}

bool MacroEvents::Append(MacroEvent event) {
  if (count >= kEventCapacity) return false;
  list[count++] = event;
  return true;
}

EventKind KindAt(const MacroEvents& events, int position) {
  if (position < 0 || position >= events.count) return EventKind::kNone;
  const MacroEvent& e = events.list[position];
  if (e.code == kEventDelay) return EventKind::kDelay;
  return e.value == 1 ? EventKind::kPress : EventKind::kRelease;
}

KeystrokeGroup GroupAt(const MacroEvents& events, int s) {
  switch (KindAt(events, s)) {
    case EventKind::kDelay: {
      const EventKind before = KindAt(events, s - 1);
      const int start = before == EventKind::kPress     ? s - 1
                        : before == EventKind::kRelease ? s - 3
                                                        : 0;
      return {start, 1};
    }
    case EventKind::kPress:
      return {s, KindAt(events, s + 1) == EventKind::kDelay ? 1 : 0};
    case EventKind::kRelease: {
      const int d = KindAt(events, s - 1) == EventKind::kDelay ? 1 : 0;
      return {s - d - 1, d};
    }
    case EventKind::kNone:
      break;
  }
  return {0, 1};
}

namespace {

// The press, the inner delay and the release exist; the trailing delay may be
// missing, which only happens to the last group.
bool Inside(const MacroEvents& events, const KeystrokeGroup& g) {
  return g.start >= 0 && g.start + g.size() - g.innerDelay <= events.count;
}

// Gives a last group its missing trailing delay. False when the list is full.
bool CompleteTrailingDelay(MacroEvents& events, const KeystrokeGroup& g) {
  if (g.innerDelay == 0 || g.start + g.size() <= events.count) return true;
  return events.Append({kEventDelay, 0, kMovedGroupDelay});
}

void Exchange(MacroEvents& events, int first, int second, int size) {
  std::swap_ranges(events.list.begin() + first, events.list.begin() + first + size,
                   events.list.begin() + second);
}

GroupEditResult Modify(MacroEvents& events, int s, const KeystrokeGroup& g, int code) {
  if (MacroEventName(code).empty()) return {};
  const auto c = static_cast<std::uint8_t>(code);
  events.list[g.start] = {c, 0, 1};
  events.list[g.start + g.innerDelay + 1] = {c, 0, 0};
  return {true, s};
}

GroupEditResult Delete(MacroEvents& events, const KeystrokeGroup& g) {
  const int end = std::min(g.start + g.size(), events.count);
  auto first = events.list.begin();
  std::copy(first + end, first + events.count, first + g.start);
  const int newCount = events.count - (end - g.start);
  std::fill(first + newCount, first + events.count, MacroEvent{});
  events.count = newCount;
  return {true, RowAfterDelete(g.start, newCount)};
}

GroupEditResult MoveUp(MacroEvents& events, const KeystrokeGroup& g) {
  const int m = g.size();
  if (g.start < m) return {};
  if (!CompleteTrailingDelay(events, g)) return {};
  Exchange(events, g.start - m, g.start, m);
  return {true, g.start - m};
}

GroupEditResult MoveDown(MacroEvents& events, const KeystrokeGroup& g) {
  const int m = g.size();
  const KeystrokeGroup below{g.start + m, g.innerDelay};
  if (!Inside(events, below)) return {};
  if (!CompleteTrailingDelay(events, below)) return {};
  Exchange(events, g.start, below.start, m);
  return {true, below.start};
}

}  // namespace

GroupEditResult EditGroup(MacroEvents& events, int selected, GroupEdit edit, int code) {
  // A row that holds no event selects no group.
  if (KindAt(events, selected) == EventKind::kNone) return {};
  const KeystrokeGroup g = GroupAt(events, selected);
  if (!Inside(events, g)) return {};
  switch (edit) {
    case GroupEdit::kModify:
      return Modify(events, selected, g, code);
    case GroupEdit::kDelete:
      return Delete(events, g);
    case GroupEdit::kMoveUp:
      return MoveUp(events, g);
    case GroupEdit::kMoveDown:
      return MoveDown(events, g);
  }
  return {};
}

bool MoveUpAllowed(int selected) { return selected >= kMoveUpFirstRow; }

bool MoveDownAllowed(const MacroEvents& events, int selected) {
  const int k = KindAt(events, events.count - 1) == EventKind::kDelay ? 4 : 3;
  return selected >= 0 && selected < events.count - k;
}

ModifyAction ModifyActionFor(const MacroEvents& events, int selected) {
  switch (KindAt(events, selected)) {
    case EventKind::kDelay:
      return ModifyAction::kEditDelay;
    case EventKind::kPress:
    case EventKind::kRelease:
      return ModifyAction::kRecordNewKey;
    case EventKind::kNone:
      break;
  }
  return ModifyAction::kNothing;
}

bool CommitDelay(MacroEvents& events, int openedRow, int typed) {
  if (KindAt(events, openedRow) != EventKind::kDelay) return false;
  events.list[openedRow].value = static_cast<std::uint16_t>(std::clamp(typed, 1, kMaxDelay));
  return true;
}

int RowAfterDelete(int position, int rowsLeft) {
  if (rowsLeft <= 0) return -1;
  return std::clamp(position, 0, rowsLeft - 1);
}
