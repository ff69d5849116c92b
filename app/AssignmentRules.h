// Rules of the button page that need no window: the function menu's items and
// what a pick in it does to a row of the current profile.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/MouseConfig.h"

// Rows of the button page: the profile's first six slots.
constexpr int kAssignmentRows = 6;
constexpr int kFunctionMenuRows = 12;
constexpr int kFunctionMenuRowHeight = 24;
constexpr int kFunctionMenuCaptionOffset = 5;

// One item of the function menu: a function code, or the head of a group
// whose children are the codes.
struct FunctionMenuItem {
  std::uint8_t value;
  std::vector<std::uint8_t> children;
};
// 0xA0..0xAB in order; 0xA8, 0xA9 and 0xAA head the groups 0xB0..0xBA,
// 0xC0..0xC7 and 0xD0..0xD6.
const std::vector<FunctionMenuItem>& FunctionMenu();

// The code a pick reports (`value` the item's value, `child` the child's for
// a pick in a group): the item's own value, or the child's for a group head.
// Nothing for a value or child the menu does not offer.
std::optional<std::uint8_t> PickedCode(int value, int child);

enum class PickStep {
  kIgnore,         // no row, or a value the menu does not offer
  kWarn,           // refused: show `warning`
  kChooseMacro,    // open the macro pop-up
  kChoosePattern,  // open the pattern pop-up
  kAssign,         // give the slot `code`
};
struct PickPlan {
  PickStep step = PickStep::kIgnore;
  Warning warning = kAccepted;
  std::uint8_t code = 0;
};
// What a pick in the function menu of `row` does to the profile.
PickPlan PlanFunctionPick(const ProfileRecord& profile, int row, int value, int child);
