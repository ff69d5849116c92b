// A library file and an exported record on arbitrary bytes: the copy keeps
// its rules, and after an import or a delete the file reloads to the copy.
#include <cstring>

#include "macro/Library.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

void CheckRules(const Library& library) {
  FUZZ_CHECK(library.size() <= kLibraryCapacity);
  for (const LibraryEntry& e : library.entries())
    FUZZ_CHECK(CountEvents(e.events) <= kEventCapacity);
}

bool SameEntries(const Library& a, const Library& b) {
  if (a.size() != b.size()) return false;
  for (int i = 0; i < a.size(); ++i) {
    const LibraryEntry& x = a.entries()[i];
    const LibraryEntry& y = b.entries()[i];
    if (x.name != y.name || x.number != y.number || x.repeatType != y.repeatType ||
        x.repeatTimes != y.repeatTimes ||
        std::memcmp(x.events.data(), y.events.data(), sizeof x.events) != 0)
      return false;
  }
  return true;
}

}  // namespace

// Input: a library file, then after the first "\0\0\0\0" an export file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all = InputBytes(data, size);
  const std::size_t split = all.find(std::string_view("\0\0\0\0", 4));
  const std::string_view libraryBytes = all.substr(0, split);
  const std::string_view recordBytes =
      split == std::string_view::npos ? std::string_view() : all.substr(split + 4);
  const LibraryKind kind = size && (data[0] & 1) ? LibraryKind::kPattern : LibraryKind::kMacro;

  const auto file = FileHolding(libraryBytes);
  Library library(kind, file);
  if (!library.LoadLibraryFile()) return 0;
  CheckRules(library);

  int position = -1;
  const LibraryResult imported = library.ImportRecord(FileHolding(recordBytes), &position);
  // Only an operation that is done writes the file.
  FUZZ_CHECK(file->replacements() == (imported == kLibraryDone ? 1 : 0));
  if (imported == kLibraryDone) {
    CheckRules(library);
    FUZZ_CHECK(library.HasPosition(position));
    Library reloaded(kind, file);
    FUZZ_CHECK(reloaded.LoadLibraryFile());
    FUZZ_CHECK(SameEntries(library, reloaded));
    // Names stay unique: an imported name never equals another entry's.
    for (int i = 0; i < library.size(); ++i)
      if (i != position) FUZZ_CHECK(library.entries()[i].name != library.entries()[position].name);
  }
  const int victim = size ? data[size - 1] % (library.size() + 1) : 0;
  const int writesBefore = file->replacements();
  const LibraryResult deleted = library.DeleteEntry(victim, 0);
  FUZZ_CHECK(file->replacements() == writesBefore + (deleted == kLibraryDone ? 1 : 0));
  if (deleted == kLibraryDone) {
    Library reloaded(kind, file);
    FUZZ_CHECK(reloaded.LoadLibraryFile());
    FUZZ_CHECK(SameEntries(library, reloaded));
  }
  return 0;
}
