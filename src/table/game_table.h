#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

// The 16 columns in design order: the order of the model, of every lookup and of the data file.
inline constexpr int kColumnCount = 16;
extern const std::array<std::string_view, kColumnCount> ColumnHeaders;

// Index of a header text in ColumnHeaders (exact, case-sensitive), or -1.
int ColumnIndex(std::string_view header);

// Status codes in the "Status" cell; each is also the number of its icon.
enum StatusCode : int {
    StatusGood = 0,
    StatusNotWorking = 1,
    StatusBestAvailable = 3,
    StatusNotFound = 4,
    StatusUnknown = 6,
};
inline constexpr int kStatusIconCount = 7;
inline constexpr int kNoIcon = -1;

// The icon number a "Status" text stands for: its first character minus '0', or kNoIcon when that
// falls outside 0..6 (empty cell, letter).
int StatusIconFor(std::string_view statusText);

// One row of the table: its cells (bytes as read and written) and the icon drawn in column 0.
struct TableRow {
    std::vector<std::string> cells;
    int icon = kNoIcon;
};

// The game table. Row 0 holds the header texts, rows 1 and up one game each. Cells are byte
// strings. Column widths and hidden flags live here too, because the data file stores widths and
// hidden columns must remember theirs.
class GameTable {
public:
    // The starting state: header row plus one empty row, columns at design width, none hidden.
    GameTable();

    int columnCount() const { return static_cast<int>(widths_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // Changing the size keeps what fits; new cells are empty.
    void setColumnCount(int count);
    void setRowCount(int count);

    const std::string& cell(int column, int row) const { return rows_[row].cells[column]; }
    std::string& cell(int column, int row) { return rows_[row].cells[column]; }
    void setCell(int column, int row, std::string text) { rows_[row].cells[column] = std::move(text); }

    int icon(int row) const { return rows_[row].icon; }
    void setIcon(int row, int iconNumber) { rows_[row].icon = iconNumber; }

    // Whole rows, for bulk work (import, sort) that moves rows with their cells and icons.
    std::vector<TableRow>& rows() { return rows_; }
    const std::vector<TableRow>& rows() const { return rows_; }
    // Appends an empty row and returns its number.
    int appendRow();
    // Removes every game row, leaving the header row.
    void clearGameRows();
    // Puts ColumnHeaders into row 0.
    void writeHeaders();

    int columnWidth(int column) const { return widths_[column]; }
    void setColumnWidth(int column, int width) { widths_[column] = width; }
    bool isColumnHidden(int column) const { return hidden_[column]; }

    // True hides "Bio" then "Info" (each remembers its width); false shows every hidden column
    // again with that width.
    void SetBioInfoHidden(bool hide);

    static constexpr int kDesignColumnWidth = 64;

private:
    void resizeRow(TableRow& row) const;

    std::vector<TableRow> rows_;
    std::vector<int> widths_;
    std::vector<bool> hidden_;
};

// Sets ShowStatusIcons' icons of every game row from its "Status" cell.
void ShowStatusIcons(GameTable& table);

} // namespace zarn
