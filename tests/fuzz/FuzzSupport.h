// What the fuzz targets share: a private scratch folder in memory-backed
// storage and a file written there from the input.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    auto folder = base / ("r58-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder;
  }();
  return folder;
}

// The file `name` of the scratch folder, holding exactly these bytes.
inline std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data,
                                          std::size_t size) {
  const auto path = ScratchFolder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// A finding: libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)
