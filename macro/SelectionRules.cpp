#include "macro/SelectionRules.h"

#include <algorithm>

#include "macro/Library.h"

namespace {

// The list position of the entry with a library number, 0 when no entry has it.
int PositionOfNumber(const Library& library, int number) {
  const std::vector<LibraryEntry>& entries = library.entries();
  for (std::size_t p = 0; p < entries.size(); ++p)
    if (entries[p].number == number) return static_cast<int>(p);
  return 0;
}

// Where a pop-up for `library` starts: the row of the slot's entry when the
// slot holds one of this library's entries, else the first row.
int StartPosition(const Library& library, const ButtonSlot& slot) {
  if (library.size() == 0) return -1;
  if (slot.code != library.traits().buttonCode) return 0;
  return PositionOfNumber(library, slot.library);
}

}  // namespace

RepeatChoice RepeatOf(std::uint8_t type, int times) {
  RepeatChoice choice;
  choice.type = type < kRepeatTypes ? type : 0;
  choice.count = std::clamp(times, 0, kMaxPopupRepeatCount);
  return choice;
}

std::optional<std::uint8_t> RepeatTypeOfCommand(int command) {
  const int type = command - kRepeatCommandFirst;
  if (type < 0 || type >= kRepeatTypes) return std::nullopt;
  return static_cast<std::uint8_t>(type);
}

SelectionStart MacroSelectionStart(const Library& macros, const ButtonSlot& slot) {
  SelectionStart start;
  start.position = StartPosition(macros, slot);
  const bool holdsMacro = slot.code == macros.traits().buttonCode;
  const RepeatChoice slotRepeat = RepeatOf(slot.repeatType, slot.repeatTimes);
  for (const LibraryEntry& entry : macros.entries()) {
    const bool slotsOwn = holdsMacro && entry.number == slot.library;
    start.rowRepeats.push_back(slotsOwn ? slotRepeat
                                        : RepeatOf(entry.repeatType, entry.repeatTimes));
  }
  if (holdsMacro)
    start.repeat = slotRepeat;
  else if (start.position >= 0)
    start.repeat = start.rowRepeats[start.position];
  return start;
}

SelectionStart PatternSelectionStart(const Library& patterns, const ButtonSlot& slot) {
  SelectionStart start;
  start.position = StartPosition(patterns, slot);
  if (slot.code == patterns.traits().buttonCode)
    start.repeat = RepeatOf(slot.repeatType, slot.repeatTimes);
  return start;
}

void ClampSlotLibrary(ButtonSlot& slot) {
  if (slot.library < 0 || slot.library >= kLibraryCapacity) slot.library = 0;
}

namespace {

// The library number a chosen position stands for, -1 when it is no entry's
// or the file stores a number outside 0..99 there.
int ChosenNumber(const Library& library, int position) {
  if (!library.HasPosition(position)) return -1;
  const int number = library.NumberAtPosition(position);
  return number >= 0 && number < kLibraryCapacity ? number : -1;
}

}  // namespace

bool AssignChosenMacro(ButtonSlot& slot, const Library& macros, int position,
                       const RepeatChoice& repeat) {
  const int number = ChosenNumber(macros, position);
  if (number < 0) return false;
  const RepeatChoice kept = RepeatOf(repeat.type, repeat.count);
  const int times = CountBoxEnabled(kept.type) ? kept.count : 0;
  AssignMacro(slot, number, kept.type, static_cast<std::uint8_t>(times));
  return true;
}

bool AssignChosenPattern(ButtonSlot& slot, const Library& patterns, int position) {
  const int number = ChosenNumber(patterns, position);
  if (number < 0) return false;
  AssignPattern(slot, number);
  return true;
}
