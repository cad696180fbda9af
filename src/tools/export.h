#pragma once

#include "table/game_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarn {

enum class ExportFormat { Html, Xls, Text };

// Colours as six upper-case hexadecimal digits, red green blue.
struct ExportColors {
    std::string header = "F0F0F0";  // button face
    std::string oddRow = "FFFFE1";  // first band: tool-tip background
    std::string evenRow = "FFFFFF"; // second band: window background
    std::string text = "000000";    // window text
};

// The columns an export writes: the shown ones in display order, never "Bio" or "Info".
std::vector<int> ExportColumns(const std::vector<int>& shownInDisplayOrder);

// A cell's text as it goes into the HTML table (line breaks, entities, kept mark-up, "<br>" for
// nothing).
std::string HtmlCellText(std::string_view cell);

// The whole table (header row first, rows in their order) in each format, as the file's bytes.
std::string HtmlExport(const GameTable& table, const std::vector<int>& columns, const ExportColors& colors);
std::string TextExport(const GameTable& table, const std::vector<int>& columns);
// The cells of the sheet: row by row, carriage returns removed.
std::vector<std::vector<std::string>> SheetCells(const GameTable& table, const std::vector<int>& columns);

// The name the file is written under: the chosen name plus the format's extension, always.
std::string ExportFileName(const std::string& chosen, ExportFormat format);

// Writes the export; throws Error("Cannot Create file " + path) when the file cannot be written,
// and Error with the reason when the table does not fit the format.
void WriteExport(const std::string& path, ExportFormat format, const GameTable& table,
                 const std::vector<int>& columns, const ExportColors& colors);

// Writes bytes to a file, replacing it; throws Error("Cannot Create file " + path) on failure.
void WriteExportFile(const std::string& path, const std::string& bytes);

} // namespace zarn
