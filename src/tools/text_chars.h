#pragma once

#include <string>
#include <string_view>

namespace zarn {

// A cell's bytes as characters: UTF-8 when the bytes are valid UTF-8, otherwise Latin-1 (the same
// rule the grid uses to show them).
std::u32string CellCharacters(std::string_view bytes);

// Number of characters in the bytes under the rule above.
size_t CellCharacterCount(std::string_view bytes);

// Upper case of one character by the user's locale, with the Latin-1 letters handled even where
// the C library only knows ASCII.
char32_t UpperChar(char32_t c);

// The characters of the bytes, each in upper case.
std::u32string UpperCellText(std::string_view bytes);

// UTF-16 code units of characters (for the spreadsheet's strings).
std::u16string ToUtf16(const std::u32string& text);

} // namespace zarn
