#include "skin/SkinFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>

#include "settings/IniFile.h"
#include "settings/Utf.h"
#include "skin/LanguageTable.h"

namespace {

std::filesystem::path& CurrentPath() {
  static std::filesystem::path path;
  return path;
}

std::u16string& FontFace() {
  static std::u16string face;
  return face;
}

int Saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

bool IsScanBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// One "%d" conversion: blanks, an optional sign, at least one digit. Numbers
// beyond 32 bits saturate instead of being undefined.
bool ScanInt(std::u16string_view& t, int& value) {
  std::size_t i = 0;
  while (i < t.size() && IsScanBlank(t[i])) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
  const std::size_t digits = i;
  std::int64_t v = 0;
  for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
    v = std::min<std::int64_t>(v * 10 + (t[i] - u'0'), std::int64_t{1} << 32);
  if (i == digits) return false;
  value = Saturate(negative ? -v : v);
  t.remove_prefix(i);
  return true;
}

// "%d,%d,%d,%d" from the start of t; fields not matched stay 0.
void ScanGeometry(std::u16string_view t, int (&fields)[4]) {
  for (int n = 0; n < 4; ++n) {
    if (n > 0) {
      if (t.empty() || t.front() != u',') return;
      t.remove_prefix(1);
    }
    if (!ScanInt(t, fields[n])) return;
  }
}

std::u16string_view AfterLastComma(std::u16string_view t) {
  const std::size_t comma = t.rfind(u',');
  return comma == std::u16string_view::npos ? t : t.substr(comma + 1);
}

}  // namespace

std::filesystem::path SkinFileFor(const std::filesystem::path& programFolder, int lanId) {
  return programFolder / kLanguageFolder / SkinFileName(lanId);
}

void SelectSkinFile(const std::filesystem::path& programFolder, int lanId) {
  SetSkinFilePath(SkinFileFor(programFolder, lanId));
}

void SetSkinFilePath(const std::filesystem::path& path) { CurrentPath() = path; }

const std::filesystem::path& SkinFilePath() { return CurrentPath(); }

const IniFile& CurrentSkin() {
  // The skin files do not change while the program runs; windows read hundreds
  // of values per build, so each file is parsed once.
  static std::map<std::filesystem::path, std::unique_ptr<IniFile>> documents;
  std::unique_ptr<IniFile>& document = documents[CurrentPath()];
  if (!document) {
    document = CurrentPath().empty() ? std::make_unique<IniFile>(IniFile::FromBytes({}))
                                     : std::make_unique<IniFile>(CurrentPath());
  }
  return *document;
}

std::u16string ReadSkinValue(std::u16string_view section, std::u16string_view key) {
  return ReadSkinValueFrom(CurrentSkin(), section, key);
}

std::u16string ReadSkinValueFrom(const IniFile& skin, std::u16string_view section,
                                 std::u16string_view key) {
  return skin.ReadString(section, key);
}

SkinEntry ParseSkinEntryUncut(std::u16string_view value) {
  SkinEntry entry;
  const std::size_t comma = value.find(u',');
  const bool hasComma = comma != std::u16string_view::npos;
  entry.name = value.substr(0, comma);
  std::u16string_view t = hasComma ? value.substr(comma + 1) : value;

  int geometry[4] = {};
  ScanGeometry(t, geometry);
  entry.left = geometry[0];
  entry.top = geometry[1];
  entry.right = Saturate(std::int64_t{geometry[0]} + geometry[2]);
  entry.bottom = Saturate(std::int64_t{geometry[1]} + geometry[3]);

  entry.flag = t.find(u"TRUE") != std::u16string_view::npos ? 1 : 0;

  // The last field is the flag; the text is the field before it.
  const std::size_t last = t.rfind(u',');
  t = last == std::u16string_view::npos ? std::u16string_view() : t.substr(0, last);
  entry.text = AfterLastComma(t);
  return entry;
}

SkinEntry ParseSkinEntry(std::u16string_view value) {
  SkinEntry entry = ParseSkinEntryUncut(value);
  entry.name = CutToFit(entry.name, kSkinNameLimit);
  entry.text = CutToFit(entry.text, kSkinTextLimit);
  return entry;
}

void LoadInterfaceFontFace() {
  FontFace() = CurrentSkin().ReadString(kSkinGlobalSection, kFontKey, kDefaultFontFace);
}

const std::u16string& InterfaceFontFace() { return FontFace(); }

std::u16string SkinTextToDraw(const SkinEntry& entry, std::u16string_view text) {
  static constexpr std::u16string_view kEscapedBreak = u"\\r\\n";
  const std::u16string_view source = text.empty() ? std::u16string_view(entry.text) : text;
  std::u16string out;
  out.reserve(source.size());
  for (std::size_t i = 0; i < source.size();) {
    if (source.substr(i, kEscapedBreak.size()) == kEscapedBreak) {
      out += u" \r\n";
      i += kEscapedBreak.size();
    } else {
      out.push_back(source[i++]);
    }
  }
  return out;
}

int CentredTop(int top, int bottom, int lineHeight) {
  return Saturate(top + (std::int64_t{bottom} - top - lineHeight) / 2);
}

bool IsSkinRelativeName(std::u16string_view name) {
  if (name.empty() || name.front() == u'\\' || name.front() == u'/') return false;
  if (name.find(u':') != std::u16string_view::npos) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of(u"\\/", start);
    if (end == std::u16string_view::npos) end = name.size();
    if (name.substr(start, end - start) == u"..") return false;
    start = end + 1;
  }
  return true;
}
