// r58ctl link list|add|remove: the programs linked to the profiles.
#include "settings/ProgramLinks.h"
#include "settings/SettingsFile.h"
#include "settings/Utf.h"
#include "tools/r58ctl/Tool.h"

namespace {

Json LinkJson(const ProgramLink& link) {
  return Json{{"profile", link.profile},
              {"entry", link.entry},
              {"path", Utf8(link.path)},
              {"name", Utf8(link.name)}};
}

Json LinksJson(const std::vector<ProgramLink>& links) {
  Json out = Json::array();
  for (const ProgramLink& link : links) out.push_back(LinkJson(link));
  return out;
}

// Links reach the file as an apply writes it: the whole file, in one step.
void Save(SettingsStore& store) {
  if (!store.Save()) throw ToolExit{kExitFileError, "cannot write " + PathText(store.path())};
}

void AddLinkCommands(CLI::App& app) {
  auto* link = app.add_subcommand(
      "link",
      "programs linked to profiles: while one is in front, the device service makes its "
      "profile active (a program has at most one profile, a profile at most seven programs)");
  link->require_subcommand(1);
  static std::string file;
  static std::string index;
  static std::string program;

  auto* list = link->add_subcommand("list", "print every linked program of FILE");
  list->add_option("FILE", file)->required();
  list->callback([] {
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    PrintJson(LinksJson(AllProgramLinks(store.config())));
  });

  auto* add = link->add_subcommand(
      "add", "link the program at PATH to profile INDEX, taking it from any other profile");
  add->add_option("FILE", file)->required();
  add->add_option("INDEX", index)->required();
  add->add_option("PATH", program, "full path of the program; its file name is compared")
      ->required();
  add->callback([] {
    const long long i = NumberArg(index, "INDEX");
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    const int profile = i < 0 || i >= kMaxProfiles ? -1 : static_cast<int>(i);
    const LinkOutcome outcome = LinkProgram(store.config(), profile, Utf8ToUtf16(program));
    switch (outcome.result) {
      case LinkResult::kLinked:
      case LinkResult::kAlreadyLinked:
        break;
      case LinkResult::kNoSuchProfile:
        throw ToolExit{kExitUsage, "no profile " + index};
      case LinkResult::kNoProgramName:
        throw ToolExit{kExitUsage, "not a program path: " + program};
      case LinkResult::kProfileFull:
        throw ToolExit{kExitRefused, "refused: seven programs are linked to profile " + index +
                                         " already; remove one first"};
      case LinkResult::kPathTooLong:
        throw ToolExit{kExitRefused, "refused: the path is longer than 259 characters"};
    }
    if (outcome.changed) Save(store);
    const ProfileRecord& p = store.config().profiles[profile];
    Json out =
        LinkJson({profile, outcome.entry, std::u16string(FixedText(p.exePath[outcome.entry])),
                  std::u16string(FixedText(p.exeName[outcome.entry]))});
    out["moved_from"] = outcome.movedFrom < 0 ? Json(nullptr) : Json(outcome.movedFrom);
    PrintJson(out);
  });

  auto* remove = link->add_subcommand(
      "remove", "unlink the program PATH (a full path or a file name) from its profile");
  remove->add_option("FILE", file)->required();
  remove->add_option("PATH", program)->required();
  remove->callback([] {
    SettingsStore store(PathArg(file));
    LoadExistingSettings(store);
    const std::vector<ProgramLink> removed = UnlinkProgram(store.config(), Utf8ToUtf16(program));
    if (removed.empty())
      throw ToolExit{kExitRefused, "refused: " + program + " is linked to no profile"};
    Save(store);
    PrintJson(LinksJson(removed));
  });
}

const bool registered = RegisterCommandGroup(&AddLinkCommands);

}  // namespace
