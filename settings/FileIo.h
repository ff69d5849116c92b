// Whole-file reads and atomic replacement, the only way the program writes its files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

constexpr std::size_t kMaxSettingsFileBytes = 64u << 20;

enum class ReadResult { kOk, kMissing, kUnreadable };

// Reads the file whole; files above `limit` bytes count as unreadable.
ReadResult ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                         std::size_t limit = kMaxSettingsFileBytes);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and
// puts it in place of `path` in one step. On failure the old file is untouched
// and the temporary file is removed.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Text of 8-bit files without a byte-order mark, in the system's ANSI code page.
std::u16string AnsiToUtf16(std::string_view bytes);
