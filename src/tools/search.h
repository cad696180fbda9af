#pragma once

#include "app/ui.h"
#include "table/game_table.h"

#include <string>
#include <string_view>

namespace zarn {

// The search box's text made ready for matching: upper case once, not per cell.
class SearchText {
public:
    explicit SearchText(std::string_view text);

    // Case-insensitive containment. The empty text matches nothing; a text of exactly two
    // quotation marks matches an empty cell only.
    bool matches(std::string_view cell) const;

private:
    enum class Kind { Nothing, EmptyCell, Text } kind_;
    std::u32string upper_;
    std::string upperAscii_; // the upper-case text when it is plain ASCII
    bool asciiOnly_ = false;
};

// First data row from startRow on (downward or upward) whose cell in column matches; 0 when none
// or when startRow lies outside the data rows.
int ColumnSearch(const GameTable& table, int column, int startRow, bool down, const SearchText& text);

// The "ROM" column wholly, then the "Description" column; 0 when neither has a match.
int FindGameRow(const GameTable& table, std::string_view text, int startRow, bool down);

// Status panel 0 after a search: "Text not found", or "Text found on row N".
void ReportFind(Ui& ui, int foundRow);

// Where the text occurs in a shown cell, in characters of the cell: (start, length) pairs,
// case-insensitive, non-overlapping. Used to highlight; the empty and the two-quotation-mark
// texts mark nothing.
std::vector<std::pair<size_t, size_t>> FindOccurrences(const std::u32string& cellChars,
                                                       std::string_view text);

} // namespace zarn
