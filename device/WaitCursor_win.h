// The wait cursor for the scope of a blocking call to another process.
#pragma once

#include <windows.h>

// The wait cursor for the scope.
class WaitCursorScope {
 public:
  WaitCursorScope() : old_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursorScope() { SetCursor(old_); }
  WaitCursorScope(const WaitCursorScope&) = delete;
  WaitCursorScope& operator=(const WaitCursorScope&) = delete;

 private:
  HCURSOR old_;
};
