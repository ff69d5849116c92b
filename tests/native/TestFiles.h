// Scratch folders and file helpers for the native tests.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/Utf.h"

// A fresh empty folder per test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("r58-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& p, std::string_view bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// UTF-16LE with a byte-order mark, as the program writes INI files.
inline std::string Utf16File(std::string_view utf8) {
  const std::u16string text = Utf8ToUtf16(utf8);
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

// File permissions do not hold for root, so permission cases run in a child
// process as an ordinary user: "nobody" when the tests run as root, the user
// itself otherwise. `body` returns the child's exit status (0..125).
constexpr uid_t kOrdinaryUser = 65534;  // nobody
constexpr gid_t kOrdinaryGroup = 65534;

inline bool RunningAsRoot() { return ::geteuid() == 0; }

// Hands a file or folder made by the test to the ordinary user.
inline void GiveToOrdinaryUser(const std::filesystem::path& p) {
  if (RunningAsRoot() && ::lchown(p.c_str(), kOrdinaryUser, kOrdinaryGroup) != 0)
    throw std::runtime_error("cannot hand " + p.string() + " to the ordinary user");
}

// -1 when the child could not start or could not become the ordinary user.
inline int RunAsOrdinaryUser(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    if (RunningAsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
                            ::setuid(kOrdinaryUser) != 0))
      ::_exit(126);
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 126 ? -1 : WEXITSTATUS(status);
}
