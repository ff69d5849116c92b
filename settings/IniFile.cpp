#include "settings/IniFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>

#include "settings/StoredFile.h"
#include "settings/Utf.h"

namespace {

// The hot loops of a parse and a look-up go through these once per
// character: tables and masks instead of chains of comparisons.
bool IsBlank(char16_t c) {
  constexpr std::uint64_t kOne = 1;
  constexpr std::uint64_t kBlanks =
      kOne << u' ' | kOne << u'\t' | kOne << u'\r' | kOne << u'\n' | kOne << 0x0B | kOne << 0x0C;
  return c <= u' ' && (kBlanks >> c & 1);
}

bool IsLineEnd(char16_t c) { return c <= u'\r' && (c == u'\r' || c == u'\n'); }

std::u16string_view Trim(std::u16string_view s) {
  const char16_t* begin = s.data();
  const char16_t* end = begin + s.size();
  while (begin != end && IsBlank(*begin)) ++begin;
  while (end != begin && IsBlank(end[-1])) --end;
  return {begin, static_cast<std::size_t>(end - begin)};
}

// Names compare without regard to case: ASCII and Latin-1 letters fold.
constexpr std::array<char16_t, 256> kFolded = [] {
  std::array<char16_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    table[c] = static_cast<char16_t>(upper ? c + 0x20 : c);
  }
  return table;
}();

char16_t Fold(char16_t c) { return c < kFolded.size() ? kFolded[c] : c; }

void AppendUtf16Le(std::string& bytes, std::u16string_view text) {
  const std::size_t at = bytes.size();
  bytes.resize(at + 2 * text.size());
  char* out = bytes.data() + at;
  if constexpr (std::endian::native == std::endian::little) {
    if (!text.empty()) std::memcpy(out, text.data(), text.size() * sizeof(char16_t));
    return;
  }
  for (char16_t c : text) {
    *out++ = static_cast<char>(c & 0xFF);
    *out++ = static_cast<char>(c >> 8);
  }
}

// A value may not break the line structure of the file.
char16_t OneLine(char16_t c) { return IsLineEnd(c) ? u' ' : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  a = Trim(a);
  b = Trim(b);
  if (a.size() != b.size()) return false;
  const char16_t* x = a.data();
  const char16_t* y = b.data();
  const std::size_t n = a.size();
  // Names are mostly spelt the same way they are looked up.
  if (n == 0 || std::memcmp(x, y, n * sizeof(char16_t)) == 0) return true;
  for (std::size_t i = 0; i < n; ++i)
    if (x[i] != y[i] && Fold(x[i]) != Fold(y[i])) return false;
  return true;
}

// UTF-16 after a byte-order mark: the low byte first, or the high byte first.
std::u16string Utf16Text(std::string_view bytes, bool lowFirst) {
  std::u16string out(bytes.size() / 2, u'\0');
  if (lowFirst == (std::endian::native == std::endian::little)) {
    std::memcpy(out.data(), bytes.data(), out.size() * sizeof(char16_t));
    return out;
  }
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const int low = lowFirst ? 0 : 1;
  for (char16_t& c : out) {
    c = static_cast<char16_t>(in[low] | in[1 - low] << 8);
    in += 2;
  }
  return out;
}

std::u16string DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16Text(bytes.substr(2), true);
  if (bytes.starts_with("\xFE\xFF")) return Utf16Text(bytes.substr(2), false);
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  return AnsiToUtf16(bytes);
}

constexpr std::array<signed char, 256> kHexDigits = [] {
  std::array<signed char, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[c] = c >= '0' && c <= '9'   ? c - '0'
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                      : -1;
  return table;
}();

int HexDigit(char16_t c) { return c < kHexDigits.size() ? kHexDigits[c] : -1; }

}  // namespace

std::u16string_view TrimIniValue(std::u16string_view value) { return Trim(value); }

namespace {

// The 2 * (size + 1) digits of a struct value.
void EncodeStructInto(const void* buffer, std::size_t size, char16_t* digit) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    *digit++ = kHex[bytes[i] >> 4];
    *digit++ = kHex[bytes[i] & 15];
    sum += bytes[i];
  }
  *digit++ = kHex[(sum >> 4) & 15];
  *digit = kHex[sum & 15];
}

}  // namespace

std::u16string EncodeStruct(const void* buffer, std::size_t size) {
  std::u16string out(2 * (size + 1), u'0');
  EncodeStructInto(buffer, size, out.data());
  return out;
}

bool DecodeStruct(std::u16string_view text, void* buffer, std::size_t size) {
  if (text.size() != 2 * (size + 1)) return false;
  // Checked whole before a byte is stored, so that a failed read leaves the buffer as it was.
  const char16_t* digits = text.data();
  const auto byteAt = [digits](std::size_t i) {
    const int hi = HexDigit(digits[2 * i]);
    const int lo = HexDigit(digits[2 * i + 1]);
    return hi < 0 || lo < 0 ? -1 : hi << 4 | lo;
  };
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const int byte = byteAt(i);
    if (byte < 0) return false;
    sum += static_cast<unsigned>(byte);
  }
  if (byteAt(size) != static_cast<int>(sum & 0xFF)) return false;
  auto* bytes = static_cast<unsigned char*>(buffer);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(byteAt(i));
  return true;
}

std::uint32_t IniFile::NameIndex::HashOf(std::u16string_view name) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char16_t c : Trim(name)) hash = (hash ^ Fold(c)) * 16777619u;
  return hash;
}

template <typename NameOf>
std::size_t IniFile::NameIndex::Find(std::u16string_view name, std::uint32_t hash,
                                     const NameOf& nameOf) const {
  if (slots_.empty()) return kNone;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.item == 0) return kNone;
    if (slot.hash == hash && SameName(nameOf(slot.item - 1), name)) return slot.item - 1;
  }
}

void IniFile::NameIndex::Add(std::size_t number, std::uint32_t hash) {
  // At most half the slots in use, so that every probe soon meets a free one.
  if (2 * (used_ + 1) > slots_.size()) {
    std::vector<Slot> old(std::max<std::size_t>(16, 2 * slots_.size()));
    old.swap(slots_);
    for (const Slot& slot : old)
      if (slot.item != 0) Place(slot);
  }
  Place(Slot{static_cast<std::uint32_t>(number + 1), hash});
  ++used_;
}

void IniFile::NameIndex::Place(Slot slot) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = slot.hash & mask;
  while (slots_[i].item != 0) i = (i + 1) & mask;
  slots_[i] = slot;
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

IniFile::Span IniFile::SpanOf(std::u16string_view part) const {
  return Span{static_cast<std::uint32_t>(part.data() - text_.data()),
              static_cast<std::uint32_t>(part.size())};
}

IniFile::Span IniFile::Append(std::u16string_view text) {
  const std::size_t at = text_.size();
  text_.append(text);
  return Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(text.size())};
}

IniFile::Span IniFile::AppendValue(std::u16string_view value) {
  const std::size_t at = text_.size();
  // A read takes the blanks at either end of a value away, and then one pair
  // of equal quote marks around it; a value it would change goes inside a pair.
  const bool betweenQuotes = value.size() >= 2 &&
                             (value.front() == u'"' || value.front() == u'\'') &&
                             value.back() == value.front();
  const bool quoted =
      betweenQuotes || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
  if (quoted) text_ += u'"';
  text_.append(value);
  if (quoted) text_ += u'"';
  for (std::size_t i = at; i < text_.size(); ++i) text_[i] = OneLine(text_[i]);
  return Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(text_.size() - at)};
}

void IniFile::Parse(std::string_view bytes) {
  text_ = DecodeText(bytes);
  const std::u16string_view text = text_;
  std::size_t current = NameIndex::kNone;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsLineEnd(text.data()[end])) ++end;
    ParseLine(std::u16string_view(text.data() + start, end - start), current);
    start = end + 1;
  }
}

void IniFile::ParseLine(std::u16string_view line, std::size_t& current) {
  line = Trim(line);
  if (line.empty()) return;
  if (line.front() == u'[') {
    const std::size_t close = line.rfind(u']');
    if (close != std::u16string_view::npos && close > 0) {
      // A repeated section stays a section of its own that look-ups never
      // reach, as with the platform's functions.
      const std::u16string_view name = line.substr(1, close - 1);
      current = sections_.size();
      const std::uint32_t hash = NameIndex::HashOf(name);
      if (FindSection(name, hash) == NameIndex::kNone) sectionIndex_.Add(current, hash);
      AddSection(SpanOf(name));
      return;
    }
  }
  // Lines before the first section header belong to a section without a name.
  if (current == NameIndex::kNone) current = SectionFor(u"");
  Entry entry;
  const std::size_t eq = line.find(u'=');
  if (eq == std::u16string_view::npos) {
    entry.key = SpanOf(line);
  } else {
    entry.key = SpanOf(Trim(line.substr(0, eq)));
    entry.value = SpanOf(Trim(line.substr(eq + 1)));
    entry.hasValue = true;
  }
  Section& section = sections_[current];
  const auto keyOf = [&](std::size_t n) { return View(section.entries[n].key); };
  const std::uint32_t hash = NameIndex::HashOf(View(entry.key));
  if (section.index.Find(View(entry.key), hash, keyOf) == NameIndex::kNone)
    section.index.Add(section.entries.size(), hash);
  section.entries.push_back(entry);
}

void IniFile::AddSection(Span name) {
  sections_.push_back(Section{name, {}, {}});
  // Most sections hold a few keys: one allocation for them, not one per doubling.
  sections_.back().entries.reserve(8);
}

std::size_t IniFile::FindSection(std::u16string_view name, std::uint32_t hash) const {
  return sectionIndex_.Find(name, hash, [this](std::size_t n) { return View(sections_[n].name); });
}

std::size_t IniFile::SectionFor(std::u16string_view name) {
  const std::uint32_t hash = NameIndex::HashOf(name);
  const std::size_t found = FindSection(name, hash);
  if (found != NameIndex::kNone) return found;
  sectionIndex_.Add(sections_.size(), hash);
  AddSection(Append(name));
  return sections_.size() - 1;
}

const IniFile::Entry* IniFile::Find(std::u16string_view section, std::u16string_view key) const {
  const std::size_t s = FindSection(section, NameIndex::HashOf(section));
  if (s == NameIndex::kNone) return nullptr;
  const Section& sec = sections_[s];
  const std::size_t k = sec.index.Find(key, NameIndex::HashOf(key),
                                       [&](std::size_t n) { return View(sec.entries[n].key); });
  return k == NameIndex::kNone ? nullptr : &sec.entries[k];
}

bool IniFile::HasKey(std::u16string_view section, std::u16string_view key) const {
  return Find(section, key) != nullptr;
}

bool IniFile::HasSection(std::u16string_view section) const {
  return FindSection(section, NameIndex::HashOf(section)) != NameIndex::kNone;
}

std::u16string_view IniFile::ValueOf(std::u16string_view section, std::u16string_view key,
                                     std::u16string_view fallback) const {
  const Entry* e = Find(section, key);
  std::u16string_view value = e && e->hasValue ? View(e->value) : fallback;
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return CutToFit(value, kMaxStringUnits);
}

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view fallback) const {
  return std::u16string(ValueOf(section, key, fallback));
}

std::int32_t IniFile::ReadInt(std::u16string_view section, std::u16string_view key,
                              std::int32_t fallback) const {
  const std::u16string_view text = ValueOf(section, key, {});
  return text.empty() ? fallback : ParseDecimal(text);
}

bool IniFile::ReadStruct(std::u16string_view section, std::u16string_view key, void* buffer,
                         std::size_t size) const {
  const Entry* e = Find(section, key);
  return e && e->hasValue && DecodeStruct(View(e->value), buffer, size);
}

void IniFile::WriteString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  Store(section, key, AppendValue(value));
}

void IniFile::WriteInt(std::u16string_view section, std::u16string_view key, std::int32_t value) {
  char digits[12];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  char16_t text[12];
  std::copy(static_cast<const char*>(digits), end, text);
  WriteString(section, key, std::u16string_view(text, static_cast<std::size_t>(end - digits)));
}

void IniFile::WriteStruct(std::u16string_view section, std::u16string_view key, const void* buffer,
                          std::size_t size) {
  const std::size_t at = text_.size();
  text_.resize(at + 2 * (size + 1));
  EncodeStructInto(buffer, size, text_.data() + at);
  Store(section, key,
        Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(2 * (size + 1))});
}

void IniFile::Store(std::u16string_view section, std::u16string_view key, Span line) {
  const std::size_t s = SectionFor(Trim(section));
  const auto keyOf = [&](std::size_t n) { return View(sections_[s].entries[n].key); };
  const std::uint32_t hash = NameIndex::HashOf(key);
  const std::size_t found = sections_[s].index.Find(key, hash, keyOf);
  if (found == NameIndex::kNone) {
    const Span name = Append(Trim(key));
    sections_[s].index.Add(sections_[s].entries.size(), hash);
    sections_[s].entries.push_back(Entry{name, line, true});
  } else {
    Entry& e = sections_[s].entries[found];
    if (e.hasValue && View(e.value) == View(line)) {
      text_.resize(line.at);  // the same value, which was the last text added: nothing changes
      return;
    }
    e.value = line;
    e.hasValue = true;
  }
  dirty_ = true;
}

std::string IniFile::Serialize() const {
  std::size_t units = 0;
  for (const Section& section : sections_) {
    units += section.name.size + 6;
    for (const Entry& e : section.entries) units += e.key.size + e.value.size + 3;
  }
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + 2 * units);
  bool first = true;
  for (const Section& section : sections_) {
    if (section.name.size != 0 || !first) {
      if (!first) AppendUtf16Le(bytes, u"\r\n");
      AppendUtf16Le(bytes, u"[");
      AppendUtf16Le(bytes, View(section.name));
      AppendUtf16Le(bytes, u"]\r\n");
    }
    first = false;
    for (const Entry& e : section.entries) {
      AppendUtf16Le(bytes, View(e.key));
      if (e.hasValue) {
        AppendUtf16Le(bytes, u"=");
        AppendUtf16Le(bytes, View(e.value));
      }
      AppendUtf16Le(bytes, u"\r\n");
    }
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
