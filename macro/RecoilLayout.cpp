#include "macro/RecoilLayout.h"

#include <algorithm>

#include "macro/EditorBoxes.h"
#include "settings/Utf.h"

const std::array<StepRow, 6> kStepRows = {{
    {u"5", ShotBox::kVertical, +1},
    {u"6", ShotBox::kVertical, -1},
    {u"8", ShotBox::kHorizontal, +1},
    {u"7", ShotBox::kHorizontal, -1},
    {u"9", ShotBox::kInterval, +1},
    {u"10", ShotBox::kInterval, -1},
}};

int ShotColumnOffset(int column, int shots) {
  return column * (kShotBand / std::clamp(shots, 1, kMaxShots));
}

int ShotCountFromMenu(int entry) { return std::clamp(entry + 1, 1, kMaxShots); }

BoxRange RangeOf(ShotBox box) {
  switch (box) {
    case ShotBox::kInterval:
      return {0, kMaxInterval};
    case ShotBox::kHorizontal:
      return {-kMaxStep, kMaxStep};
    case ShotBox::kVertical:
      break;
  }
  return {-kMaxStep, 0};
}

std::u16string SteppedBoxText(ShotBox box, std::u16string_view text, int delta) {
  const BoxRange r = RangeOf(box);
  return DecimalText(std::clamp(BoxNumber(text) + delta, r.low, r.high));
}

std::optional<std::u16string> NormalisedShotBox(ShotBox box, std::u16string_view text) {
  const BoxRange r = RangeOf(box);
  return NormalisedBoxText(text, r.low, r.high);
}

Shot ShotFromBoxes(std::u16string_view interval, std::u16string_view horizontal,
                   std::u16string_view vertical) {
  const auto read = [](ShotBox box, std::u16string_view text) {
    const BoxRange r = RangeOf(box);
    return std::clamp(BoxNumber(text), r.low, r.high);
  };
  return {read(ShotBox::kInterval, interval), read(ShotBox::kHorizontal, horizontal),
          read(ShotBox::kVertical, vertical)};
}
