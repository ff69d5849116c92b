// Whole-file reads and atomic replacement, the only way the program writes its files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The largest settings, library or skin file the program reads: a complete
// settings file is under 100 KB and a full library under 400 KB. A larger file
// is not read at all and counts as unreadable, never as empty.
constexpr std::size_t kMaxSettingsFileBytes = 64u << 20;

// kUnreadable: something is there but could not be read whole (no permission,
// held open without sharing, not a file, above the limit, a read error). Such a
// file must never be replaced by what little the program knows of it.
enum class ReadResult { kOk, kMissing, kUnreadable };

// Reads the file whole; files above `limit` bytes count as unreadable.
ReadResult ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                         std::size_t limit = kMaxSettingsFileBytes);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and
// puts it in place of `path` in one step. On failure the old file is untouched
// and the temporary file is removed. A read-only file is refused, as the
// platform refuses it. The native build keeps the replaced file's permission
// bits (a new file gets 0644) and, when `path` is a symbolic link, replaces the
// file the link names and keeps the link.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Text of 8-bit files without a byte-order mark, in the system's ANSI code page.
std::u16string AnsiToUtf16(std::string_view bytes);
