// What the macro and recoil editors open and save: the record being edited,
// read from the library file, and the record they hand to the library's save.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "macro/EventGroups.h"
#include "macro/Library.h"
#include "macro/Patterns.h"

constexpr int kNewRecord = -1;  // the list position of a record not yet in the library

struct MacroDraft {
  int number = -1;  // library number
  bool isNew = true;
  std::u16string name;
  std::uint8_t repeatType = 0;
  int repeatCount = 1;  // the count box; stored only for repeat type 1
  MacroEvents events;
};

// A new macro (position kNewRecord: the smallest free number and the default
// name made of `word`), or the record at a list position as the file holds it.
MacroDraft OpenMacro(const Library& macros, int position, std::u16string_view word);
// The record the save writes; the repeat count kept to 0..15.
LibraryEntry MacroToSave(const MacroDraft& draft);

struct PatternDraft {
  int number = -1;
  bool isNew = true;
  bool nameEditable = true;  // the built-in positions keep their names
  std::u16string name;
  std::uint8_t repeatType = 0;  // written back as loaded
  int shots = 1;                // 1..8 columns show
  std::array<Shot, kMaxShots> columns{};
};

// A new pattern, or the record at a list position. The shot count is kept to
// 1..8 whatever the file says; columns whose shot the stored events do not
// hold keep their initial values.
PatternDraft OpenPattern(const Library& patterns, int position, std::u16string_view word);
// The record the save writes: the events of the first `shots` columns, fired
// with the code of the pattern's number.
LibraryEntry PatternToSave(const PatternDraft& draft);
