// A profile file ("ProfileSetting") on arbitrary bytes: the profile it gives
// keeps the rules of a validated profile, and a profile exported to a file
// reads back from it unchanged.
#include <cstring>

#include "settings/SettingsFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IniFile file =
      IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  auto profile = std::make_unique<ProfileRecord>();
  ClearProfile(*profile);
  ReadProfileSection(*profile, 0, file, true);
  ValidateProfile(*profile, false);
  FUZZ_CHECK(profile->dpiCur >= 0 && profile->dpiCur < kLevels);
  FUZZ_CHECK(profile->pollRate >= 0 && profile->pollRate < 4);
  for (const ButtonSlot& slot : profile->slots) FUZZ_CHECK(slot.count <= kEventCapacity);

  IniFile exported = IniFile::FromBytes({});
  WriteProfileSection(*profile, 0, exported, true);
  const IniFile reread = IniFile::FromBytes(exported.Serialize());
  auto back = std::make_unique<ProfileRecord>();
  ClearProfile(*back);
  ReadProfileSection(*back, 0, reread, true);
  ValidateProfile(*back, false);
  FUZZ_CHECK(std::memcmp(back.get(), profile.get(), sizeof(ProfileRecord)) == 0);
  return 0;
}
