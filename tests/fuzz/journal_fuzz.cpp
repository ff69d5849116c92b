// The device-service simulator's journal line for an arbitrary settings file:
// always a JSON object that serialises, with the active profile in range.
#include "settings/MouseConfig.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tools/hid/Journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto config = std::make_unique<MouseConfig>();
  bool exists = false;
  const nlohmann::ordered_json entry =
      ApplyEntry(FileHolding(InputBytes(data, size)), 0, *config, &exists);
  FUZZ_CHECK(exists);
  FUZZ_CHECK(entry.at("message") == "apply");
  const std::string line = entry.dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
  FUZZ_CHECK(!line.empty());
  if (!entry.at("active").is_null()) {
    const int active = entry.at("active").get<int>();
    FUZZ_CHECK(active >= 0 && active < config->header.totle);
  }
  return 0;
}
