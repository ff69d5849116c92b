#include <gtest/gtest.h>

#include <set>

#include "macro/KeyNames.h"
#include "settings/Utf.h"

namespace {

std::string Name(int code) { return Utf16ToUtf8(KeyName(code)); }

TEST(KeyName, NamesOfTheCodesThatAreEasyToGetWrong) {
  const struct {
    int code;
    const char* name;
  } cases[] = {
      {0x3F, "`(Dos/v)"},
      {0x54, "\\"},
      {0x10, "~"},
      {0x17, "(MuHenkan)"},
      {0x1D, ""},
      {0x1F, ""},
      {0x27, "Hanguel(Korean)"},
      {0x4E, "$/}(102W)"},
      {0x56, "Enter"},
      {0x74, "(Enter)"},
      {0x65, "NA"},
      {0x73, "NA"},
      {0x78, "NA"},
      {0x7B, "NA"},
      {0x7C, "NA"},
      {0x7E, ""},
      {0x87, "Profile"},
      {0x8F, "Mute"},
      {0x90, ""},
      {0x99, ""},
      {0x9B, "DPad NE"},
      {0x9F, "DPad NW"},
      {0xA0, ""},
      {0xEF, ""},
      {0xF0, "Left Button"},
      {0xF3, ""},
      {0xF6, "Forward"},
      {0xF7, "Backward"},
      {0xF8, ""},
      {0xFF, ""},
      {0x00, ""},
      {0x0F, ""},
      {-1, ""},
      {256, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Name(c.code), c.name) << std::hex << c.code;
}

TEST(KeyCodeFromVirtualKey, TranslatesTheRecordingHooksKeys) {
  const struct {
    int vk;
    int code;
  } cases[] = {
      {0xC0, 0x10}, {0x5C, 0xA0}, {0x5B, 0x9C}, {0x5D, 0x9A}, {0xFB, 0x9F}, {0x10, 0},
      {0x11, 0},    {0x12, 0},    {0xA0, 0x83}, {0xA1, 0x86}, {0xA2, 0x88}, {0xA3, 0x8E},
      {0xA4, 0x7D}, {0xA5, 0x7F}, {0x0D, 0x56}, {0x6C, 0x74}, {0xDC, 0x54}, {0x7C, 0},
      {0xE2, 0},    {0xAD, 0},    {0x00, 0},    {0x41, 0x14}, {0x30, 0x49}, {0x90, 0x66},
      {-5, 0},      {0x1C0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeyCodeFromVirtualKey(c.vk), c.code) << std::hex << "vk " << c.vk;
}

TEST(VirtualKeyMap, ListsEveryCodeOnceInItsOrderAndEachKeyOnce) {
  std::vector<int> expected;
  for (int c = 0x10; c <= 0x8E; ++c) expected.push_back(c);
  for (int c : {0x9A, 0x9B, 0x9C, 0xA0, 0x9D, 0x9E, 0x9F}) expected.push_back(c);
  std::vector<int> codes;
  std::set<int> keys;
  for (const VirtualKeyPair& p : VirtualKeyMap) {
    codes.push_back(p.code);
    if (p.virtualKey == 0) continue;
    EXPECT_TRUE(keys.insert(p.virtualKey).second) << "virtual key twice: " << +p.virtualKey;
    EXPECT_EQ(KeyCodeFromVirtualKey(p.virtualKey), p.code);
  }
  EXPECT_EQ(codes, expected);
}

TEST(VirtualKeyMap, OnlyTheRightWindowsKeyTranslatesToAnUnnamedCode) {
  std::vector<int> unrecordable;
  for (const VirtualKeyPair& p : VirtualKeyMap)
    if (p.virtualKey != 0 && KeyName(p.code).empty()) unrecordable.push_back(p.virtualKey);
  EXPECT_EQ(unrecordable, std::vector<int>{0x5C});
}

TEST(KeyNameTable, NamesArePrintableAscii) {
  for (int code = 0; code < 256; ++code)
    for (char16_t c : KeyNameTable[code]) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << code;
}

TEST(MacroEventName, MouseButtonValuesComeBeforeKeyCodes) {
  const struct {
    int value;
    const char* name;
  } cases[] = {{1, "Left Button"},
               {2, "Right Button"},
               {4, "Middle Button"},
               {8, "Backward"},
               {16, "Forward"},
               {0x11, "1"},
               {3, ""},
               {0x0C, ""},
               {0xF1, "Right Button"}};
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(MacroEventName(c.value)), c.name) << c.value;
  // The key left of 1 records as 0x10, which is always shown as the Forward button.
  EXPECT_EQ(Utf16ToUtf8(MacroEventName(KeyCodeFromVirtualKey(0xC0))), "Forward");
}

}  // namespace
