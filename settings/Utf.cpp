#include "settings/Utf.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    // Runs of ASCII, the bulk of every file, go across in one step.
    std::size_t ascii = i;
    while (ascii < s.size() && static_cast<unsigned char>(s.data()[ascii]) < 0x80) ++ascii;
    if (ascii > i) {
      const std::size_t at = out.size();
      out.resize(at + (ascii - i));
      std::copy(s.data() + i, s.data() + ascii, out.data() + at);
      i = ascii;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    bool ok = extra >= 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= s.size()) {
        ok = false;
        break;
      }
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc >> 6) != 2) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr char32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (IsHigh(s[i]) && i + 1 < s.size() && IsLow(s[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (IsHigh(s[i]) || IsLow(s[i])) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::u16string Windows1252ToUtf16(std::string_view bytes) {
  // 0x80..0x9F differ from Latin-1; the five undefined bytes map to themselves as Windows does.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::u16string out(bytes.size(), u'\0');
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  for (char16_t& c : out) {
    c = *in >= 0x80 && *in < 0xA0 ? kHigh[*in - 0x80] : char16_t(*in);
    ++in;
  }
  return out;
}

std::u16string_view CutToFit(std::u16string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t n = limit;
  if (n > 0 && IsHigh(text[n - 1])) --n;
  return text.substr(0, n);
}

std::u16string DecimalText(std::int64_t value) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::u16string(buf, r.ptr);
}

std::int32_t ParseDecimal(std::u16string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == u' ' || t[i] == u'\t')) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
  std::uint32_t v = 0;
  for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) v = v * 10 + (t[i] - u'0');
  return static_cast<std::int32_t>(negative ? 0u - v : v);
}

bool ParseNumber(std::string_view text, std::int64_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  int base = 10;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  // Digits only: from_chars would take a sign of its own.
  const auto isDigit = [base](char c) {
    return (c >= '0' && c <= '9') ||
           (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
  };
  if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return false;
  std::uint64_t magnitude = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return false;
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int64_t>::max();
  if (magnitude > kMaxPositive + (negative ? 1 : 0)) return false;
  // Negating in unsigned arithmetic reaches -2^63 without overflow.
  value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
  return true;
}
