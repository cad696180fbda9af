#include "table/game_table.h"

namespace zarn {

const std::array<std::string_view, kColumnCount> ColumnHeaders = {
    "Status",     "ROM",  "Description", "Year",    "Manufacturer", "Clone Of",
    "Played",     "RomSize", "Category", "Resolution", "Type",      "Players",
    "CPU",        "Rom Of",  "Bio",      "Info",
};

int ColumnIndex(std::string_view header) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (ColumnHeaders[i] == header)
            return i;
    }
    return -1;
}

int StatusIconFor(std::string_view statusText) {
    if (statusText.empty())
        return kNoIcon;
    const int code = static_cast<unsigned char>(statusText[0]) - '0';
    return (code >= 0 && code < kStatusIconCount) ? code : kNoIcon;
}

GameTable::GameTable() : widths_(kColumnCount, kDesignColumnWidth), hidden_(kColumnCount, false) {
    setRowCount(2);
    writeHeaders();
}

void GameTable::resizeRow(TableRow& row) const { row.cells.resize(widths_.size()); }

void GameTable::setColumnCount(int count) {
    widths_.resize(count, kDesignColumnWidth);
    hidden_.resize(count, false);
    for (TableRow& row : rows_)
        resizeRow(row);
}

void GameTable::setRowCount(int count) {
    const size_t old = rows_.size();
    rows_.resize(count);
    for (size_t r = old; r < rows_.size(); ++r)
        resizeRow(rows_[r]);
}

int GameTable::appendRow() {
    rows_.emplace_back();
    resizeRow(rows_.back());
    return rowCount() - 1;
}

void GameTable::clearGameRows() { rows_.resize(rows_.empty() ? 0 : 1); }

void GameTable::writeHeaders() {
    if (rows_.empty())
        return;
    for (int c = 0; c < columnCount() && c < kColumnCount; ++c)
        rows_[0].cells[c] = std::string(ColumnHeaders[c]);
}

void GameTable::SetBioInfoHidden(bool hide) {
    if (hide) {
        for (std::string_view name : {"Bio", "Info"}) {
            const int c = ColumnIndex(name);
            if (c >= 0 && c < columnCount())
                hidden_[c] = true;
        }
        return;
    }
    hidden_.assign(hidden_.size(), false);
}

void ShowStatusIcons(GameTable& table) {
    const int status = ColumnIndex("Status");
    for (int r = 1; r < table.rowCount(); ++r)
        table.setIcon(r, StatusIconFor(table.cell(status, r)));
}

} // namespace zarn
