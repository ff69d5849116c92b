// r58ctl skin parse|text: how the program reads a position value and a
// numbered text of a skin file.
#include <iostream>
#include <limits>

#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "skin/LanguageTable.h"
#include "skin/SkinFile.h"
#include "tools/r58ctl/Tool.h"

namespace {

void AddSkinCommands(CLI::App& app) {
  auto* skin = app.add_subcommand("skin", "skin files");
  skin->require_subcommand(1);

  static std::string value;
  auto* parse = skin->add_subcommand("parse", "parse a position value as the program does");
  parse->add_option("VALUE", value)->required();
  parse->callback([] {
    const SkinEntry e = ParseSkinEntry(Utf8ToUtf16(value));
    PrintJson(Json{{"name", Utf8(e.name)},
                   {"left", e.left},
                   {"top", e.top},
                   {"right", e.right},
                   {"bottom", e.bottom},
                   {"text", Utf8(e.text)},
                   {"flag", e.flag}});
  });

  static std::string file;
  static std::string id;
  auto* text = skin->add_subcommand("text", "print string ID of SKINFILE's FUNC_STRING section");
  text->add_option("SKINFILE", file)->required();
  text->add_option("ID", id, "decimal or 0x-hexadecimal")->required();
  text->callback([] {
    const long long n = NumberArg(id, "ID");
    if (n < 0 || n > std::numeric_limits<unsigned>::max())
      throw ToolExit{kExitUsage, "ID out of range: " + id};
    const std::filesystem::path path = PathArg(file);
    RequireFile(path);
    SetSkinFilePath(path);
    std::cout << Utf8(GetFuncString(static_cast<int>(static_cast<unsigned>(n)))) << "\n";
  });
}

const bool registered = RegisterCommandGroup(&AddSkinCommands);

}  // namespace
