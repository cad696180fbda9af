#include "tools/search.h"

#include "tools/text_chars.h"

#include <algorithm>

namespace zarn {

SearchText::SearchText(std::string_view text) {
    if (text.empty())
        kind_ = Kind::Nothing;
    else if (text == "\"\"")
        kind_ = Kind::EmptyCell;
    else
        kind_ = Kind::Text, upper_ = UpperCellText(text);
    asciiOnly_ = std::all_of(upper_.begin(), upper_.end(), [](char32_t c) { return c < 0x80; });
    if (asciiOnly_)
        upperAscii_.assign(upper_.begin(), upper_.end());
}

namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }

// Case-insensitive containment of an upper-case ASCII needle in an ASCII cell. A cell with other
// bytes sets *plain to false, and the caller takes the general way.
bool asciiContains(std::string_view cell, std::string_view needle, bool* plain) {
    *plain = true;
    for (char c : cell) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            *plain = false;
            return false;
        }
    }
    if (needle.size() > cell.size())
        return false;
    const size_t last = cell.size() - needle.size();
    for (size_t i = 0; i <= last; ++i) {
        size_t k = 0;
        while (k < needle.size() && upperAscii(cell[i + k]) == needle[k])
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

} // namespace

bool SearchText::matches(std::string_view cell) const {
    switch (kind_) {
    case Kind::Nothing:
        return false;
    case Kind::EmptyCell:
        return cell.empty();
    case Kind::Text:
        break;
    }
    if (cell.size() < upper_.size())
        return false; // every character takes at least one byte
    bool plain = false;
    if (asciiOnly_) {
        const bool found = asciiContains(cell, upperAscii_, &plain);
        if (plain)
            return found;
    }
    const std::u32string upperCell = UpperCellText(cell);
    return std::u32string_view(upperCell).find(upper_) != std::u32string_view::npos;
}

int ColumnSearch(const GameTable& table, int column, int startRow, bool down, const SearchText& text) {
    if (column < 0 || column >= table.columnCount() || startRow < 1 || startRow >= table.rowCount())
        return 0;
    const auto& rows = table.rows();
    if (down) {
        for (int r = startRow; r < table.rowCount(); ++r) {
            if (text.matches(rows[r].cells[column]))
                return r;
        }
    } else {
        for (int r = startRow; r >= 1; --r) {
            if (text.matches(rows[r].cells[column]))
                return r;
        }
    }
    return 0;
}

int FindGameRow(const GameTable& table, std::string_view text, int startRow, bool down) {
    const SearchText search(text);
    const int found = ColumnSearch(table, ColumnIndex("ROM"), startRow, down, search);
    if (found > 0)
        return found;
    return ColumnSearch(table, ColumnIndex("Description"), startRow, down, search);
}

void ReportFind(Ui& ui, int foundRow) {
    if (foundRow > 0)
        ui.setStatus(0, "Text found on row " + std::to_string(foundRow));
    else
        ui.setStatus(0, "Text not found");
}

std::vector<std::pair<size_t, size_t>> FindOccurrences(const std::u32string& cellChars,
                                                       std::string_view text) {
    std::vector<std::pair<size_t, size_t>> found;
    if (text.empty() || text == "\"\"")
        return found;
    const std::u32string needle = UpperCellText(text);
    std::u32string hay = cellChars;
    for (char32_t& c : hay)
        c = UpperChar(c);
    size_t at = 0;
    while ((at = hay.find(needle, at)) != std::u32string::npos) {
        found.emplace_back(at, needle.size());
        at += needle.size();
    }
    return found;
}

} // namespace zarn
