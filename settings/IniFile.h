// The INI engine behind every store of the program. It reads and writes the
// formats of the platform's private-profile functions, which the device
// service uses on the same files: case-insensitive section and key names,
// keys replaced in place and new keys appended to their section, "%d"
// integers, and struct values as upper-case hex with a checksum byte.
//
// Unlike the platform functions it works on a copy in memory: reads never
// touch the file again, and writes reach it only through Commit(), which
// replaces the whole file in one step (atomically on disk, see StoredFile). Files are read as
// UTF-16LE or UTF-8 with a byte-order mark, or as 8-bit text in the ANSI code page; they are always
// written as UTF-16LE with a byte-order mark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What a value becomes once written and read back: the format keeps no blanks
// (space, tab, line ends, vertical tab, form feed) at either end.
std::u16string_view TrimIniValue(std::u16string_view value);

class StoredFile;

// The longest string value a read returns, as the platform's 4096-unit buffer
// with its terminator gives.
constexpr std::size_t kMaxStringUnits = 4095;

class IniFile {
 public:
  // Reads the file; a missing or unreadable file gives an empty document.
  // Commit replaces the file the document was read from.
  explicit IniFile(std::filesystem::path path);
  explicit IniFile(std::shared_ptr<StoredFile> file);
  // A document parsed from bytes, bound to no file (tests, tools).
  static IniFile FromBytes(std::string_view bytes);

  // Empty for a document of no file or of a file in memory.
  const std::filesystem::path& path() const;
  // Whether something existed at the path when it was read, readable or not.
  bool existed() const { return existed_; }
  // Whether something existed at the path but could not be read whole (see
  // ReadResult). The empty document then stands for nothing, and Commit
  // refuses to replace the file.
  bool unreadable() const { return unreadable_; }

  // At most kMaxStringUnits units; surrounding quotes are removed.
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view fallback = {}) const;
  std::int32_t ReadInt(std::u16string_view section, std::u16string_view key,
                       std::int32_t fallback) const;
  // False when the key is absent, the text has another length than
  // 2 * (size + 1) or the checksum does not match; the buffer is then untouched.
  bool ReadStruct(std::u16string_view section, std::u16string_view key, void* buffer,
                  std::size_t size) const;
  bool HasKey(std::u16string_view section, std::u16string_view key) const;
  bool HasSection(std::u16string_view section) const;

  void WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void WriteInt(std::u16string_view section, std::u16string_view key, std::int32_t value);
  void WriteStruct(std::u16string_view section, std::u16string_view key, const void* buffer,
                   std::size_t size);

  // Every key line in file order, with its section ("" before the first header).
  template <typename Visitor>  // void(u16string_view section, u16string_view key, u16string_view
                               // value)
  void Visit(Visitor&& visit) const {
    for (const Section& s : sections_)
      for (const Entry& e : s.entries) visit(s.name, e.key, e.value);
  }

  bool dirty() const { return dirty_; }
  // Replaces the file with the document when it changed. False when the file
  // could not be read or could not be written; the old file then stays as it was.
  bool Commit();
  // The document as the file holds it: UTF-16LE with a byte-order mark.
  std::string Serialize() const;

 private:
  struct Entry {
    std::u16string key;
    std::u16string value;
    bool hasValue = false;
  };
  struct Section {
    std::u16string name;
    std::vector<Entry> entries;
    std::unordered_map<std::u16string, std::size_t> index;  // folded key -> entry
  };

  IniFile() = default;
  void Parse(std::string_view bytes);
  void ParseLine(std::u16string_view line, Section*& current);
  const Entry* Find(std::u16string_view section, std::u16string_view key) const;
  Section& SectionFor(std::u16string_view name);

  std::shared_ptr<StoredFile> file_;  // none for FromBytes
  bool existed_ = false;
  bool unreadable_ = false;
  bool dirty_ = false;
  std::vector<Section> sections_;
  std::unordered_map<std::u16string, std::size_t> sectionIndex_;  // folded name -> section
};

// Struct value text: each byte as two upper-case hex digits, then the checksum
// byte (the low eight bits of the sum of all bytes).
std::u16string EncodeStruct(const void* buffer, std::size_t size);
bool DecodeStruct(std::u16string_view text, void* buffer, std::size_t size);
