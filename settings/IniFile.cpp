#include "settings/IniFile.h"

#include <cstring>

#include "settings/StoredFile.h"
#include "settings/Utf.h"

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x0B || c == 0x0C;
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Names compare without regard to case: ASCII and Latin-1 letters fold.
std::u16string Fold(std::u16string_view name) {
  std::u16string out(Trim(name));
  for (char16_t& c : out) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 0x20;
  }
  return out;
}

// A value may not break the line structure of the file.
std::u16string OneLine(std::u16string_view value) {
  std::u16string out(value);
  for (char16_t& c : out)
    if (c == u'\r' || c == u'\n') c = u' ';
  return out;
}

std::u16string DecodeText(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::u16string out((bytes.size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                     static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    return out;
  }
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
      static_cast<unsigned char>(bytes[1]) == 0xFF) {
    std::u16string out((bytes.size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) << 8 |
                                     static_cast<unsigned char>(bytes[3 + 2 * i]));
    return out;
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
    return Utf8ToUtf16(bytes.substr(3));
  return AnsiToUtf16(bytes);
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

std::u16string_view TrimIniValue(std::u16string_view value) { return Trim(value); }

std::u16string EncodeStruct(const void* buffer, std::size_t size) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  std::u16string out;
  out.reserve(2 * (size + 1));
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    out.push_back(kHex[bytes[i] >> 4]);
    out.push_back(kHex[bytes[i] & 15]);
    sum += bytes[i];
  }
  out.push_back(kHex[(sum >> 4) & 15]);
  out.push_back(kHex[sum & 15]);
  return out;
}

bool DecodeStruct(std::u16string_view text, void* buffer, std::size_t size) {
  if (text.size() != 2 * (size + 1)) return false;
  std::string bytes(size + 1, '\0');
  unsigned sum = 0;
  for (std::size_t i = 0; i <= size; ++i) {
    const int hi = HexDigit(text[2 * i]);
    const int lo = HexDigit(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes[i] = static_cast<char>(hi << 4 | lo);
    if (i < size) sum += static_cast<unsigned char>(bytes[i]);
  }
  if (static_cast<unsigned char>(bytes[size]) != (sum & 0xFF)) return false;
  std::memcpy(buffer, bytes.data(), size);
  return true;
}

IniFile::IniFile(std::filesystem::path path)
    : IniFile(std::make_shared<DiskFile>(std::move(path))) {}

IniFile::IniFile(std::shared_ptr<StoredFile> file) : file_(std::move(file)) {
  std::string bytes;
  const ReadResult result = file_->Read(bytes);
  existed_ = result != ReadResult::kMissing;
  unreadable_ = result == ReadResult::kUnreadable;
  if (result == ReadResult::kOk) Parse(bytes);
}

const std::filesystem::path& IniFile::path() const {
  static const std::filesystem::path none;
  return file_ ? file_->path() : none;
}

IniFile IniFile::FromBytes(std::string_view bytes) {
  IniFile ini;
  ini.Parse(bytes);
  return ini;
}

void IniFile::Parse(std::string_view bytes) {
  const std::u16string text = DecodeText(bytes);
  Section* current = nullptr;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string::npos) end = text.size();
    ParseLine(std::u16string_view(text).substr(start, end - start), current);
    start = end + 1;
  }
}

void IniFile::ParseLine(std::u16string_view line, Section*& current) {
  line = Trim(line);
  if (line.empty()) return;
  if (line.front() == u'[') {
    const std::size_t close = line.rfind(u']');
    if (close != std::u16string_view::npos && close > 0) {
      // A repeated section stays a section of its own that look-ups never
      // reach, as with the platform's functions.
      const std::u16string_view name = line.substr(1, close - 1);
      sectionIndex_.try_emplace(Fold(name), sections_.size());
      sections_.push_back(Section{std::u16string(name), {}, {}});
      current = &sections_.back();
      return;
    }
  }
  // Lines before the first section header belong to a section without a name.
  if (!current) current = &SectionFor(u"");
  Entry entry;
  const std::size_t eq = line.find(u'=');
  if (eq == std::u16string_view::npos) {
    entry.key = line;
  } else {
    entry.key = Trim(line.substr(0, eq));
    entry.value = Trim(line.substr(eq + 1));
    entry.hasValue = true;
  }
  current->index.try_emplace(Fold(entry.key), current->entries.size());
  current->entries.push_back(std::move(entry));
}

IniFile::Section& IniFile::SectionFor(std::u16string_view name) {
  auto [it, inserted] = sectionIndex_.try_emplace(Fold(name), sections_.size());
  if (inserted) sections_.push_back(Section{std::u16string(name), {}, {}});
  return sections_[it->second];
}

const IniFile::Entry* IniFile::Find(std::u16string_view section, std::u16string_view key) const {
  const auto s = sectionIndex_.find(Fold(section));
  if (s == sectionIndex_.end()) return nullptr;
  const Section& sec = sections_[s->second];
  const auto k = sec.index.find(Fold(key));
  return k == sec.index.end() ? nullptr : &sec.entries[k->second];
}

bool IniFile::HasKey(std::u16string_view section, std::u16string_view key) const {
  return Find(section, key) != nullptr;
}

bool IniFile::HasSection(std::u16string_view section) const {
  return sectionIndex_.count(Fold(section)) != 0;
}

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view fallback) const {
  const Entry* e = Find(section, key);
  std::u16string_view value = e && e->hasValue ? std::u16string_view(e->value) : fallback;
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::u16string(CutToFit(value, kMaxStringUnits));
}

std::int32_t IniFile::ReadInt(std::u16string_view section, std::u16string_view key,
                              std::int32_t fallback) const {
  const std::u16string text = ReadString(section, key);
  return text.empty() ? fallback : ParseDecimal(text);
}

bool IniFile::ReadStruct(std::u16string_view section, std::u16string_view key, void* buffer,
                         std::size_t size) const {
  const Entry* e = Find(section, key);
  return e && e->hasValue && DecodeStruct(e->value, buffer, size);
}

void IniFile::WriteString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  Section& sec = SectionFor(Trim(section));
  std::u16string line = OneLine(value);
  const auto [it, inserted] = sec.index.try_emplace(Fold(key), sec.entries.size());
  if (inserted) {
    sec.entries.push_back(Entry{std::u16string(Trim(key)), std::move(line), true});
  } else {
    Entry& e = sec.entries[it->second];
    if (e.hasValue && e.value == line) return;
    e.value = std::move(line);
    e.hasValue = true;
  }
  dirty_ = true;
}

void IniFile::WriteInt(std::u16string_view section, std::u16string_view key, std::int32_t value) {
  WriteString(section, key, DecimalText(value));
}

void IniFile::WriteStruct(std::u16string_view section, std::u16string_view key, const void* buffer,
                          std::size_t size) {
  WriteString(section, key, EncodeStruct(buffer, size));
}

std::string IniFile::Serialize() const {
  std::u16string text;
  std::size_t estimate = 0;
  for (const Section& s : sections_) {
    estimate += s.name.size() + 6;
    for (const Entry& e : s.entries) estimate += e.key.size() + e.value.size() + 3;
  }
  text.reserve(estimate);
  bool first = true;
  for (const Section& s : sections_) {
    if (!s.name.empty() || !first) {
      if (!first) text += u"\r\n";
      text += u'[';
      text += s.name;
      text += u"]\r\n";
    }
    first = false;
    for (const Entry& e : s.entries) {
      text += e.key;
      if (e.hasValue) {
        text += u'=';
        text += e.value;
      }
      text += u"\r\n";
    }
  }
  std::string bytes;
  bytes.resize(2 + 2 * text.size());
  bytes[0] = '\xFF';
  bytes[1] = '\xFE';
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[2 + 2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[3 + 2 * i] = static_cast<char>(text[i] >> 8);
  }
  return bytes;
}

bool IniFile::Commit() {
  if (unreadable_) return false;
  if (!dirty_) return true;
  if (!file_ || !file_->Replace(Serialize())) return false;
  dirty_ = false;
  existed_ = true;
  return true;
}
