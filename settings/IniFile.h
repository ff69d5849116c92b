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

  // Line ends in a value become spaces. A value between two equal quote marks
  // or with a blank at either end is written inside a pair of quote marks, so
  // that a read, which takes the blanks and one pair away, gives it back.
  void WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void WriteInt(std::u16string_view section, std::u16string_view key, std::int32_t value);
  void WriteStruct(std::u16string_view section, std::u16string_view key, const void* buffer,
                   std::size_t size);

  // Every key line in file order, with its section ("" before the first
  // header). The views hold until the next write; the visitor must not write.
  template <typename Visitor>  // void(u16string_view section, u16string_view key, u16string_view
                               // value)
  void Visit(Visitor&& visit) const {
    for (const Section& s : sections_)
      for (const Entry& e : s.entries) visit(View(s.name), View(e.key), View(e.value));
  }

  bool dirty() const { return dirty_; }
  // Replaces the file with the document when it changed. False when the file
  // could not be read or could not be written; the old file then stays as it was.
  bool Commit();
  // The document as the file holds it: UTF-16LE with a byte-order mark.
  std::string Serialize() const;

 private:
  // Where a name or value stands in text_.
  struct Span {
    std::uint32_t at = 0;
    std::uint32_t size = 0;
  };
  struct Entry {
    Span key;
    Span value;
    bool hasValue = false;
  };
  // Item numbers by name, names compared as look-ups compare them (trimmed,
  // case folded): open addressing over a table of a power-of-two size.
  class NameIndex {
   public:
    static constexpr std::size_t kNone = ~std::size_t{0};
    static std::uint32_t HashOf(std::u16string_view name);
    // `nameOf(number)` is the name of an item added before.
    template <typename NameOf>
    std::size_t Find(std::u16string_view name, std::uint32_t hash, const NameOf& nameOf) const;
    void Add(std::size_t number, std::uint32_t hash);

   private:
    struct Slot {
      std::uint32_t item = 0;  // item number + 1; 0 for a free slot
      std::uint32_t hash = 0;
    };
    void Place(Slot slot);
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
  };
  struct Section {
    Span name;
    std::vector<Entry> entries;
    NameIndex index;
  };

  IniFile() = default;
  std::u16string_view View(Span span) const {
    return std::u16string_view(text_).substr(span.at, span.size);
  }
  // The span of a part of text_.
  Span SpanOf(std::u16string_view part) const;
  Span Append(std::u16string_view text);
  // Appends a value as the file holds it, so that a read gives it back:
  // line ends become spaces.
  Span AppendValue(std::u16string_view value);
  void Parse(std::string_view bytes);
  void ParseLine(std::u16string_view line, std::size_t& current);
  const Entry* Find(std::u16string_view section, std::u16string_view key) const;
  // Gives the key the value text_ ends with (`line`), adding the section and
  // the key when absent.
  void Store(std::u16string_view section, std::u16string_view key, Span line);
  void AddSection(Span name);
  std::size_t FindSection(std::u16string_view name, std::uint32_t hash) const;
  // The value a read returns: without surrounding quotes, cut to kMaxStringUnits.
  std::u16string_view ValueOf(std::u16string_view section, std::u16string_view key,
                              std::u16string_view fallback) const;
  // The number of the section a write of `name` goes to, added when absent.
  std::size_t SectionFor(std::u16string_view name);

  std::shared_ptr<StoredFile> file_;  // none for FromBytes
  bool existed_ = false;
  bool unreadable_ = false;
  bool dirty_ = false;
  // Every name and value: the text of the file, then the text writes added.
  std::u16string text_;
  std::vector<Section> sections_;
  NameIndex sectionIndex_;
};

// Struct value text: each byte as two upper-case hex digits, then the checksum
// byte (the low eight bits of the sum of all bytes).
std::u16string EncodeStruct(const void* buffer, std::size_t size);
bool DecodeStruct(std::u16string_view text, void* buffer, std::size_t size);
