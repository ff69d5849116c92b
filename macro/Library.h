// The macro library and the recoil-pattern library: one INI file each in the
// per-user folder, and the main window's copy of it. Both libraries work the
// same way and differ only in the names and codes of LibraryTraits.
//
// Library file layout: section "Setting" holds "Total" and the position keys
// "0".."Total-1", each naming the library number of the entry at that list
// position; each entry lives in the section prefix + its number ("Name",
// "ReaptTimes", "ReaptType", "Macro" and, for patterns, "BulletNum").
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/MouseConfig.h"

class IniFile;
class StoredFile;

enum class LibraryKind { kMacro, kPattern };

struct LibraryTraits {
  std::u16string_view fileName;       // in the per-user folder, no extension
  std::u16string_view sectionPrefix;  // record sections; alone, the export file's section
  int defaultNameText;                // skin text id of the default-name word
  std::uint8_t buttonCode;            // function code of a button playing an entry
  std::u16string_view extension;      // export files
  std::u16string_view fileFilter;     // file dialogs
  std::u16string_view initialFileName;
  int protectedPositions;  // list positions that cannot be deleted
  bool hasShots;           // records carry "BulletNum"
};
const LibraryTraits& TraitsOf(LibraryKind kind);

constexpr int kLibraryCapacity = 100;
// Button rows of the profile on screen that mark library entries as in use.
constexpr int kShownButtons = 6;

struct MacroRecord {
  std::u16string name;
  std::uint8_t repeatType = 0;   // "ReaptType"
  std::uint8_t repeatTimes = 0;  // "ReaptTimes"
  EventList events{};
  int number = 0;  // library number: names the record's section, not its list position
};

struct BulletRecord : MacroRecord {
  int shots = 1;  // "BulletNum"
};

// An entry of either library; macros leave `shots` unused.
using LibraryEntry = BulletRecord;

// Results of the library operations. The positive ones are the warning the
// window shows.
enum LibraryResult : int {
  kLibraryDone = 0,
  kLibraryFull = kWarnLibraryFull,
  kLibraryEntryInUse = kWarnEntryInUse,
  kLibraryNothingDone = -1,     // no entry at that position, or a protected one
  kLibraryFileMissing = -2,     // the file to import does not exist
  kLibraryWriteFailed = -3,     // the file could not be written; nothing changed
  kLibraryFileUnreadable = -4,  // the file to import or export into could not be read
  kLibraryUnreadable = -5,      // the library file could not be read; it is left alone
};
// The warning to show for a result, kAccepted for none.
Warning WarningOf(LibraryResult result);

// Section prefix + number, e.g. "MacroProfile7".
std::u16string RecordSection(LibraryKind kind, int number);
// Reads one record from `section`: the events are cleared first and stay empty
// when "Macro" is missing or damaged; repeat values are cut to a byte; for
// patterns "BulletNum" (default 1) of -1 means the number of move events.
void ReadRecord(LibraryKind kind, LibraryEntry& entry, const IniFile& file,
                std::u16string_view section);
// Writes "Name", "Macro", "ReaptTimes", "ReaptType" and, for patterns,
// "BulletNum" with the value given.
void WriteRecord(LibraryKind kind, const LibraryEntry& entry, IniFile& file,
                 std::u16string_view section, int bulletNum);

// A library file that exists but cannot be read whole (see ReadResult) is
// never written: loading it gives an empty copy, and every operation that would
// write the file refuses with kLibraryUnreadable until a later load reads it.
class Library {
 public:
  Library(LibraryKind kind, std::filesystem::path file);
  Library(LibraryKind kind, std::shared_ptr<StoredFile> file);

  LibraryKind kind() const { return kind_; }
  const LibraryTraits& traits() const { return TraitsOf(kind_); }
  const std::filesystem::path& path() const;
  const std::shared_ptr<StoredFile>& file() const { return file_; }
  const std::vector<LibraryEntry>& entries() const { return entries_; }
  int size() const { return static_cast<int>(entries_.size()); }
  bool HasPosition(int position) const { return position >= 0 && position < size(); }

  // Rebuilds the copy from the library file; a missing file gives an empty
  // library. False when the file exists but could not be read: the copy is
  // then empty and writes are refused.
  bool LoadLibraryFile();
  // Whether the last load found a file it could not read.
  bool unreadable() const { return unreadable_; }
  // Smallest number 0..99 no entry uses, -1 when all are taken.
  int NewLibraryNumber() const;
  // word + " " + the smallest n in 1..100 that is no entry's name; empty when
  // all are taken. The word is the skin's default-name text of the library.
  std::u16string DefaultName(std::u16string_view word) const;
  // The "Name" stored in the file for a number; when empty, word + " " +
  // (number + 1); for -1 the word alone. Buttons are labelled with it.
  std::u16string EntryName(int number, std::u16string_view word) const;
  // The library number the file stores at a list position, -1 when none.
  int NumberAtPosition(int position) const;

  // kLibraryFull when a new entry cannot be added.
  LibraryResult CheckRoomForNew() const;
  // Replaces the file with the copy: sections of numbers no entry has are gone.
  // False, with the file untouched, when it could not be read or written.
  bool WriteLibrary() const;
  // Writes the entry into the export section of `file`, keeping what else the
  // file holds. Patterns are exported with "BulletNum" -1.
  LibraryResult ExportRecord(int position, const std::filesystem::path& file) const;
  LibraryResult ExportRecord(int position, std::shared_ptr<StoredFile> file) const;
  // Appends the record of an export file under a new number and rewrites the
  // library. The name is the file's (empty when absent); a name equal to an
  // entry's gets "-1" appended until it is unique (see UniqueEntryName).
  // `position` receives the new entry's position.
  LibraryResult ImportRecord(const std::filesystem::path& file, int* position = nullptr);
  LibraryResult ImportRecord(std::shared_ptr<StoredFile> file, int* position = nullptr);
  // Removes the entry at a position. `marker` is the row's in-use marker
  // (InUseMarkers); a non-zero marker refuses with warning 18.
  LibraryResult DeleteEntry(int position, int marker);
  // Per list position, the in-use marker for the profile on screen: the slot
  // index + 1 of the last shown button whose macro or pattern bears the
  // entry's name, 0 for none. `word` as for EntryName.
  std::vector<int> InUseMarkers(const ProfileRecord& profile, std::u16string_view word) const;

  // What the editors' save does: for a new record, first the next position key
  // and "Total"; then the record's section. Macros store "ReaptTimes" only for
  // repeat type 1; patterns store "ReaptTimes" 0 and "BulletNum". The copy is
  // not changed: the caller reloads the library afterwards.
  LibraryResult SaveEditedRecord(const LibraryEntry& record, bool isNew) const;

  // Copies the events of the entry a slot refers to from the library file,
  // when the slot holds this library's function code and a number other than
  // -1. Returns whether the slot was filled; a library file that cannot be
  // read leaves the slot with the events it had.
  bool FillSlot(ButtonSlot& slot) const;
  bool FillSlot(ButtonSlot& slot, const IniFile& file) const;

 private:
  LibraryKind kind_;
  std::shared_ptr<StoredFile> file_;
  std::vector<LibraryEntry> entries_;
  bool unreadable_ = false;
};

// `name` made unlike every entry's: "-1" is appended, again and again, while it
// equals one. The result never exceeds kMaxStringUnits, so the library file
// gives it back whole: a name that would grow past the limit is cut first.
std::u16string UniqueEntryName(std::u16string_view name, const std::vector<LibraryEntry>& entries);

inline std::u16string DefaultMacroName(const Library& macros, std::u16string_view word) {
  return macros.DefaultName(word);
}
inline std::u16string DefaultPatternName(const Library& patterns, std::u16string_view word) {
  return patterns.DefaultName(word);
}
inline std::u16string MacroName(const Library& macros, int number, std::u16string_view word) {
  return macros.EntryName(number, word);
}
inline std::u16string PatternName(const Library& patterns, int number, std::u16string_view word) {
  return patterns.EntryName(number, word);
}
