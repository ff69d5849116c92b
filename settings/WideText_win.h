// The core's UTF-16 strings as the Windows API's wide strings (both 16-bit).
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string U16(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// A constant UTF-16 string as the API's wide string, without a copy.
inline const wchar_t* WidePtr(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}
