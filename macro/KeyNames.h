// Key codes of the mouse's own code space: the name of every code, the
// translation of the virtual keys the recording hook reports, and the mouse
// button values a macro event carries in the same byte.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

using KeyCode = std::uint8_t;

struct VirtualKeyPair {
  KeyCode code;
  std::uint8_t virtualKey;  // 0: no key reaches the code
};

// Display name of every code; ASCII, the same in every language.
extern const std::array<std::u16string_view, 256> KeyNameTable;
// (code, virtual key) pairs: codes 0x10..0x8E, then 0x9A, 0x9B, 0x9C, 0xA0,
// 0x9D, 0x9E, 0x9F.
extern const std::array<VirtualKeyPair, 134> VirtualKeyMap;

// Mouse button values of a macro event; they take precedence over key codes.
constexpr std::uint8_t kEventLeftButton = 1;
constexpr std::uint8_t kEventRightButton = 2;
constexpr std::uint8_t kEventMiddleButton = 4;
constexpr std::uint8_t kEventBackButton = 8;
constexpr std::uint8_t kEventForwardButton = 16;

// The name of a code, empty for codes without one (and outside 0..255).
std::u16string_view KeyName(int code);
// The code a virtual key records as; 0 (the empty name) when none.
KeyCode KeyCodeFromVirtualKey(int virtualKey);
// How a macro event's key byte is shown: mouse buttons first, then key names.
std::u16string_view MacroEventName(int value);
