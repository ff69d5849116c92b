// Skin values and the text table on arbitrary input: entries parse within
// their limits and never split a character; texts are found or empty.
#include "settings/IniFile.h"
#include "skin/LanguageTable.h"
#include "skin/SkinFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// `cut` is the start of `whole` and does not end inside a surrogate pair.
void CheckCut(const std::u16string& cut, const std::u16string& whole) {
  FUZZ_CHECK(whole.compare(0, cut.size(), cut) == 0);
  if (!cut.empty() && cut.size() < whole.size())
    FUZZ_CHECK(!(IsHighSurrogate(cut.back()) && IsLowSurrogate(whole[cut.size()])));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input as UTF-16 code units: one position value.
  std::u16string value(size / 2, u'\0');
  for (std::size_t i = 0; i < value.size(); ++i)
    value[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  const SkinEntry entry = ParseSkinEntry(value);
  FUZZ_CHECK(entry.name.size() <= kSkinNameLimit);
  FUZZ_CHECK(entry.text.size() <= kSkinTextLimit);
  FUZZ_CHECK(entry.flag == 0 || entry.flag == 1);
  const SkinEntry uncut = ParseSkinEntryUncut(value);
  FUZZ_CHECK(uncut.left == entry.left && uncut.bottom == entry.bottom);
  CheckCut(entry.name, uncut.name);
  CheckCut(entry.text, uncut.text);
  SkinTextToDraw(uncut, {});
  CentredTop(entry.top, entry.bottom, static_cast<int>(size));
  IsSkinRelativeName(entry.name);

  // The same bytes as a skin file: the text table of every id it may hold.
  const IniFile skin =
      IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  for (int id = 0; id < 0x120; ++id) {
    const std::u16string text = FuncStringFrom(skin, id);
    FUZZ_CHECK(text.size() <= kMaxStringUnits);
  }
  return 0;
}
