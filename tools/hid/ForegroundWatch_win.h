// Which top-level window is in front, and the program file behind it.
#pragma once

#include <windows.h>

#include <string>

// Posts `message` (wParam: the window now in front) to the owner window when
// the foreground changes: through the platform's foreground event, and by
// asking twice a second for the changes an event does not report. Wine 8
// accepts the event hook but never calls it (tried under Xvfb with real
// clicks), so there the poll does all the work. The owner sees a window again
// whenever the poll finds it, so it ignores repeats itself.
class ForegroundWatch {
 public:
  ForegroundWatch() = default;
  ~ForegroundWatch() { Stop(); }
  ForegroundWatch(const ForegroundWatch&) = delete;
  ForegroundWatch& operator=(const ForegroundWatch&) = delete;

  void Start(HWND owner, UINT message);
  void Stop();
  // The owner's WM_TIMER with this id is the poll.
  static constexpr UINT_PTR kPollTimer = 2;
  void OnPollTimer() const;

 private:
  static void CALLBACK OnForegroundEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                         LONG child, DWORD thread, DWORD time);

  HWINEVENTHOOK hook_ = nullptr;
  HWND owner_ = nullptr;
  UINT message_ = 0;
};

// The full path of the program file of the process that owns the window;
// empty when it cannot be found (no window, the process is gone or refuses
// to be queried).
std::wstring ProgramOfWindow(HWND window);
