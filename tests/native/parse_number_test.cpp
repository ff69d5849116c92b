#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "settings/Utf.h"

namespace {

TEST(ParseNumber, AcceptsAMinusThenDecimalOrHexDigitsAcrossThe64BitRange) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const struct {
    const char* text;
    std::int64_t value;
  } good[] = {
      {"0", 0},
      {"-0", 0},
      {"007", 7},
      {"255", 255},
      {"-12", -12},
      {"0x1F", 31},
      {"0xff", 255},
      {"0X10", 16},
      {"-0x10", -16},
      {"9223372036854775807", kMax},
      {"-9223372036854775808", kMin},
      {"0x7FFFFFFFFFFFFFFF", kMax},
      {"-0x8000000000000000", kMin},
  };
  for (const auto& c : good) {
    std::int64_t v = 99;
    EXPECT_TRUE(ParseNumber(c.text, v)) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
  const char* bad[] = {"",
                       "-",
                       "--5",
                       "+5",
                       "-+5",
                       "0x",
                       "-0x",
                       "0x-5",
                       "0x+5",
                       "-0x-1",
                       "0x0x1",
                       " 5",
                       "5 ",
                       "12a",
                       "0xG",
                       "1e3",
                       "9223372036854775808",
                       "-9223372036854775809",
                       "0x8000000000000000",
                       "-0x8000000000000001",
                       "99999999999999999999999"};
  for (const char* text : bad) {
    std::int64_t v = 99;
    EXPECT_FALSE(ParseNumber(text, v)) << text;
    EXPECT_EQ(v, 99) << text << ": the value is left alone";
  }
}

}  // namespace
