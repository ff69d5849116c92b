#include "macro/EditorBoxes.h"

#include <algorithm>

#include "settings/Utf.h"

namespace {

constexpr std::int64_t kSaturation = 1'000'000'000;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// "-?(0|[1-9][0-9]*)" except "-0".
bool IsPlainDecimal(std::u16string_view text) {
  const std::u16string_view digits = text.substr(!text.empty() && text[0] == u'-' ? 1 : 0);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) return false;
  if (digits[0] == u'0') return digits.size() == 1 && digits.size() == text.size();
  return true;
}

}  // namespace

int BoxNumber(std::u16string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::int64_t n = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    n = std::min(n * 10 + (text[i] - u'0'), kSaturation);
  return static_cast<int>(negative ? -n : n);
}

std::optional<std::u16string> CappedBoxText(std::u16string_view text, int limit) {
  if (BoxNumber(text) <= limit) return std::nullopt;
  return DecimalText(limit);
}

std::optional<std::u16string> NormalisedBoxText(std::u16string_view text, int low, int high) {
  if (text.empty() || text == u"-") return std::nullopt;
  const int n = BoxNumber(text);
  const int limited = std::clamp(n, low, high);
  if (limited == n && IsPlainDecimal(text)) return std::nullopt;
  return DecimalText(limited);
}

bool SaveAllowed(bool recording, int eventCount, std::u16string_view name) {
  return !recording && eventCount >= 2 && !name.empty();
}
