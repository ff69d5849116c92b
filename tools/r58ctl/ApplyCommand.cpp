// r58ctl apply: what the apply button does, on files.
#include "device/ServiceLink.h"
#include "macro/Libraries.h"
#include "settings/SettingsFile.h"
#include "tools/r58ctl/Tool.h"

namespace {

void AddApplyCommand(CLI::App& app) {
  static std::string file;
  auto* apply = app.add_subcommand(
      "apply", "apply SETTINGS with the libraries beside it, then tell the device service");
  apply->add_option("SETTINGS", file)->required();
  apply->callback([] {
    const std::filesystem::path path = PathArg(file);
    RequireFile(path);
    SettingsStore settings(path);
    if (!settings.Reload()) FailUnreadable(path);
    Libraries libraries(path.parent_path());
    libraries.Reload();
    // The apply rewrites the macro library and fills slots from both: it is
    // refused whole when one of them could not be read.
    for (const Library* library : {&libraries.macros, &libraries.patterns})
      if (library->unreadable()) FailUnreadable(library->path());
    if (!ApplySettingsToFiles(settings, libraries))
      throw ToolExit{kExitFileError, "cannot write " + PathText(path)};
    const bool told = NotifyService(UM_SERVICE_APPLY);
    Json out{{"active", settings.config().header.active}, {"service", told}};
    PrintJson(out);
  });
}

const bool registered = RegisterCommandGroup(&AddApplyCommand);

}  // namespace
