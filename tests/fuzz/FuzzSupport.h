// What the fuzz targets share: files in memory made from the input, so that
// each input goes through the stores' own reads and writes without a disk.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "settings/StoredFile.h"

inline std::string_view InputBytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A file holding exactly these bytes.
inline std::shared_ptr<MemoryFile> FileHolding(std::string_view bytes) {
  return std::make_shared<MemoryFile>(bytes);
}

// A smaller quarantine of freed memory than the address sanitizer's 256 MB:
// recycled sooner, the memory of an input is not fresh pages each time, and
// 32 MB still holds what dozens of inputs free.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

// A finding: libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)
