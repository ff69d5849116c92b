#include "settings/CaseFold.h"

#include <algorithm>
#include <iterator>

namespace {

// Small letters of one run and how far their capitals lie. In a run with a
// step of 2 only every second unit, counted from `first`, is a small letter
// (capital and small letter alternate).
struct SmallLetters {
  char16_t first;
  char16_t last;
  int toCapital;
  int step;
};

constexpr SmallLetters kSmallLetters[] = {
    {0x0061, 0x007A, -32, 1},    // Basic Latin
    {0x00E0, 0x00F6, -32, 1},    // Latin-1
    {0x00F8, 0x00FE, -32, 1},    //
    {0x00FF, 0x00FF, 121, 1},    // ÿ
    {0x0101, 0x012F, -1, 2},     // Latin Extended-A
    {0x0133, 0x0137, -1, 2},     //
    {0x013A, 0x0148, -1, 2},     //
    {0x014B, 0x0177, -1, 2},     //
    {0x017A, 0x017E, -1, 2},     //
    {0x0180, 0x0180, 195, 1},    // Latin Extended-B (Romanian, Vietnamese, African
    {0x0183, 0x0185, -1, 2},     // alphabets, the title-case digraphs)
    {0x0188, 0x0188, -1, 1},     //
    {0x018C, 0x018C, -1, 1},     //
    {0x0192, 0x0192, -1, 1},     //
    {0x0195, 0x0195, 97, 1},     //
    {0x0199, 0x0199, -1, 1},     //
    {0x019A, 0x019A, 163, 1},    //
    {0x019E, 0x019E, 130, 1},    //
    {0x01A1, 0x01A5, -1, 2},     //
    {0x01A8, 0x01A8, -1, 1},     //
    {0x01AD, 0x01AD, -1, 1},     //
    {0x01B0, 0x01B0, -1, 1},     //
    {0x01B4, 0x01B6, -1, 2},     //
    {0x01B9, 0x01B9, -1, 1},     //
    {0x01BD, 0x01BD, -1, 1},     //
    {0x01BF, 0x01BF, 56, 1},     //
    {0x01C5, 0x01C5, -1, 1},     //
    {0x01C6, 0x01C6, -2, 1},     //
    {0x01C8, 0x01C8, -1, 1},     //
    {0x01C9, 0x01C9, -2, 1},     //
    {0x01CB, 0x01CB, -1, 1},     //
    {0x01CC, 0x01CC, -2, 1},     //
    {0x01CE, 0x01DC, -1, 2},     //
    {0x01DD, 0x01DD, -79, 1},    //
    {0x01DF, 0x01EF, -1, 2},     //
    {0x01F2, 0x01F2, -1, 1},     //
    {0x01F3, 0x01F3, -2, 1},     //
    {0x01F5, 0x01F5, -1, 1},     //
    {0x01F9, 0x021F, -1, 2},     //
    {0x0223, 0x0233, -1, 2},     //
    {0x023C, 0x023C, -1, 1},     //
    {0x023F, 0x0240, 10815, 1},  //
    {0x0242, 0x0242, -1, 1},     //
    {0x0247, 0x024F, -1, 2},     //
    {0x0371, 0x0373, -1, 2},     // Greek
    {0x0377, 0x0377, -1, 1},     //
    {0x037B, 0x037D, 130, 1},    //
    {0x03AC, 0x03AC, -38, 1},    //
    {0x03AD, 0x03AF, -37, 1},    //
    {0x03B1, 0x03C1, -32, 1},    //
    {0x03C2, 0x03C2, -31, 1},    // final sigma
    {0x03C3, 0x03CB, -32, 1},    //
    {0x03CC, 0x03CC, -64, 1},    //
    {0x03CD, 0x03CE, -63, 1},    //
    {0x0430, 0x044F, -32, 1},    // Cyrillic
    {0x0450, 0x045F, -80, 1},    //
    {0x0461, 0x0481, -1, 2},     //
    {0x048B, 0x04BF, -1, 2},     //
    {0x04C2, 0x04CE, -1, 2},     //
    {0x04CF, 0x04CF, -15, 1},    //
    {0x04D1, 0x052F, -1, 2},     // and its supplement
    {0x0561, 0x0586, -48, 1},    // Armenian
    {0x1E01, 0x1E95, -1, 2},     // Latin Extended Additional
    {0x1EA1, 0x1EFF, -1, 2},     //
    {0xFF41, 0xFF5A, -32, 1},    // full-width Latin
};

}  // namespace

char16_t CapitalOf(char16_t unit) {
  // The last run that starts at or before the unit.
  const auto after =
      std::upper_bound(std::begin(kSmallLetters), std::end(kSmallLetters), unit,
                       [](char16_t u, const SmallLetters& run) { return u < run.first; });
  if (after == std::begin(kSmallLetters)) return unit;
  const SmallLetters& run = *std::prev(after);
  if (unit > run.last || (unit - run.first) % run.step != 0) return unit;
  return static_cast<char16_t>(unit + run.toCapital);
}

std::u16string FoldCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& unit : out) unit = CapitalOf(unit);
  return out;
}

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return CapitalOf(x) == CapitalOf(y); });
}
