// The macro recorder: decides, for each key or mouse-button event the hook
// library reports, whether it becomes part of the macro, and appends it with
// the delay before it. The editor window only forwards the reports and shows
// what the recorder returns.
#pragma once

#include <cstdint>
#include <vector>

#include "macro/EventGroups.h"
#include "settings/Warnings.h"

enum class DelayMode : int {
  kRealTime = 0,  // the time between the events
  kTyped = 1,     // the number of the delay box
  kNone = 2,
};

// One report of the hook library, with what the window knows at that moment.
struct HookReport {
  int message = 0;                // wParam: a virtual key, or a button message
  std::int64_t flags = 0;         // lParam
  std::uint32_t now = 0;          // when it was posted (the message time), milliseconds
  bool overRecordButton = false;  // the cursor lies over the record button
  int selection = -1;             // the selected row, -1 none (modify mode)
  int typedDelay = 0;             // the delay box's number (typed-delay mode)
};

struct RecordResult {
  enum Kind {
    kIgnored,
    kRecorded,  // rows firstRow.. (newRows of them) are new
    kModified,  // the selected group has the new key; rows `rewritten` changed
    kStopped,   // the list is full: recording stopped, show `warning`
  };
  Kind kind = kIgnored;
  bool clearList = false;  // the list showed its placeholder: clear it before adding
  int firstRow = 0;
  int newRows = 0;
  std::vector<int> rewritten;
  int select = -1;  // the row to select, -1 unchanged
  Warning warning = kAccepted;
  // What the window's message handler answers.
  int HandlerResult() const { return kind == kRecorded ? 1 : 0; }
};

struct MacroRecorder {
  bool recording = false;
  bool modifying = false;  // each accepted key replaces the selected group's key
  DelayMode delayMode = DelayMode::kRealTime;
  int lastMessage = -1;
  std::int64_t lastFlags = -1;
  std::uint32_t lastTime = 0;  // 0: no event recorded yet

  // Switches recording on or off. Starting outside modify mode empties the
  // events; returns true when it did, so the window clears its list.
  bool Start(bool on, MacroEvents& events);
  // The modify button on a key or button row: records keys that replace that
  // row's group. False (nothing started) for any other row.
  bool StartModify(MacroEvents& events, int selection);
  // The editor is going away.
  void End();

  RecordResult Record(MacroEvents& events, const HookReport& report);
};

// The number of events a full list holds in a delay mode: capacity less the
// delay that would precede the next event.
int RecordingLimit(DelayMode mode);
