// Comparing program file names without regard to case, as Windows compares
// file names: each UTF-16 unit is mapped to its capital letter on its own,
// with no change of length.
//
// Folded: Basic Latin, Latin-1 (with ÿ), Latin Extended-A and -B (Czech,
// Polish, Romanian, Vietnamese ...), the Greek letters, Cyrillic and its
// supplement, Armenian, Latin Extended Additional and the full-width Latin
// letters. Not folded: letters whose capital is more than one character (ß,
// ŉ, ǰ), the Turkish dotless ı and the long ſ and ẛ (whose capitals are the
// ASCII I and S only outside Turkish), µ, the Greek symbols (ϐ, ϑ ...), the
// IPA letters and every other block, and characters beyond U+FFFF. Precomposed and decomposed
// accents (é, and e + U+0301) are different names, as for the file system.
#pragma once

#include <string>
#include <string_view>

char16_t CapitalOf(char16_t unit);
std::u16string FoldCase(std::u16string_view text);
bool SameIgnoringCase(std::u16string_view a, std::u16string_view b);
