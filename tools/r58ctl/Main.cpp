// r58ctl: the configuration program's settings, libraries and skin texts on the
// command line, for power users and support.
#include <iostream>
#include <vector>

#include "settings/Utf.h"
#include "tools/r58ctl/Tool.h"

namespace {

int Run(int argc, char** argv) {
  CLI::App app{"Kestrelon R58 settings tool"};
  app.require_subcommand(1);
  AddRegisteredCommandGroups(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  } catch (const ToolExit& e) {
    if (!e.message.empty()) std::cerr << "r58ctl: " << e.message << "\n";
    return e.code;
  }
  return kExitDone;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> utf8;
  for (int i = 0; i < argc; ++i)
    utf8.push_back(Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(argv[i]))));
  std::vector<char*> args;
  for (std::string& a : utf8) args.push_back(a.data());
  return Run(argc, args.data());
}
#else
int main(int argc, char** argv) { return Run(argc, argv); }
#endif
