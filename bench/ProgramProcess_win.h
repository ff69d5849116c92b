// One run of a windowed program for the benchmarks: started as a fresh
// process, watched until its window is painted and until it stops using the
// processor, closed at the end.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

// Processor time a process has used or waited for, in ms. Under Wine,
// GetProcessTimes of another process does not follow what it uses (it moved
// by 10 ms a second while the program was busy), so the count comes from
// Linux: each of the process's threads' time on a processor and time waiting
// for one in /proc, read through the drive Z:. The waiting counts because a
// process starved on a loaded machine is not idle. Elsewhere it is
// GetProcessTimes.
class ProcessorTime {
 public:
  // Wine names the Linux process after the executable's file name.
  void Watch(HANDLE process, const std::wstring& exeName, const std::vector<int>& earlier);
  // Linux processes of that name now.
  static std::vector<int> LinuxProcesses(const std::wstring& exeName);
  // -1 while the process is not found.
  double Ms();

 private:
  HANDLE process_ = nullptr;
  std::wstring name_;
  std::vector<int> earlier_;
  int linuxPid_ = 0;
  bool linux_ = false;
};

class ProgramProcess {
 public:
  ProgramProcess() = default;
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // Starts `exe` in its own folder; the clock starts just before.
  bool Start(const std::wstring& exe);
  // Milliseconds from the start until a window of the process titled `title`
  // is visible and neither it nor a visible child waits for a paint; -1 when
  // that does not happen within `timeoutMs`.
  double WaitForFirstPaint(const wchar_t* title, double timeoutMs);
  // Milliseconds from the start to the beginning of the first spell of
  // `quietMs` after this call in which the process used or waited for at most
  // 2 % of a processor (its timers that check the pointer take about 1 %); -1
  // on a timeout.
  double WaitUntilQuiet(double quietMs, double timeoutMs);
  // Asks the window to close and waits for the process; ends it if it stays.
  void Close();

  HWND window() const { return window_; }
  // How long one reading of the processor time takes, in ms (median).
  double CpuReadingMs();
  // The mean time between two readings of the processor time while waiting.
  double samplePeriodMs() const { return samples_ ? sampledMs_ / samples_ : 0; }

 private:
  struct Sample {
    double at, cpuMs;
  };
  Sample SampleCpu();

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  double start_ = 0;
  ProcessorTime cpu_;
  double sampledMs_ = 0;
  long long samples_ = 0;
};

// Whether `window` is visible and neither it nor a visible child waits for a paint.
bool IsPainted(HWND window);
