#include "macro/Recording.h"

#include <algorithm>

#include "macro/HookMessages.h"
#include "macro/KeyNames.h"
#include "macro/Patterns.h"

namespace {

constexpr int kLastVirtualKey = 0xFF;

bool IsButtonPress(int message) {
  return message == kButtonLeftDown || message == kButtonRightDown ||
         message == kButtonMiddleDown || message == kButtonExtraDown;
}

bool IsButtonRelease(int message) {
  return message == kButtonLeftUp || message == kButtonRightUp || message == kButtonMiddleUp ||
         message == kButtonExtraUp;
}

bool IsRelease(std::int64_t flags) { return (flags & kHookKeyReleased) != 0; }

std::uint8_t ButtonCode(int message, std::int64_t flags) {
  switch (message) {
    case kButtonLeftDown:
    case kButtonLeftUp:
      return kEventLeftButton;
    case kButtonRightDown:
    case kButtonRightUp:
      return kEventRightButton;
    case kButtonMiddleDown:
    case kButtonMiddleUp:
      return kEventMiddleButton;
    default:
      return flags == kHookBackButton ? kEventBackButton : kEventForwardButton;
  }
}

// Two keys held at once cannot be recorded: another key counts only when the
// last key was released and this one is pressed.
bool KeyAccepted(const MacroRecorder& r, int key, std::int64_t flags) {
  if (r.lastMessage == -1 || r.lastMessage == key) return true;
  return IsRelease(r.lastFlags) && !IsRelease(flags);
}

bool ButtonAccepted(const MacroRecorder& r, int message) {
  if (IsButtonPress(message)) return !IsButtonPress(r.lastMessage);
  return r.lastMessage == message - 1;
}

int DelayBefore(const MacroRecorder& r, const HookReport& report) {
  if (r.delayMode == DelayMode::kTyped) return std::clamp(report.typedDelay, 1, kMaxDelay);
  const std::uint32_t since = r.lastTime == 0 ? report.now : r.lastTime;
  // Tick counts wrap around; the difference read as signed stays right.
  const auto elapsed = static_cast<std::int32_t>(report.now - since);
  return std::clamp<std::int32_t>(elapsed, 1, kMaxDelay);
}

}  // namespace

int RecordingLimit(DelayMode mode) {
  return mode == DelayMode::kNone ? kEventCapacity : kEventCapacity - 1;
}

bool MacroRecorder::Start(bool on, MacroEvents& events) {
  recording = on;
  if (!on) {
    modifying = false;
    return false;
  }
  if (modifying) return false;
  events.Clear();
  return true;
}

bool MacroRecorder::StartModify(MacroEvents& events, int selection) {
  if (ModifyActionFor(events, selection) != ModifyAction::kRecordNewKey) return false;
  modifying = true;
  Start(true, events);
  return true;
}

void MacroRecorder::End() {
  recording = false;
  modifying = false;
  lastTime = 0;
}

RecordResult MacroRecorder::Record(MacroEvents& events, const HookReport& report) {
  if (!recording) return {};
  const int message = report.message;
  const bool button = IsButtonPress(message) || IsButtonRelease(message);
  if (!button && (message < 0 || message > kLastVirtualKey)) return {};
  // The click that stops recording is not part of the macro.
  if (button && report.overRecordButton) return {};
  // Key auto-repeat.
  if (message == lastMessage && report.flags == lastFlags) return {};
  if (button ? !ButtonAccepted(*this, message) : !KeyAccepted(*this, message, report.flags))
    return {};

  const std::uint8_t code =
      button ? ButtonCode(message, report.flags) : KeyCodeFromVirtualKey(message);
  const std::int64_t flags = button ? (IsButtonPress(message) ? 1 : kHookKeyFlags) : report.flags;

  RecordResult result;
  if (modifying) {
    const EventKind selected = KindAt(events, report.selection);
    if (selected != EventKind::kPress && selected != EventKind::kRelease) return {};
    const KeystrokeGroup g = GroupAt(events, report.selection);
    if (!EditGroup(events, report.selection, GroupEdit::kModify, code).done) return {};
    result.kind = RecordResult::kModified;
    result.rewritten = {g.start, g.start + g.innerDelay + 1};
    return result;
  }
  if (events.count >= RecordingLimit(delayMode)) {
    Start(false, events);
    result.kind = RecordResult::kStopped;
    result.warning = kWarnRecordingFull;
    return result;
  }
  if (MacroEventName(code).empty()) return {};

  result.kind = RecordResult::kRecorded;
  result.clearList = events.count == 0;
  result.firstRow = events.count;
  if (events.count > 0 && delayMode != DelayMode::kNone)
    events.Append({kEventDelay, 0, static_cast<std::uint16_t>(DelayBefore(*this, report))});
  events.Append({code, 0, static_cast<std::uint16_t>(IsRelease(flags) ? 0 : 1)});
  result.newRows = events.count - result.firstRow;
  result.select = events.count - 1;

  lastMessage = message;
  lastFlags = flags;
  lastTime = report.now;
  return result;
}
