// Event lists written and read as short texts in the macro editor tests:
// "A+" press of key A, "A-" its release, "50" a delay of 50 ms, "L+" the left
// button ("R", "M", "Back", "Fwd" the others).
#pragma once

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>

#include "macro/EventGroups.h"
#include "macro/KeyNames.h"
#include "macro/Patterns.h"
#include "settings/Gcc12Restrict.h"
#include "settings/Utf.h"

inline std::string EventText(const MacroEvent& e) {
  if (e.code == kEventDelay) return std::to_string(e.value);
  std::string name;
  switch (e.code) {
    case kEventLeftButton:
      name = "L";
      break;
    case kEventRightButton:
      name = "R";
      break;
    case kEventMiddleButton:
      name = "M";
      break;
    case kEventBackButton:
      name = "Back";
      break;
    case kEventForwardButton:
      name = "Fwd";
      break;
    default:
      name = Utf16ToUtf8(KeyName(e.code));
  }
  return name + (e.value == 1 ? "+" : "-");
}

// The events before `count`, space-separated, followed by " | stale" when an
// event after the count is not all zero (the stored list would differ).
inline std::string EventsText(const MacroEvents& events) {
  std::string text;
  GCC12_BUG_105651_BEGIN
  for (int i = 0; i < events.count; ++i) text += (i ? " " : "") + EventText(events.list[i]);
  GCC12_BUG_105651_END
  for (int i = std::max(events.count, 0); i < kEventCapacity; ++i) {
    const MacroEvent& e = events.list[i];
    if (e.code || e.zero || e.value) return text + " | stale";
  }
  return text;
}

inline MacroEvents EventsFromText(const std::string& text) {
  MacroEvents events;
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    if (std::isdigit(static_cast<unsigned char>(word[0]))) {
      events.Append({kEventDelay, 0, static_cast<std::uint16_t>(std::stoi(word))});
      continue;
    }
    const bool press = word.back() == '+';
    const std::string name = word.substr(0, word.size() - 1);
    std::uint8_t code = 0;
    if (name == "L")
      code = kEventLeftButton;
    else if (name == "R")
      code = kEventRightButton;
    else if (name == "M")
      code = kEventMiddleButton;
    else if (name == "Back")
      code = kEventBackButton;
    else if (name == "Fwd")
      code = kEventForwardButton;
    else
      for (int c = 0x11; c < 0x100 && !code; ++c)
        if (Utf16ToUtf8(KeyName(c)) == name) code = static_cast<std::uint8_t>(c);
    events.Append({code, 0, static_cast<std::uint16_t>(press ? 1 : 0)});
  }
  return events;
}
