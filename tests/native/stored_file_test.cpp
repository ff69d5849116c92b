// The stores on a file in memory do what they do on a file on disk: the same
// results, the same bytes written and the same refusals, so that what the fuzz
// targets find in memory holds for the program's own files.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "macro/Library.h"
#include "settings/IniFile.h"
#include "settings/ProfileFiles.h"
#include "settings/SettingsFile.h"
#include "settings/StoredFile.h"
#include "settings/Utf.h"
#include "tests/native/TestFiles.h"

namespace {

enum class Start { kMissing, kHolding, kUnreadable };

// Makes the files of one run, all on disk or all in memory, each in a start state.
using MakeFile = std::function<std::shared_ptr<StoredFile>(Start, std::string_view bytes)>;

// A file's state as the stores see it: its read result and its bytes.
std::string StateOf(const StoredFile& file) {
  std::string bytes;
  switch (file.Read(bytes)) {
    case ReadResult::kMissing:
      return "missing";
    case ReadResult::kUnreadable:
      return "unreadable";
    default:
      return "holding " + bytes;
  }
}

std::string Flag(bool b) { return b ? "1" : "0"; }
std::string Number(int n) { return std::to_string(n); }

// One user action on the main file; returns its results, and the states of
// the other files it made go into `others`.
struct Action {
  const char* name;
  std::function<std::string(std::shared_ptr<StoredFile> main, const MakeFile& make,
                            std::vector<std::shared_ptr<StoredFile>>& others)>
      run;
};

const std::string kSettings =
    "[Setting]\r\nTotle=2\r\nCurrent=1\r\nActive=0\r\n0=0\r\n1=3\r\n"
    "[Profile0Setting]\r\nProfil_Name=Zero\r\nDPI_Cur=9\r\n"
    "[Profile3Setting]\r\nProfil_Name=Three\r\n";
const std::string kProfile = "[ProfileSetting]\r\nProfil_Name=Team\r\nDPI_Cur=2\r\n";
const std::string kMacros =
    "[Setting]\r\nTotal=2\r\n0=4\r\n1=7\r\n[MacroProfile4]\r\nName=A\r\n"
    "[MacroProfile7]\r\nName=B\r\nReaptType=1\r\nReaptTimes=3\r\n";
const std::string kRecord = "[MacroProfile]\r\nName=A\r\nReaptType=2\r\n";

// What the loaded settings hold that a file can change.
std::string Summary(const SettingsStore& store) {
  const ConfigHeader& h = store.config().header;
  std::string s = Number(h.totle) + "/" + Number(h.current);
  for (int i = 0; i < h.totle; ++i)
    s += " " + Number(h.section[i]) + ":" + Utf16ToUtf8(FixedText(store.config().profiles[i].name));
  return s;
}

const Action kActions[] = {
    {"settings: first start, add, delete, import, apply",
     [](std::shared_ptr<StoredFile> main, const MakeFile& make, auto&) {
       SettingsStore store(main);
       std::string r = Flag(store.Reload()) + " " + Summary(store);
       bool written = false;
       store.AddProfile(u"Profile", &written);
       r += " add " + Flag(written);
       r += " delete " + Flag(store.DeleteProfile());
       r += " import " +
            Flag(ImportProfileFile(store, make(Start::kHolding, kProfile), u"C:\\Team.ini"));
       r += " " + Summary(store);
       return r + " apply " + Flag(store.Save());
     }},
    {"settings: load only, then write",
     [](std::shared_ptr<StoredFile> main, const MakeFile&, auto&) {
       SettingsStore store(main);
       const bool loaded = store.LoadOnly();
       return Flag(loaded) + Flag(store.unreadable()) + " " + Summary(store) + " " +
              Flag(store.WriteCurrentProfileAndGlobal());
     }},
    {"profile file: export over it, then read",
     [](std::shared_ptr<StoredFile> main, const MakeFile&, auto&) {
       auto profile = std::make_unique<ProfileRecord>();
       ResetProfile(*profile);
       SetFixedText(profile->name, u"Exported");
       const bool written = WriteProfileFile(main, *profile);
       ClearProfile(*profile);
       const bool read = ReadProfileFile(main, *profile);
       return Flag(written) + Flag(read) + " " + Utf16ToUtf8(FixedText(profile->name));
     }},
    {"library: import, export, delete, edit",
     [](std::shared_ptr<StoredFile> main, const MakeFile& make, auto& others) {
       Library library(LibraryKind::kMacro, main);
       std::string r = Flag(library.LoadLibraryFile()) + " " + Number(library.size());
       int position = -1;
       r += " import " + Number(library.ImportRecord(make(Start::kHolding, kRecord), &position));
       r += " at " + Number(position);
       others.push_back(make(Start::kHolding, "[Other]\r\nKept=1\r\n"));
       r += " export " + Number(library.ExportRecord(0, others.back()));
       others.push_back(make(Start::kUnreadable, ""));
       r += " into unreadable " + Number(library.ExportRecord(0, others.back()));
       r += " import missing " + Number(library.ImportRecord(make(Start::kMissing, "")));
       r += " delete " + Number(library.DeleteEntry(0, 0));
       LibraryEntry edited;
       edited.number = 9;
       edited.name = u"Edited";
       r += " edit " + Number(library.SaveEditedRecord(edited, true));
       r += " name " + Utf16ToUtf8(library.EntryName(9, u"Macro"));
       return r + " at 0 " + Number(library.NumberAtPosition(0));
     }},
};

// The main file's start bytes for an action.
std::string StartBytes(const Action& action) {
  const std::string name = action.name;
  if (name.rfind("library", 0) == 0) return kMacros;
  if (name.rfind("profile", 0) == 0) return kProfile;
  return kSettings;
}

// Runs an action with every file on disk in `dir` (a folder stands for a file
// that cannot be read) or in memory; returns its results and the end states.
std::string RunAction(const Action& action, Start start, const ScratchDir* dir) {
  int count = 0;
  const MakeFile make = [&](Start s, std::string_view bytes) -> std::shared_ptr<StoredFile> {
    if (!dir) {
      auto file = std::make_shared<MemoryFile>();
      if (s == Start::kHolding) file->Hold(bytes);
      if (s == Start::kUnreadable) file->MakeUnreadable();
      return file;
    }
    const std::filesystem::path path = *dir / ("file" + std::to_string(++count));
    if (s == Start::kHolding) WriteBytes(path, bytes);
    if (s == Start::kUnreadable) std::filesystem::create_directory(path);
    return std::make_shared<DiskFile>(path);
  };
  const auto main = make(start, StartBytes(action));
  std::vector<std::shared_ptr<StoredFile>> others;
  std::string out = action.run(main, make, others) + "\nmain: " + StateOf(*main);
  for (const auto& other : others) out += "\nother: " + StateOf(*other);
  return out;
}

// A store that wrote a file it could not read would show here too: the file in
// memory takes any write, the folder on disk none.
TEST(StoredFiles, EveryStoreDoesInMemoryWhatItDoesOnDisk) {
  for (const Action& action : kActions)
    for (Start start : {Start::kMissing, Start::kHolding, Start::kUnreadable}) {
      ScratchDir dir;
      const std::string onDisk = RunAction(action, start, &dir);
      const std::string inMemory = RunAction(action, start, nullptr);
      EXPECT_EQ(inMemory, onDisk) << action.name << ", start " << static_cast<int>(start);
    }
}

}  // namespace
