// Starts the program folder's executables under test and watches their windows.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

// The folder of the test executable, which is the program folder.
std::filesystem::path ProgramFolder();
// "%APPDATA%\Kestrelon\R58".
std::filesystem::path PerUserFolder();
// Removes the per-user folder so that a scenario starts like a first start.
void ClearPerUserFolder();

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const std::filesystem::path& exe, const std::wstring& arguments = L"");
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;

  bool started() const { return process_ != nullptr; }
  // Waits for the process to end; false on time-out.
  bool Wait(DWORD milliseconds);
  DWORD ExitCode() const;
  void Kill();

 private:
  HANDLE process_ = nullptr;
};

// Polls for a visible top-level window with this title (a window is made
// hidden and shown once its initialisation is done).
HWND WaitForWindow(const wchar_t* title, DWORD milliseconds, bool visible = true);
bool WaitForWindowGone(const wchar_t* title, DWORD milliseconds);
int CountTopLevelWindows(const wchar_t* title);
// Runs a program folder executable to its end and returns what it printed.
std::string RunAndCapture(const std::filesystem::path& exe, const std::wstring& arguments,
                          DWORD* exitCode = nullptr);
// Closes a running device-service simulator and waits until its window is gone.
void QuitSimulator();
