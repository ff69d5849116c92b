// Recoil patterns as event lists: each shot is five events (fire press, delay
// 1, fire release, delay = interval, move), and the fire code depends on the
// library number the pattern is saved under.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "settings/MouseConfig.h"

constexpr int kMaxShots = 8;
constexpr int kEventsPerShot = 5;
constexpr std::uint8_t kEventDelay = 0xFF;
constexpr std::uint8_t kEventMove = 0x0C;
constexpr int kMaxInterval = 999;
constexpr int kMaxStep = 50;  // horizontal -50..50, vertical -50..0

struct Shot {
  int interval = 100;  // milliseconds before the move
  int horizontal = 0;
  int vertical = 0;  // 0 or downwards: 0..-50
};

// Number + 2 for library numbers 0..7, else the left button (1).
std::uint8_t FireCode(int number);
// High byte horizontal + 50, low byte the size of the vertical step; both
// steps are limited to their ranges first.
std::uint16_t MoveValue(int horizontal, int vertical);
// The event list of the first (at most eight) shots, fired with the code of `number`.
EventList PatternEvents(const std::vector<Shot>& shots, int number);
// The shots of a list as the editor shows them, from the delay and move event
// of each shot; at most eight, never past the list.
std::vector<Shot> PatternShots(const EventList& events, int shotCount);
// Move events before the end of the list: the shot count of "BulletNum" -1.
int CountMoveEvents(const EventList& events);

struct BuiltInPattern {
  std::u16string_view name;
  int vertical;
};
constexpr int kBuiltInPatternCount = 8;
extern const std::array<BuiltInPattern, kBuiltInPatternCount> kBuiltInPatterns;
constexpr int kBuiltInInterval = 40;

// Writes the eight built-in patterns, numbers and positions 0..7, into a new
// pattern library file. False when the file exists or cannot be written.
bool CreateBuiltInPatterns(const std::filesystem::path& file);
