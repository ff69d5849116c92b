#include "macro/Library.h"

#include <algorithm>

#include "macro/Patterns.h"
#include "settings/IniFile.h"
#include "settings/StoredFile.h"
#include "settings/Utf.h"

namespace {

constexpr char16_t kSetting[] = u"Setting";
constexpr char16_t kTotal[] = u"Total";
constexpr char16_t kName[] = u"Name";
constexpr char16_t kRepeatTimes[] = u"ReaptTimes";
constexpr char16_t kRepeatType[] = u"ReaptType";
constexpr char16_t kShots[] = u"BulletNum";
constexpr char16_t kEvents[] = u"Macro";

const LibraryTraits kMacroTraits{u"MacroSetting",
                                 u"MacroProfile",
                                 0x90,
                                 kCodeMacro,
                                 u".mac",
                                 u"Macro File(*.mac)|*.mac|",
                                 u"*.mac",
                                 0,
                                 false};
const LibraryTraits kPatternTraits{u"BulletSetting",
                                   u"BulletProfile",
                                   0x91,
                                   kCodePattern,
                                   u".mmac",
                                   u"M-Macro File(*.mmac)|*.mmac|",
                                   u"*.mmac",
                                   kBuiltInPatternCount,
                                   true};

// "Total" as a count of list positions: never negative, never past capacity.
int StoredTotal(const IniFile& ini) {
  return std::clamp<std::int32_t>(ini.ReadInt(kSetting, kTotal, 0), 0, kLibraryCapacity);
}

}  // namespace

const LibraryTraits& TraitsOf(LibraryKind kind) {
  return kind == LibraryKind::kMacro ? kMacroTraits : kPatternTraits;
}

Warning WarningOf(LibraryResult result) {
  switch (result) {
    case kLibraryFull:
      return kWarnLibraryFull;
    case kLibraryEntryInUse:
      return kWarnEntryInUse;
    default:
      return kAccepted;
  }
}

std::u16string RecordSection(LibraryKind kind, int number) {
  const std::u16string_view prefix = TraitsOf(kind).sectionPrefix;
  const std::u16string digits = DecimalText(number);
  std::u16string section;
  section.reserve(prefix.size() + digits.size());
  return section.append(prefix).append(digits);
}

void ReadRecord(LibraryKind kind, LibraryEntry& entry, const IniFile& file,
                std::u16string_view section) {
  entry.name = file.ReadString(section, kName);
  entry.events = EventList{};
  EventList events{};
  if (file.ReadStruct(section, kEvents, events.data(), sizeof events)) entry.events = events;
  entry.repeatTimes = static_cast<std::uint8_t>(file.ReadInt(section, kRepeatTimes, 0));
  entry.repeatType = static_cast<std::uint8_t>(file.ReadInt(section, kRepeatType, 0));
  if (TraitsOf(kind).hasShots) {
    entry.shots = file.ReadInt(section, kShots, 1);
    if (entry.shots == -1) entry.shots = CountMoveEvents(entry.events);
  }
}

void WriteRecord(LibraryKind kind, const LibraryEntry& entry, IniFile& file,
                 std::u16string_view section, int bulletNum) {
  file.WriteString(section, kName, entry.name);
  file.WriteStruct(section, kEvents, entry.events.data(), sizeof entry.events);
  file.WriteInt(section, kRepeatTimes, entry.repeatTimes);
  file.WriteInt(section, kRepeatType, entry.repeatType);
  if (TraitsOf(kind).hasShots) file.WriteInt(section, kShots, bulletNum);
}

Library::Library(LibraryKind kind, std::filesystem::path file)
    : Library(kind, std::make_shared<DiskFile>(std::move(file))) {}

Library::Library(LibraryKind kind, std::shared_ptr<StoredFile> file)
    : kind_(kind), file_(std::move(file)) {}

const std::filesystem::path& Library::path() const { return file_->path(); }

bool Library::LoadLibraryFile() {
  const IniFile ini(file_);
  unreadable_ = ini.unreadable();
  const int total = StoredTotal(ini);
  std::vector<LibraryEntry> entries(total);
  for (int i = 0; i < total; ++i) {
    LibraryEntry& e = entries[i];
    e.number = ini.ReadInt(kSetting, DecimalText(i), i);
    ReadRecord(kind_, e, ini, RecordSection(kind_, e.number));
  }
  entries_ = std::move(entries);
  return !unreadable_;
}

int Library::NewLibraryNumber() const {
  for (int n = 0; n < kLibraryCapacity; ++n)
    if (std::none_of(entries_.begin(), entries_.end(),
                     [n](const LibraryEntry& e) { return e.number == n; }))
      return n;
  return -1;
}

std::u16string Library::DefaultName(std::u16string_view word) const {
  std::vector<std::u16string> names;
  for (const LibraryEntry& e : entries_) names.push_back(e.name);
  return MakeDefaultName(word, kLibraryCapacity, names);
}

std::u16string Library::EntryName(int number, std::u16string_view word) const {
  if (number == -1) return std::u16string(word);
  const IniFile ini(file_);
  std::u16string name = ini.ReadString(RecordSection(kind_, number), kName);
  if (name.empty()) name = std::u16string(word) + u" " + DecimalText(std::int64_t{number} + 1);
  return name;
}

int Library::NumberAtPosition(int position) const {
  if (position < 0) return -1;
  const IniFile ini(file_);
  return ini.ReadInt(kSetting, DecimalText(position), -1);
}

LibraryResult Library::CheckRoomForNew() const {
  return size() >= kLibraryCapacity || NewLibraryNumber() < 0 ? kLibraryFull : kLibraryDone;
}

bool Library::WriteLibrary() const {
  // The copy of a file that could not be read is not the library.
  if (unreadable_) return false;
  // A fresh document, so that records of numbers no entry has do not survive;
  // the old file stays whole until the new one is complete.
  IniFile doc = IniFile::FromBytes({});
  doc.WriteInt(kSetting, kTotal, size());
  for (int i = 0; i < size(); ++i) doc.WriteInt(kSetting, DecimalText(i), entries_[i].number);
  for (const LibraryEntry& e : entries_)
    WriteRecord(kind_, e, doc, RecordSection(kind_, e.number), e.shots);
  return file_->Replace(doc.Serialize());
}

LibraryResult Library::ExportRecord(int position, const std::filesystem::path& file) const {
  return ExportRecord(position, std::make_shared<DiskFile>(file));
}

LibraryResult Library::ExportRecord(int position, std::shared_ptr<StoredFile> file) const {
  if (!HasPosition(position)) return kLibraryNothingDone;
  IniFile out(std::move(file));
  if (out.unreadable()) return kLibraryFileUnreadable;
  // An export file tells the importer to count the shots itself.
  WriteRecord(kind_, entries_[position], out, traits().sectionPrefix, -1);
  return out.Commit() ? kLibraryDone : kLibraryWriteFailed;
}

LibraryResult Library::ImportRecord(const std::filesystem::path& file, int* position) {
  return ImportRecord(std::make_shared<DiskFile>(file), position);
}

LibraryResult Library::ImportRecord(std::shared_ptr<StoredFile> file, int* position) {
  if (unreadable_) return kLibraryUnreadable;
  if (CheckRoomForNew() != kLibraryDone) return kLibraryFull;
  const IniFile in(std::move(file));
  if (!in.existed()) return kLibraryFileMissing;
  if (in.unreadable()) return kLibraryFileUnreadable;
  LibraryEntry entry;
  entry.number = NewLibraryNumber();
  ReadRecord(kind_, entry, in, traits().sectionPrefix);
  entry.name = UniqueEntryName(entry.name, entries_);
  entries_.push_back(std::move(entry));
  if (!WriteLibrary()) {
    entries_.pop_back();
    return kLibraryWriteFailed;
  }
  if (position) *position = size() - 1;
  return kLibraryDone;
}

LibraryResult Library::DeleteEntry(int position, int marker) {
  if (unreadable_) return kLibraryUnreadable;
  if (!HasPosition(position) || position < traits().protectedPositions) return kLibraryNothingDone;
  if (marker != 0) return kLibraryEntryInUse;
  const LibraryEntry removed = entries_[position];
  entries_.erase(entries_.begin() + position);
  if (!WriteLibrary()) {
    entries_.insert(entries_.begin() + position, removed);
    return kLibraryWriteFailed;
  }
  return kLibraryDone;
}

std::vector<int> Library::InUseMarkers(const ProfileRecord& profile,
                                       std::u16string_view word) const {
  std::vector<int> markers(entries_.size(), 0);
  for (int r = 0; r < kShownButtons; ++r) {
    const ButtonSlot& slot = profile.slots[r];
    if (slot.code != traits().buttonCode) continue;
    const std::u16string name = EntryName(slot.library, word);
    for (std::size_t p = 0; p < entries_.size(); ++p)
      if (entries_[p].name == name) markers[p] = r + 1;
  }
  return markers;
}

LibraryResult Library::SaveEditedRecord(const LibraryEntry& record, bool isNew) const {
  if (record.number < 0 || record.number >= kLibraryCapacity) return kLibraryNothingDone;
  IniFile ini(file_);
  if (ini.unreadable()) return kLibraryUnreadable;
  if (isNew) {
    const int total = StoredTotal(ini);
    if (total >= kLibraryCapacity) return kLibraryFull;
    ini.WriteInt(kSetting, DecimalText(total), record.number);
    ini.WriteInt(kSetting, kTotal, total + 1);
  }
  const std::u16string section = RecordSection(kind_, record.number);
  ini.WriteString(section, kName, record.name);
  if (traits().hasShots) {
    ini.WriteInt(section, kRepeatTimes, 0);
    ini.WriteInt(section, kRepeatType, record.repeatType);
    ini.WriteInt(section, kShots, record.shots);
  } else {
    ini.WriteInt(section, kRepeatTimes, record.repeatType == 1 ? record.repeatTimes : 0);
    ini.WriteInt(section, kRepeatType, record.repeatType);
  }
  ini.WriteStruct(section, kEvents, record.events.data(), sizeof record.events);
  return ini.Commit() ? kLibraryDone : kLibraryWriteFailed;
}

bool Library::FillSlot(ButtonSlot& slot) const {
  if (slot.code != traits().buttonCode || slot.library == -1) return false;
  return FillSlot(slot, IniFile(file_));
}

bool Library::FillSlot(ButtonSlot& slot, const IniFile& file) const {
  if (slot.code != traits().buttonCode || slot.library == -1 || file.unreadable()) return false;
  slot.count = 0;
  slot.events = EventList{};
  EventList events{};
  if (file.ReadStruct(RecordSection(kind_, slot.library), kEvents, events.data(), sizeof events))
    slot.events = events;
  slot.count = static_cast<std::uint8_t>(CountEvents(slot.events));
  return true;
}

std::u16string UniqueEntryName(std::u16string_view name, const std::vector<LibraryEntry>& entries) {
  const auto taken = [&entries](const std::u16string& candidate) {
    return std::any_of(entries.begin(), entries.end(),
                       [&candidate](const LibraryEntry& e) { return e.name == candidate; });
  };
  // The name cut to leave room for `suffixes` times "-1" and `spare` more units.
  const auto withSuffixes = [name](std::size_t suffixes, std::size_t spare) {
    std::u16string out(CutToFit(name, kMaxStringUnits - 2 * suffixes - spare));
    for (std::size_t i = 0; i < suffixes; ++i) out += u"-1";
    return out;
  };
  // Each candidate is compared with every entry anew, so that the result is
  // unlike every entry's whatever order the list holds "x" and "x-1" in.
  for (std::size_t suffixes = 0; 2 * suffixes <= kMaxStringUnits; ++suffixes) {
    std::u16string candidate = withSuffixes(suffixes, 0);
    if (!taken(candidate)) return candidate;
  }
  // Only a name at the limit that ends in its own suffixes gets here: cutting
  // one unit more each time gives names of ever shorter length.
  std::u16string candidate;
  for (std::size_t spare = 1; spare + 2 <= kMaxStringUnits; ++spare) {
    candidate = withSuffixes(1, spare);
    if (!taken(candidate)) break;
  }
  return candidate;
}
