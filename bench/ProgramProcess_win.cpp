#include "bench/ProgramProcess_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchTiming.h"

namespace {

bool NeedsPaint(HWND window) {
  RECT update;
  return GetUpdateRect(window, &update, FALSE) != FALSE;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* title;
  HWND found;
};

// The top-level window of a process with a title: an instance left over from
// an earlier run must not count.
HWND FindProcessWindow(DWORD processId, const wchar_t* title) {
  WindowSearch search{processId, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId) return TRUE;
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (wcscmp(text, s->title) != 0) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

unsigned long long Total(const FILETIME& a, const FILETIME& b) {
  const auto value = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return value(a) + value(b);
}

const wchar_t kLinuxProcesses[] = L"Z:\\proc\\";

// A small file of /proc; empty when it cannot be read.
std::string ReadSmallFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  char buffer[256];
  DWORD read = 0;
  const BOOL ok = ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
  CloseHandle(file);
  return ok ? std::string(buffer, read) : std::string();
}

// Linux keeps the first 15 characters of a process's name.
std::string LinuxName(const std::wstring& exeName) {
  std::string name;
  for (wchar_t c : exeName.substr(0, 15)) name += static_cast<char>(c);
  return name;
}

template <typename Visit>
void ForEachEntry(const std::wstring& folder, const Visit& visit) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    visit(std::wstring(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

bool IsNumber(const std::wstring& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), iswdigit);
}

}  // namespace

std::vector<int> ProcessorTime::LinuxProcesses(const std::wstring& exeName) {
  const std::string name = LinuxName(exeName) + "\n";
  std::vector<int> pids;
  ForEachEntry(kLinuxProcesses, [&](const std::wstring& entry) {
    if (IsNumber(entry) && ReadSmallFile(kLinuxProcesses + entry + L"\\comm") == name)
      pids.push_back(std::wcstol(entry.c_str(), nullptr, 10));
  });
  return pids;
}

void ProcessorTime::Watch(HANDLE process, const std::wstring& exeName,
                          const std::vector<int>& earlier) {
  process_ = process;
  name_ = exeName;
  earlier_ = earlier;
  linuxPid_ = 0;
  linux_ = GetFileAttributesW(kLinuxProcesses) != INVALID_FILE_ATTRIBUTES;
}

double ProcessorTime::Ms() {
  if (!linux_) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process_, &created, &exited, &kernel, &user)) return -1;
    return static_cast<double>(Total(kernel, user)) / 10000.0;
  }
  if (!linuxPid_) {
    for (int pid : LinuxProcesses(name_))
      if (std::find(earlier_.begin(), earlier_.end(), pid) == earlier_.end()) linuxPid_ = pid;
    if (!linuxPid_) return -1;
  }
  // A thread's schedstat starts with its time on a processor and its time
  // waiting for one, in ns: a busy process on a loaded machine waits too.
  const std::wstring tasks = kLinuxProcesses + std::to_wstring(linuxPid_) + L"\\task\\";
  unsigned long long ns = 0;
  ForEachEntry(tasks, [&](const std::wstring& task) {
    if (!IsNumber(task)) return;
    const std::string stat = ReadSmallFile(tasks + task + L"\\schedstat");
    char* rest = nullptr;
    ns += std::strtoull(stat.c_str(), &rest, 10);
    ns += std::strtoull(rest, nullptr, 10);
  });
  return static_cast<double>(ns) / 1e6;
}

bool IsPainted(HWND window) {
  if (!IsWindowVisible(window) || NeedsPaint(window)) return false;
  bool pending = false;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM flag) -> BOOL {
        if (!IsWindowVisible(child) || !NeedsPaint(child)) return TRUE;
        *reinterpret_cast<bool*>(flag) = true;
        return FALSE;  // one is enough
      },
      reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

ProgramProcess::~ProgramProcess() { Close(); }

bool ProgramProcess::Start(const std::wstring& exe) {
  std::wstring command = L"\"" + exe + L"\"";
  const std::size_t slash = exe.find_last_of(L'\\') + 1;
  const std::wstring folder = exe.substr(0, slash);
  const std::wstring name = exe.substr(slash);
  const std::vector<int> earlier = ProcessorTime::LinuxProcesses(name);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  start_ = NowMs();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
    return false;
  }
  cpu_.Watch(process_.hProcess, name, earlier);
  return true;
}

double ProgramProcess::CpuReadingMs() {
  std::vector<double> samples;
  for (int i = 0; i < 30; ++i) {
    const double start = NowMs();
    cpu_.Ms();
    samples.push_back(NowMs() - start);
  }
  return Median(samples);
}

ProgramProcess::Sample ProgramProcess::SampleCpu() { return Sample{NowMs(), cpu_.Ms()}; }

double ProgramProcess::WaitForFirstPaint(const wchar_t* title, double timeoutMs) {
  if (!process_.hProcess) return -1;
  while (NowMs() - start_ < timeoutMs) {
    if (!window_) window_ = FindProcessWindow(process_.dwProcessId, title);
    if (window_ && IsPainted(window_)) return NowMs() - start_;
    Sleep(1);
  }
  return -1;
}

double ProgramProcess::WaitUntilQuiet(double quietMs, double timeoutMs) {
  if (!process_.hProcess) return -1;
  const double allowedMs = quietMs * 0.02;
  const double begun = NowMs();
  // The readings of the last `quietMs` and the one before them.
  std::deque<Sample> recent;
  while (NowMs() - begun < timeoutMs) {
    const Sample now = SampleCpu();
    if (!recent.empty()) {
      sampledMs_ += now.at - recent.back().at;
      ++samples_;
    }
    if (now.cpuMs >= 0) recent.push_back(now);
    while (recent.size() > 1 && recent[1].at <= now.at - quietMs) recent.pop_front();
    if (recent.size() > 1 && now.at - recent.front().at >= quietMs &&
        now.cpuMs - recent.front().cpuMs <= allowedMs)
      return recent.front().at - start_;
    Sleep(1);
  }
  return -1;
}

void ProgramProcess::Close() {
  if (!process_.hProcess) return;
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) {
    std::printf("  process %lu did not end when its window was closed\n", process_.dwProcessId);
    TerminateProcess(process_.hProcess, 1);
  }
  DWORD code = 0;
  if (GetExitCodeProcess(process_.hProcess, &code) && code != 0)
    std::printf("  process %lu ended with 0x%lx\n", process_.dwProcessId, code);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = PROCESS_INFORMATION{};
  window_ = nullptr;
}
