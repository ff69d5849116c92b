#include "settings/FileIo.h"

#include <cstdint>
#include <fstream>
#include <system_error>

ReadResult ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::size_t limit) {
  bytes.clear();
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return ReadResult::kMissing;
  if (!std::filesystem::is_regular_file(status)) return ReadResult::kUnreadable;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > limit) return ReadResult::kUnreadable;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::kUnreadable;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  // A short read (a read error, or a file cut while it was read) is not the whole file.
  if (static_cast<std::uintmax_t>(in.gcount()) != size) {
    bytes.clear();
    return ReadResult::kUnreadable;
  }
  return ReadResult::kOk;
}
