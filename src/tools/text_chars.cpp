#include "tools/text_chars.h"

#include <cwctype>

namespace zarn {

namespace {

// Decodes valid UTF-8 into out; false on the first malformed sequence.
bool decodeUtf8(std::string_view bytes, std::u32string& out) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        int extra;
        char32_t c;
        char32_t min;
        if ((b & 0xE0) == 0xC0) {
            extra = 1, c = b & 0x1F, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, c = b & 0x0F, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, c = b & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cont = static_cast<unsigned char>(bytes[i + k]);
            if ((cont & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (cont & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.push_back(c);
        i += extra + 1;
    }
    return true;
}

bool isAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::u32string CellCharacters(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    if (isAscii(bytes) || !decodeUtf8(bytes, out)) {
        out.clear();
        for (char c : bytes)
            out.push_back(static_cast<unsigned char>(c));
    }
    return out;
}

size_t CellCharacterCount(std::string_view bytes) {
    if (isAscii(bytes))
        return bytes.size();
    return CellCharacters(bytes).size();
}

char32_t UpperChar(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
    const auto upper = static_cast<char32_t>(std::towupper(static_cast<std::wint_t>(c)));
    if (upper != c)
        return upper;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    return c;
}

std::u32string UpperCellText(std::string_view bytes) {
    std::u32string text = CellCharacters(bytes);
    for (char32_t& c : text)
        c = UpperChar(c);
    return text;
}

std::u16string ToUtf16(const std::u32string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        }
    }
    return out;
}

} // namespace zarn
