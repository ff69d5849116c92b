// r58ctl macro|pattern list, export, import, delete; pattern init.
#include <array>
#include <iostream>

#include "macro/Library.h"
#include "macro/Patterns.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "skin/LanguageTable.h"
#include "tools/r58ctl/Tool.h"

namespace {

struct LibraryArgs {
  explicit LibraryArgs(LibraryKind k) : kind(k) {}
  LibraryKind kind;
  std::string library;
  std::string position;
  std::string file;
  std::string settings;
  std::string skin;
};

Json EntryJson(const Library& lib, int position) {
  const LibraryEntry& e = lib.entries()[position];
  const int count = CountEvents(e.events);
  Json events = Json::array();
  for (int i = 0; i < count; ++i) events.push_back({e.events[i].code, e.events[i].value});
  Json out{{"position", position},
           {"number", e.number},
           {"name", Utf8(e.name)},
           {"repeat_type", e.repeatType},
           {"repeat_times", e.repeatTimes},
           {"count", count},
           {"events", events}};
  if (lib.traits().hasShots) out["shots"] = e.shots;
  return out;
}

Library LoadLibrary(const LibraryArgs& a, bool mustExist) {
  const std::filesystem::path path = PathArg(a.library);
  if (mustExist) RequireFile(path);
  Library lib(a.kind, path);
  if (!lib.LoadLibraryFile()) FailUnreadable(path);
  return lib;
}

int PositionArg(const Library& lib, const std::string& text) {
  const long long p = NumberArg(text, "POSITION");
  if (!lib.HasPosition(static_cast<int>(p)) || p != static_cast<int>(p))
    throw ToolExit{kExitUsage, "no entry at position " + text};
  return static_cast<int>(p);
}

// The default-name word unnamed entries are labelled with: the library's text
// of the given skin file, else of the skin file the program would read beside
// the tool; empty when there is none.
std::u16string EntryWord(const LibraryArgs& a, int lanId) {
  const std::filesystem::path skin =
      a.skin.empty() ? ToolFolder() / kLanguageFolder / SkinFileName(lanId) : PathArg(a.skin);
  const IniFile ini(skin);
  return FuncStringFrom(ini, TraitsOf(a.kind).defaultNameText);
}

// The row's in-use marker as the main window sets it for the current profile
// of a settings file.
int MarkerFromSettings(const Library& lib, int position, const LibraryArgs& a) {
  const std::filesystem::path path = PathArg(a.settings);
  RequireFile(path);
  SettingsStore store(path);
  if (!store.LoadOnly()) FailUnreadable(path);
  const MouseConfig& c = store.config();
  const std::vector<int> markers =
      lib.InUseMarkers(c.profiles[c.header.current], EntryWord(a, c.header.lanId));
  return markers[position];
}

void Fail(LibraryResult result, const std::filesystem::path& path) {
  switch (result) {
    case kLibraryDone:
      return;
    case kLibraryFull:
      throw ToolExit{kExitRefused, "refused: the library holds 100 entries (warning 13)"};
    case kLibraryEntryInUse:
      throw ToolExit{kExitRefused,
                     "refused: a button of the current profile uses the entry (warning 18)"};
    case kLibraryFileMissing:
      throw ToolExit{kExitFileError, "no such file: " + PathText(path)};
    case kLibraryWriteFailed:
      throw ToolExit{kExitFileError, "cannot write " + PathText(path)};
    case kLibraryFileUnreadable:
    case kLibraryUnreadable:
      FailUnreadable(path);
    case kLibraryNothingDone:
      throw ToolExit{kExitUsage, "no entry there"};
  }
}

void AddLibraryCommands(CLI::App& app, LibraryArgs& a, const char* name, const char* what) {
  auto* group = app.add_subcommand(name, what);
  group->require_subcommand(1);

  auto* list = group->add_subcommand("list", "print every entry of LIB in list order");
  list->add_option("LIB", a.library)->required();
  list->callback([&a] {
    const Library lib = LoadLibrary(a, true);
    Json out = Json::array();
    for (int i = 0; i < lib.size(); ++i) out.push_back(EntryJson(lib, i));
    PrintJson(out);
  });

  auto* exp = group->add_subcommand("export", "write the entry at POSITION into FILE");
  exp->add_option("LIB", a.library)->required();
  exp->add_option("POSITION", a.position)->required();
  exp->add_option("FILE", a.file)->required();
  exp->callback([&a] {
    const Library lib = LoadLibrary(a, true);
    const int position = PositionArg(lib, a.position);
    const std::filesystem::path file = PathArg(a.file);
    Fail(lib.ExportRecord(position, file), file);
  });

  auto* imp = group->add_subcommand("import", "append the entry of FILE to LIB; print it");
  imp->add_option("LIB", a.library)->required();
  imp->add_option("FILE", a.file)->required();
  imp->callback([&a] {
    Library lib = LoadLibrary(a, false);
    const std::filesystem::path file = PathArg(a.file);
    RequireFile(file);
    int position = -1;
    const LibraryResult r = lib.ImportRecord(file, &position);
    Fail(r, r == kLibraryWriteFailed || r == kLibraryUnreadable ? lib.path() : file);
    PrintJson(EntryJson(lib, position));
  });

  auto* del = group->add_subcommand("delete", "delete the entry at POSITION");
  del->add_option("LIB", a.library)->required();
  del->add_option("POSITION", a.position)->required();
  del->add_option("--settings", a.settings,
                  "refuse an entry used by a button of this settings file's current profile");
  del->add_option("--skin", a.skin, "skin file whose default-name word labels unnamed entries");
  del->callback([&a] {
    Library lib = LoadLibrary(a, true);
    const int position = PositionArg(lib, a.position);
    if (position < lib.traits().protectedPositions)
      throw ToolExit{kExitRefused, "refused: positions 0..7 hold the built-in patterns"};
    const int marker = a.settings.empty() ? 0 : MarkerFromSettings(lib, position, a);
    Fail(lib.DeleteEntry(position, marker), lib.path());
  });
}

LibraryArgs macroArgs{LibraryKind::kMacro};
LibraryArgs patternArgs{LibraryKind::kPattern};

void AddMacroCommands(CLI::App& app) {
  AddLibraryCommands(app, macroArgs, "macro", "a macro library file (MacroSetting)");
  AddLibraryCommands(app, patternArgs, "pattern", "a recoil-pattern library file (BulletSetting)");
  CLI::App* pattern = app.get_subcommand("pattern");
  auto* init = pattern->add_subcommand("init", "create the built-in patterns when LIB is absent");
  init->add_option("LIB", patternArgs.library)->required();
  init->callback([] {
    const std::filesystem::path path = PathArg(patternArgs.library);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
      std::cerr << "r58ctl: " << PathText(path) << " exists; left as it is\n";
      return;
    }
    if (!CreateBuiltInPatterns(path))
      throw ToolExit{kExitFileError, "cannot write " + PathText(path)};
  });
}

const bool registered = RegisterCommandGroup(&AddMacroCommands);

}  // namespace
