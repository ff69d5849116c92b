// Numbered texts of the skin file's "FUNC_STRING" section and the choice of
// skin file by language.
#pragma once

#include <string>
#include <string_view>

class IniFile;

constexpr char16_t kLanguageFolder[] = u"Lan";
constexpr char16_t kFuncStringSection[] = u"FUNC_STRING";

// String ids of the default-name words.
constexpr int kTextProfileWord = 0x10;
constexpr int kTextMacroWord = 0x90;
constexpr int kTextPatternWord = 0x91;

// "skin_En.ini" for language 1, "skin_Cs.ini" for every other value.
std::u16string_view SkinFileName(int lanId);
// The key of a string id: upper-case hexadecimal without leading zeros.
std::u16string FuncStringKey(int id);
std::u16string FuncStringFrom(const IniFile& skin, int id);
// String `id` of the current skin file (the LanguageTable); "" when absent.
std::u16string GetFuncString(int id);
