#include "macro/Patterns.h"

#include <algorithm>

#include "macro/Library.h"
#include "settings/IniFile.h"
#include "settings/Utf.h"

const std::array<BuiltInPattern, kBuiltInPatternCount> kBuiltInPatterns = {{{u"VECTOR", -27},
                                                                            {u"UZI", -18},
                                                                            {u"TOMPSON", -30},
                                                                            {u"UNP9", -28},
                                                                            {u"AKR", -30},
                                                                            {u"M16", -28},
                                                                            {u"SCAR-L", -22},
                                                                            {u"M4", -30}}};

std::uint8_t FireCode(int number) {
  return number >= 0 && number <= 7 ? static_cast<std::uint8_t>(number + 2) : 1;
}

std::uint16_t MoveValue(int horizontal, int vertical) {
  const int h = std::clamp(horizontal, -kMaxStep, kMaxStep) + kMaxStep;
  const int v = -std::clamp(vertical, -kMaxStep, 0);
  return static_cast<std::uint16_t>(h << 8 | v);
}

EventList PatternEvents(const std::vector<Shot>& shots, int number) {
  EventList events{};
  const std::uint8_t fire = FireCode(number);
  const int n = std::min<int>(static_cast<int>(shots.size()), kMaxShots);
  for (int k = 0; k < n; ++k) {
    const Shot& s = shots[k];
    MacroEvent* e = &events[k * kEventsPerShot];
    e[0] = {fire, 0, 1};
    e[1] = {kEventDelay, 0, 1};
    e[2] = {fire, 0, 0};
    e[3] = {kEventDelay, 0, static_cast<std::uint16_t>(std::clamp(s.interval, 0, kMaxInterval))};
    e[4] = {kEventMove, 0, MoveValue(s.horizontal, s.vertical)};
  }
  return events;
}

std::vector<Shot> PatternShots(const EventList& events, int shotCount) {
  const int n = std::clamp(shotCount, 0, kMaxShots);
  std::vector<Shot> shots(n);
  for (int k = 0; k < n; ++k) {
    const MacroEvent& delay = events[k * kEventsPerShot + 3];
    const MacroEvent& move = events[k * kEventsPerShot + 4];
    shots[k].interval = delay.value;
    shots[k].horizontal = (move.value >> 8) - kMaxStep;
    shots[k].vertical = -(move.value & 0xFF);
  }
  return shots;
}

int CountMoveEvents(const EventList& events) {
  const int count = CountEvents(events);
  return static_cast<int>(std::count_if(events.begin(), events.begin() + count,
                                        [](const MacroEvent& e) { return e.code == kEventMove; }));
}

bool CreateBuiltInPatterns(const std::filesystem::path& file) {
  IniFile ini(file);
  if (ini.existed()) return false;
  for (int i = 0; i < kBuiltInPatternCount; ++i) {
    // Added one by one the way the editor adds a new record.
    const std::int32_t total = ini.ReadInt(u"Setting", u"Total", 0);
    ini.WriteInt(u"Setting", DecimalText(total), i);
    ini.WriteInt(u"Setting", u"Total", total + 1);
    const std::u16string section = RecordSection(LibraryKind::kPattern, i);
    ini.WriteString(section, u"Name", kBuiltInPatterns[i].name);
    ini.WriteInt(section, u"BulletNum", 1);
    const EventList events =
        PatternEvents({Shot{kBuiltInInterval, 0, kBuiltInPatterns[i].vertical}}, i);
    ini.WriteStruct(section, u"Macro", events.data(), sizeof events);
  }
  return ini.Commit();
}
