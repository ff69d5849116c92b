// Rules of the editors' number boxes and save buttons.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

constexpr int kMaxRepeatCount = 15;

// The number a box's text reads as: an optional sign and the digits up to the
// first other character (0 when there are none), saturating instead of
// overflowing.
int BoxNumber(std::u16string_view text);

// A box limited from above on each key release: the replacement text when the
// box reads more than `limit` ("12750" for the delay box, "15" for the count box).
std::optional<std::u16string> CappedBoxText(std::u16string_view text, int limit);

// A box for whole numbers in low..high, checked on each key release: a number
// outside the range becomes the nearest limit, and a text that is not written
// the plain way (a minus sign after the start, "-0", leading zeros, other
// characters) is rewritten as the number it reads as. An empty box or a lone
// minus sign is left for the user to go on typing.
std::optional<std::u16string> NormalisedBoxText(std::u16string_view text, int low, int high);

// The macro editor's save button.
bool SaveAllowed(bool recording, int eventCount, std::u16string_view name);
