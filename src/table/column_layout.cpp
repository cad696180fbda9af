#include "table/column_layout.h"

#include <utility>

namespace zarn {

void SizeColumnsToText(GameTable& table, const TextWidthFn& textWidth, int maxCharWidth) {
    for (int c = 0; c < table.columnCount(); ++c) {
        int widest = 0;
        for (const TableRow& row : table.rows()) {
            std::string_view text = row.cells[c];
            const size_t lf = text.find('\n');
            if (lf != std::string_view::npos)
                text = text.substr(0, lf);
            if (text.empty())
                continue;
            // Each byte draws at most one character, so this text cannot beat the widest so far.
            if (maxCharWidth > 0 && static_cast<long long>(text.size()) * maxCharWidth <= widest)
                continue;
            widest = std::max(widest, textWidth(text));
        }
        table.setColumnWidth(c, widest + 2);
    }
}

void ApplyColumnLayout(GameTable& table, const TextWidthFn& textWidth, int maxCharWidth) {
    SizeColumnsToText(table, textWidth, maxCharWidth);
    static const std::pair<std::string_view, int> fixed[] = {
        {"Status", 18},       {"Description", 100}, {"Played", 40}, {"Players", 40},
        {"Manufacturer", 70}, {"Resolution", 50},   {"CPU", 100},
    };
    for (const auto& [header, width] : fixed) {
        const int c = ColumnIndex(header);
        if (c >= 0 && c < table.columnCount())
            table.setColumnWidth(c, width);
    }
}

} // namespace zarn
