// The skin file: one INI file per interface language beside the executable
// that places, sizes and labels every control. Values are read from the
// current skin file, which the language setting chooses.
//
// Everything here runs on the user-interface thread.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class IniFile;

constexpr char16_t kSkinGlobalSection[] = u"GLOBAL";
constexpr char16_t kFontKey[] = u"FONT";
constexpr char16_t kDefaultFontFace[] = u"Microsoft JhengHei";

// Field sizes of a parsed entry, in UTF-16 units without the terminator.
constexpr std::size_t kSkinNameLimit = 39;
constexpr std::size_t kSkinTextLimit = 99;

// A position value "Name,x,y,width,height,Text,Flag" as the controls use it.
struct SkinEntry {
  std::u16string name;  // base name of a control's own image files
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  std::u16string text;  // caption, tool tip, text to draw or image file name
  int flag = 0;         // 1 when "TRUE" occurs after the first comma

  bool operator==(const SkinEntry&) const = default;
};

// Program folder + "Lan" + "skin_En.ini" for language 1, "skin_Cs.ini" otherwise.
std::filesystem::path SkinFileFor(const std::filesystem::path& programFolder, int lanId);
// Makes that file the current skin file.
void SelectSkinFile(const std::filesystem::path& programFolder, int lanId);
void SetSkinFilePath(const std::filesystem::path& path);
// Empty until the first selection.
const std::filesystem::path& SkinFilePath();
// The current skin file's document. Each file is read once per process and
// kept; an empty path or a missing file gives an empty document.
const IniFile& CurrentSkin();

// The value of section/key in the current skin file, "" when absent; at most
// 4095 units, as the platform's 4096-unit buffer gives.
std::u16string ReadSkinValue(std::u16string_view section, std::u16string_view key);
// The same from a given skin document.
std::u16string ReadSkinValueFrom(const IniFile& skin, std::u16string_view section,
                                 std::u16string_view key);

// Never fails: fields that cannot be read stay 0 or empty. Name and Text are
// cut to their limits without splitting a surrogate pair.
SkinEntry ParseSkinEntry(std::u16string_view value);
// The same with Name and Text at full length, for drawing.
SkinEntry ParseSkinEntryUncut(std::u16string_view value);

// "GLOBAL"/"FONT" of the current skin file, default "Microsoft JhengHei":
// the face of every font the program creates. Empty until first loaded.
void LoadInterfaceFontFace();
const std::u16string& InterfaceFontFace();

// What DrawSkinText draws: `text`, or the entry's Text when `text` is empty,
// with every literal backslash-r-backslash-n made a blank and a line break.
std::u16string SkinTextToDraw(const SkinEntry& entry, std::u16string_view text);
// Top of a line of `lineHeight` centred between top and bottom; the division
// rounds toward zero, so a line taller than the box moves up by half the excess.
int CentredTop(int top, int bottom, int lineHeight);

// Whether an image name from the skin file stays inside the folder it is
// relative to: not absolute, no drive, no ".." step.
bool IsSkinRelativeName(std::u16string_view name);
