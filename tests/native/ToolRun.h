// Runs the native r58ctl and captures what it prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

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
