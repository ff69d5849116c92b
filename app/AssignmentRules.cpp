#include "app/AssignmentRules.h"

namespace {

std::vector<std::uint8_t> Codes(std::uint8_t first, std::uint8_t last) {
  std::vector<std::uint8_t> codes;
  for (int c = first; c <= last; ++c) codes.push_back(static_cast<std::uint8_t>(c));
  return codes;
}

}  // namespace

const std::vector<FunctionMenuItem>& FunctionMenu() {
  static const std::vector<FunctionMenuItem> menu = [] {
    std::vector<FunctionMenuItem> items;
    for (std::uint8_t code : Codes(0xA0, 0xAB)) items.push_back({code, {}});
    items[8].children = Codes(0xB0, 0xBA);
    items[9].children = Codes(0xC0, 0xC7);
    items[10].children = Codes(0xD0, 0xD6);
    return items;
  }();
  return menu;
}

std::optional<std::uint8_t> PickedCode(int value, int child) {
  for (const FunctionMenuItem& item : FunctionMenu()) {
    if (item.value != value) continue;
    if (item.children.empty()) return item.value;
    for (std::uint8_t code : item.children)
      if (code == child) return code;
    return std::nullopt;
  }
  return std::nullopt;
}

PickPlan PlanFunctionPick(const ProfileRecord& profile, int row, int value, int child) {
  PickPlan plan;
  if (row < 0 || row >= kAssignmentRows) return plan;
  const std::optional<std::uint8_t> code = PickedCode(value, child);
  if (!code) return plan;
  plan.warning = CheckAssignment(profile, row, *code);
  if (plan.warning != kAccepted) {
    plan.step = PickStep::kWarn;
    return plan;
  }
  plan.code = *code;
  plan.step = *code == kCodeMacro     ? PickStep::kChooseMacro
              : *code == kCodePattern ? PickStep::kChoosePattern
                                      : PickStep::kAssign;
  return plan;
}
