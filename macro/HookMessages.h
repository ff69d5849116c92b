// What the input hook library (KBHook.dll) reports to the macro editor while
// it records: one message per key or mouse-button event, posted to the window
// the library was installed for. Shared by the library and the recorder.
#pragma once

#include <cstdint>

// wParam: the virtual-key code; lParam: the low-level keyboard flags, reduced
// to the release and extended-key bits (0 or 1 press, 0x80 or 0x81 release).
constexpr unsigned kHookKeyMessage = 0x40A;
// wParam: the button message below; lParam: for the extra buttons the button
// number (kHookBackButton or kHookForwardButton), else 0.
constexpr unsigned kHookMouseMessage = 0x1401;

constexpr std::int64_t kHookKeyExtended = 0x01;
constexpr std::int64_t kHookKeyReleased = 0x80;
constexpr std::int64_t kHookKeyFlags = kHookKeyExtended | kHookKeyReleased;

// The button messages as the platform numbers them.
constexpr int kButtonLeftDown = 0x201;
constexpr int kButtonLeftUp = 0x202;
constexpr int kButtonRightDown = 0x204;
constexpr int kButtonRightUp = 0x205;
constexpr int kButtonMiddleDown = 0x207;
constexpr int kButtonMiddleUp = 0x208;
constexpr int kButtonExtraDown = 0x20B;
constexpr int kButtonExtraUp = 0x20C;

constexpr std::int64_t kHookBackButton = 1;
constexpr std::int64_t kHookForwardButton = 2;
