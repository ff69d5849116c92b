// Where a file of the program lives: read whole and replaced whole, nothing
// in between. The stores (the INI engine, the settings, the libraries, profile
// files) read and write only through this, so their rules are the same for a
// file on disk and for one held in memory by the tests and the fuzz targets.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/FileIo.h"

class StoredFile {
 public:
  virtual ~StoredFile() = default;
  // The whole file into `bytes`, which stay empty unless the result is kOk.
  virtual ReadResult Read(std::string& bytes) const = 0;
  // Puts `bytes` in place of the whole file in one step; false leaves the
  // file as it was.
  virtual bool Replace(std::string_view bytes) = 0;
  // The file's path on disk; empty for a file in memory.
  virtual const std::filesystem::path& path() const = 0;
};

// A file on disk: ReadWholeFile and ReplaceFileAtomically, nothing more.
class DiskFile final : public StoredFile {
 public:
  explicit DiskFile(std::filesystem::path path) : path_(std::move(path)) {}
  ReadResult Read(std::string& bytes) const override;
  bool Replace(std::string_view bytes) override;
  const std::filesystem::path& path() const override { return path_; }

 private:
  std::filesystem::path path_;
};

// A file in memory. It starts missing or holding bytes, and can stand for a
// file that exists but cannot be read, or one that refuses to be replaced.
class MemoryFile final : public StoredFile {
 public:
  MemoryFile() = default;  // missing
  explicit MemoryFile(std::string_view bytes) { Hold(bytes); }

  ReadResult Read(std::string& bytes) const override;
  // A replaced file is readable and holds the new bytes, unless it refuses writes.
  bool Replace(std::string_view bytes) override;
  const std::filesystem::path& path() const override { return noPath_; }

  void Hold(std::string_view bytes);
  void MakeUnreadable();
  void RefuseWrites(bool refuse) { refusesWrites_ = refuse; }

  ReadResult state() const { return state_; }
  const std::string& bytes() const { return bytes_; }
  // Successful replacements so far.
  int replacements() const { return replacements_; }

 private:
  ReadResult state_ = ReadResult::kMissing;
  std::string bytes_;
  bool refusesWrites_ = false;
  int replacements_ = 0;
  std::filesystem::path noPath_;
};
