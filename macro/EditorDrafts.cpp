#include "macro/EditorDrafts.h"

#include <algorithm>

#include "macro/EditorBoxes.h"
#include "settings/IniFile.h"

namespace {

// A new record (the smallest free number, the default name made of `word`),
// or the record at a list position as the file holds it; true for a new one.
bool OpenRecord(const Library& library, int position, std::u16string_view word,
                LibraryEntry& record) {
  if (position == kNewRecord) {
    record.number = library.NewLibraryNumber();
    record.name = library.DefaultName(word);
    return true;
  }
  record.number = library.NumberAtPosition(position);
  ReadRecord(library.kind(), record, IniFile(library.path()),
             RecordSection(library.kind(), record.number));
  return false;
}

}  // namespace

MacroDraft OpenMacro(const Library& macros, int position, std::u16string_view word) {
  MacroDraft draft;
  LibraryEntry record;
  draft.isNew = OpenRecord(macros, position, word, record);
  draft.number = record.number;
  draft.name = record.name;
  draft.repeatType = record.repeatType;
  if (record.repeatType == 1) draft.repeatCount = record.repeatTimes;
  draft.events = MacroEvents(record.events);
  return draft;
}

LibraryEntry MacroToSave(const MacroDraft& draft) {
  LibraryEntry record;
  record.number = draft.number;
  record.name = draft.name;
  record.repeatType = draft.repeatType;
  record.repeatTimes = static_cast<std::uint8_t>(std::clamp(draft.repeatCount, 0, kMaxRepeatCount));
  record.events = draft.events.list;
  return record;
}

PatternDraft OpenPattern(const Library& patterns, int position, std::u16string_view word) {
  PatternDraft draft;
  LibraryEntry record;
  draft.isNew = OpenRecord(patterns, position, word, record);
  draft.number = record.number;
  draft.nameEditable = draft.isNew || position >= patterns.traits().protectedPositions;
  draft.name = record.name;
  draft.repeatType = record.repeatType;
  // "BulletNum" 0, or -1 without move events, would leave no column to show.
  draft.shots = std::clamp(record.shots, 1, kMaxShots);
  const int held = CountEvents(record.events) / kEventsPerShot;
  const std::vector<Shot> shots = PatternShots(record.events, std::min(draft.shots, held));
  std::copy(shots.begin(), shots.end(), draft.columns.begin());
  return draft;
}

LibraryEntry PatternToSave(const PatternDraft& draft) {
  LibraryEntry record;
  record.number = draft.number;
  record.name = draft.name;
  record.repeatType = draft.repeatType;
  record.shots = std::clamp(draft.shots, 1, kMaxShots);
  const std::vector<Shot> shots(draft.columns.begin(), draft.columns.begin() + record.shots);
  record.events = PatternEvents(shots, draft.number);
  return record;
}
