// r58ctl key name|vk: the key code space of macros.
#include <iostream>

#include "macro/KeyNames.h"
#include "tools/r58ctl/Tool.h"

namespace {

int ByteArg(const std::string& text, const char* what) {
  const long long v = NumberArg(text, what);
  if (v < 0 || v > 255) throw ToolExit{kExitUsage, std::string(what) + " lies outside 0..255"};
  return static_cast<int>(v);
}

void AddKeyCommands(CLI::App& app) {
  auto* key = app.add_subcommand("key", "key codes and names of macros");
  key->require_subcommand(1);
  static std::string value;

  auto* name = key->add_subcommand("name", "print the name of key code CODE (empty line: none)");
  name->add_option("CODE", value)->required();
  name->callback([] { std::cout << Utf8(KeyName(ByteArg(value, "CODE"))) << "\n"; });

  auto* vk = key->add_subcommand("vk", "print the key code virtual key VK records as (0: none)");
  vk->add_option("VK", value)->required();
  vk->callback(
      [] { std::cout << static_cast<int>(KeyCodeFromVirtualKey(ByteArg(value, "VK"))) << "\n"; });
}

const bool registered = RegisterCommandGroup(&AddKeyCommands);

}  // namespace
