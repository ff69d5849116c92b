// The number grammar: an optional minus, then decimal digits or "0x" and hex
// digits, over the full 64-bit range. An accepted text prints back to itself
// (up to leading zeros and the case of hex digits).
#include <cctype>
#include <string>

#include "settings/Utf.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// The grammar checked independently, with the value it gives.
bool Reference(std::string_view text, std::int64_t& value) {
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  unsigned __int128 magnitude = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
      digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    else
      return false;
    magnitude = magnitude * base + digit;
    if (magnitude > (static_cast<unsigned __int128>(1) << 63)) return false;
  }
  if (!negative && magnitude > static_cast<unsigned __int128>(INT64_MAX)) return false;
  value = negative ? static_cast<std::int64_t>(-static_cast<__int128>(magnitude))
                   : static_cast<std::int64_t>(magnitude);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::int64_t got = 0, expected = 0;
  const bool accepted = ParseNumber(text, got);
  FUZZ_CHECK(accepted == Reference(text, expected));
  if (accepted) FUZZ_CHECK(got == expected);
  return 0;
}
