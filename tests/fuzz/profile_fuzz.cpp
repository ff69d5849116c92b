// A profile file ("ProfileSetting") on arbitrary bytes: the profile it gives
// keeps the rules of a validated profile, and exported to a new file it reads
// back from there unchanged.
#include <cstring>

#include "settings/ProfileFiles.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = FileHolding(InputBytes(data, size));
  auto profile = std::make_unique<ProfileRecord>();
  ClearProfile(*profile);
  FUZZ_CHECK(ReadProfileFile(file, *profile));
  FUZZ_CHECK(profile->dpiCur >= 0 && profile->dpiCur < kLevels);
  FUZZ_CHECK(profile->pollRate >= 0 && profile->pollRate < 4);
  for (const ButtonSlot& slot : profile->slots) FUZZ_CHECK(slot.count <= kEventCapacity);

  const auto exported = std::make_shared<MemoryFile>();
  FUZZ_CHECK(WriteProfileFile(exported, *profile));
  auto back = std::make_unique<ProfileRecord>();
  ClearProfile(*back);
  FUZZ_CHECK(ReadProfileFile(exported, *back));
  FUZZ_CHECK(std::memcmp(back.get(), profile.get(), sizeof(ProfileRecord)) == 0);
  return 0;
}
