// The recoil editor's shot columns: where they stand, the limits of their
// number boxes and what their step buttons do.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "macro/Patterns.h"

// The visible columns share a band of this width.
constexpr int kShotBand = 390;

// Left offset of shot column `column` when `shots` columns show: column ×
// (390 / shots), the shot count taken as 1..8.
int ShotColumnOffset(int column, int shots);
// Entry i of the shot-count menu (" 1" to " 8") gives i + 1 shots, kept to 1..8.
int ShotCountFromMenu(int entry);

enum class ShotBox { kInterval, kHorizontal, kVertical };
struct BoxRange {
  int low;
  int high;
};
// Interval 0..999 ms, horizontal step -50..50, vertical step -50..0.
BoxRange RangeOf(ShotBox box);

// A row of step buttons: one per column, all acting on the same box.
struct StepRow {
  std::u16string_view skinKey;
  ShotBox box;
  int delta;
};
// In the order the editor compares a clicked button with the rows.
extern const std::array<StepRow, 6> kStepRows;

// A step button's click: the box's number plus `delta`, kept in the box's range.
std::u16string SteppedBoxText(ShotBox box, std::u16string_view text, int delta);
// A box checked on key release; the replacement text, if any.
std::optional<std::u16string> NormalisedShotBox(ShotBox box, std::u16string_view text);

// A column's boxes as the shot they describe, each number kept in its range.
Shot ShotFromBoxes(std::u16string_view interval, std::u16string_view horizontal,
                   std::u16string_view vertical);
