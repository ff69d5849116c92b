// Text conversions of the portable core. Names and paths are UTF-16 as the
// settings block and the Windows API hold them; tools print UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view utf8);
// Lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
// Windows-1252, the ANSI code page of 8-bit INI files read by the native build.
std::u16string Windows1252ToUtf16(std::string_view bytes);
// Prefix of text of at most `limit` units that does not end inside a surrogate pair.
std::u16string_view CutToFit(std::u16string_view text, std::size_t limit);
// "%d"
std::u16string DecimalText(std::int64_t value);
// Reads like the platform's integer profile values: leading blanks, an optional
// sign, decimal digits up to the first other character, 32-bit wrap-around.
std::int32_t ParseDecimal(std::u16string_view text);
// Number from a command line or a skin value: an optional minus, then decimal
// digits or "0x" and hexadecimal digits, within the 64-bit range. Returns false
// for anything else (a plus, a second sign, a sign after "0x", blanks).
bool ParseNumber(std::string_view text, std::int64_t& value);
