// The INI engine on arbitrary bytes in any encoding: every key it reads stays
// readable with the same value after the document is written and read back,
// and so does a value written into it and committed to its file.
#include <cstdio>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = FileHolding(InputBytes(data, size));
  IniFile ini(file);
  struct Key {
    std::u16string section, key;
  };
  std::vector<Key> keys;
  ini.Visit([&](std::u16string_view s, std::u16string_view k, std::u16string_view) {
    keys.push_back({std::u16string(s), std::u16string(k)});
  });
  std::vector<std::u16string> values;
  for (const Key& k : keys) {
    values.push_back(ini.ReadString(k.section, k.key));
    ini.ReadInt(k.section, k.key, 7);
    unsigned char buffer[64];
    ini.ReadStruct(k.section, k.key, buffer, sizeof buffer);
    FUZZ_CHECK(values.back().size() <= kMaxStringUnits);
  }

  const IniFile again = IniFile::FromBytes(ini.Serialize());
  for (std::size_t i = 0; i < keys.size(); ++i)
    FUZZ_CHECK(again.ReadString(keys[i].section, keys[i].key) == values[i]);

  // A write lands where a read finds it, also in a document of this shape.
  const std::u16string value = keys.empty() ? u"v" : values.front();
  const std::u16string section = keys.empty() ? u"S" : keys.front().section;
  if (!section.empty() && section.find_first_of(u"[]\r\n") == std::u16string::npos &&
      value.find_first_of(u"\r\n") == std::u16string::npos) {
    ini.WriteString(section, u"FuzzKey", value);
    ini.WriteInt(section, u"FuzzInt", static_cast<std::int32_t>(size));
    FUZZ_CHECK(ini.Commit());
    const IniFile written(file);
    FUZZ_CHECK(written.ReadInt(section, u"FuzzInt", -1) == static_cast<std::int32_t>(size));
  }
  return 0;
}
