#include "macro/EditorDrafts.h"

#include <algorithm>

#include "macro/EditorBoxes.h"
#include "settings/IniFile.h"

namespace {

// The record at a list position, read from the file rather than the copy.
LibraryEntry StoredRecord(const Library& library, int position) {
  LibraryEntry entry;
  entry.number = library.NumberAtPosition(position);
  ReadRecord(library.kind(), entry, IniFile(library.path()),
             RecordSection(library.kind(), entry.number));
  return entry;
}

}  // namespace

MacroDraft OpenMacro(const Library& macros, int position, std::u16string_view word) {
  MacroDraft draft;
  if (position == kNewRecord) {
    draft.number = macros.NewLibraryNumber();
    draft.name = macros.DefaultName(word);
    return draft;
  }
  const LibraryEntry stored = StoredRecord(macros, position);
  draft.number = stored.number;
  draft.isNew = false;
  draft.name = stored.name;
  draft.repeatType = stored.repeatType;
  if (stored.repeatType == 1) draft.repeatCount = stored.repeatTimes;
  draft.events = MacroEvents(stored.events);
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
  if (position == kNewRecord) {
    draft.number = patterns.NewLibraryNumber();
    draft.name = patterns.DefaultName(word);
    return draft;
  }
  const LibraryEntry stored = StoredRecord(patterns, position);
  draft.number = stored.number;
  draft.isNew = false;
  draft.nameEditable = position >= patterns.traits().protectedPositions;
  draft.name = stored.name;
  draft.repeatType = stored.repeatType;
  // "BulletNum" 0, or -1 without move events, would leave no column to show.
  draft.shots = std::clamp(stored.shots, 1, kMaxShots);
  const int held = CountEvents(stored.events) / kEventsPerShot;
  const std::vector<Shot> shots = PatternShots(stored.events, std::min(draft.shots, held));
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
