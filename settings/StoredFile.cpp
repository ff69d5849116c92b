#include "settings/StoredFile.h"

ReadResult DiskFile::Read(std::string& bytes) const { return ReadWholeFile(path_, bytes); }

bool DiskFile::Replace(std::string_view bytes) { return ReplaceFileAtomically(path_, bytes); }

ReadResult MemoryFile::Read(std::string& bytes) const {
  if (state_ == ReadResult::kOk)
    bytes = bytes_;
  else
    bytes.clear();
  return state_;
}

bool MemoryFile::Replace(std::string_view bytes) {
  if (refusesWrites_) return false;
  Hold(bytes);
  ++replacements_;
  return true;
}

void MemoryFile::Hold(std::string_view bytes) {
  state_ = ReadResult::kOk;
  bytes_.assign(bytes);
}

void MemoryFile::MakeUnreadable() {
  state_ = ReadResult::kUnreadable;
  bytes_.clear();
}
