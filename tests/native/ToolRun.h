// Runs the native r58ctl and captures what it prints.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/native/TestFiles.h"

struct ToolResult {
  int code;
  std::string out;
};

inline ToolResult RunR58ctl(const std::string& args) {
  const std::string command = std::string(R58CTL_PATH) + " " + args + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// The exit status of r58ctl run as the ordinary user (see RunAsOrdinaryUser);
// kToolNotRunnable when that user cannot run the tool from where it was built.
constexpr int kToolNotRunnable = 125;
inline int RunR58ctlAsOrdinaryUser(const std::string& args) {
  const std::string command = std::string(R58CTL_PATH) + " " + args + " >/dev/null 2>&1";
  return RunAsOrdinaryUser([&command] {
    if (::access(R58CTL_PATH, X_OK) != 0) return kToolNotRunnable;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  });
}
