// The settings file on arbitrary bytes: every load ends in settings that keep
// their rules, validation changes nothing a second time, and after any write
// (add, delete, import, apply) the file reloads to exactly what memory held.
#include <cstring>

#include "settings/SettingsFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

void CheckRules(const MouseConfig& c) {
  const ConfigHeader& h = c.header;
  FUZZ_CHECK(h.totle >= 1 && h.totle <= kMaxProfiles);
  FUZZ_CHECK(h.current >= 0 && h.current < h.totle);
  FUZZ_CHECK(h.active >= 0 && h.active < h.totle);
  for (int i = 0; i < h.totle; ++i) {
    FUZZ_CHECK(h.section[i] >= 0 && h.section[i] < kMaxProfiles);
    for (int j = 0; j < i; ++j) FUZZ_CHECK(h.section[i] != h.section[j]);
    const ProfileRecord& p = c.profiles[i];
    FUZZ_CHECK(p.dpiCur >= 0 && p.dpiCur < kLevels);
    FUZZ_CHECK(p.pollRate >= 0 && p.pollRate < 4);
    for (int level = 0; level < kLevels; ++level)
      FUZZ_CHECK(p.dpiValue[level] >= 0 && p.dpiValue[level] < 8);
    for (const ButtonSlot& slot : p.slots) FUZZ_CHECK(slot.count <= kEventCapacity);
  }
}

// What a file holds of the settings: the header and the profiles in use.
bool SameAsFile(const MouseConfig& memory, const MouseConfig& file) {
  const ConfigHeader& a = memory.header;
  const ConfigHeader& b = file.header;
  if (a.lanId != b.lanId || a.showTrayIcon != b.showTrayIcon || a.showOsd != b.showOsd ||
      a.totle != b.totle || a.current != b.current || a.active != b.active ||
      std::memcmp(a.bgPath, b.bgPath, sizeof a.bgPath) != 0 ||
      std::memcmp(a.section, b.section, sizeof(a.section[0]) * a.totle) != 0)
    return false;
  return std::memcmp(memory.profiles, file.profiles, sizeof(ProfileRecord) * a.totle) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = FileHolding(InputBytes(data, size));
  SettingsStore store(file);
  if (!store.LoadOnly()) return 0;
  CheckRules(store.config());
  auto revalidated = std::make_unique<MouseConfig>(store.config());
  ValidateSettings(*revalidated);
  FUZZ_CHECK(std::memcmp(revalidated.get(), &store.config(), sizeof(MouseConfig)) == 0);

  bool written = false;
  switch (size ? data[size - 1] % 4 : 0) {
    case 0:
      store.AddProfile(u"Profile", &written);
      break;
    case 1:
      written = store.DeleteProfile();
      break;
    case 2:
      written = store.WriteCurrentProfileAndGlobal();
      break;
    default:
      written = store.Save();
      break;
  }
  CheckRules(store.config());
  // A write that did not happen left the file as it was.
  if (file->replacements() == 0) FUZZ_CHECK(file->bytes() == InputBytes(data, size));
  if (!written) return 0;
  SettingsStore reloaded(file);
  FUZZ_CHECK(reloaded.LoadOnly());
  FUZZ_CHECK(SameAsFile(store.config(), reloaded.config()));
  return 0;
}
