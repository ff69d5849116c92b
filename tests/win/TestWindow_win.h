// A top-level window of the test process that records the messages it gets,
// standing in for the device service or an auxiliary window of the program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class RecordingWindow {
 public:
  struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  // `onMessage` runs inside the window procedure for every message at or above WM_USER.
  explicit RecordingWindow(const wchar_t* title,
                           std::function<void(const Received&)> onMessage = {});
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  const std::vector<Received>& received() const { return received_; }
  bool Got(UINT message) const;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::function<void(const Received&)> onMessage_;
  std::vector<Received> received_;
};

// Handles the test thread's messages for a while (posted messages arrive here).
void PumpMessages(DWORD milliseconds);

// A message as the thread's queue would hand it over: stamped with the time
// now and the pointer's position.
MSG QueuedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
