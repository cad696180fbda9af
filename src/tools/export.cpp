#include "tools/export.h"

#include "app/error.h"
#include "tools/text_chars.h"
#include "tools/xls_writer.h"

#include <algorithm>
#include <cstdio>

namespace zarn {

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

// The text before the first line break. A bare line feed ends the line as well, so a cell can
// never break a line of the aligned text.
std::string_view firstLine(std::string_view cell) {
    const size_t end = cell.find_first_of("\r\n");
    return end == std::string_view::npos ? cell : cell.substr(0, end);
}

} // namespace

std::vector<int> ExportColumns(const std::vector<int>& shownInDisplayOrder) {
    const int bio = ColumnIndex("Bio"), info = ColumnIndex("Info");
    std::vector<int> columns;
    for (int c : shownInDisplayOrder) {
        if (c != bio && c != info)
            columns.push_back(c);
    }
    return columns;
}

std::string HtmlCellText(std::string_view cell) {
    std::string text(cell);
    replaceAll(text, "&", "&amp;");
    // A cell holding both angle brackets carries mark-up and keeps it.
    if (cell.find('>') == std::string_view::npos)
        replaceAll(text, "<", "&lt;");
    if (cell.find('<') == std::string_view::npos)
        replaceAll(text, ">", "&gt;");
    replaceAll(text, "\"", "&quot;");
    // Line breaks last, so the escaping above never turns them into visible text.
    replaceAll(text, "\r", "<br>");
    if (text.empty())
        text = "<br>";
    return text;
}

std::string HtmlExport(const GameTable& table, const std::vector<int>& columns, const ExportColors& colors) {
    std::string out;
    out.reserve(static_cast<size_t>(table.rowCount()) * columns.size() * 64 + 128);
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\"  width=\"100%\">\r\n";
    for (int r = 0; r < table.rowCount(); ++r) {
        out += "<tr>\r\n";
        const std::string& background = r == 0 ? colors.header : (r % 2 == 1 ? colors.oddRow : colors.evenRow);
        for (int c : columns) {
            out += "<td nowrap bgcolor=\"#";
            out += background;
            out += "\"><font color=\"#";
            out += colors.text;
            out += r == 0 ? "\">" : "\" >";
            out += HtmlCellText(table.cell(c, r));
            out += "</font></td>\r\n";
        }
        out += "</tr>\r\n";
    }
    out += "</table>\r\n";
    return out;
}

std::string TextExport(const GameTable& table, const std::vector<int>& columns) {
    std::vector<size_t> widths(columns.size(), 0);
    for (size_t i = 0; i < columns.size(); ++i) {
        for (const TableRow& row : table.rows())
            widths[i] = std::max(widths[i], CellCharacterCount(firstLine(row.cells[columns[i]])));
    }
    std::string out;
    for (const TableRow& row : table.rows()) {
        for (size_t i = 0; i < columns.size(); ++i) {
            const std::string_view text = firstLine(row.cells[columns[i]]);
            out += text;
            out.append(widths[i] + 1 - CellCharacterCount(text), ' ');
        }
        out += "\r\n";
    }
    return out;
}

std::vector<std::vector<std::string>> SheetCells(const GameTable& table, const std::vector<int>& columns) {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(table.rowCount());
    for (const TableRow& row : table.rows()) {
        std::vector<std::string>& line = cells.emplace_back();
        line.reserve(columns.size());
        for (int c : columns) {
            std::string text = row.cells[c];
            std::erase(text, '\r');
            line.push_back(std::move(text));
        }
    }
    return cells;
}

std::string ExportFileName(const std::string& chosen, ExportFormat format) {
    switch (format) {
    case ExportFormat::Html:
        return chosen + ".html";
    case ExportFormat::Xls:
        return chosen + ".xls";
    case ExportFormat::Text:
        break;
    }
    return chosen + ".txt";
}

void WriteExportFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw Error("Cannot Create file " + path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(path.c_str());
        throw Error("Cannot Create file " + path);
    }
}

void WriteExport(const std::string& path, ExportFormat format, const GameTable& table,
                 const std::vector<int>& columns, const ExportColors& colors) {
    switch (format) {
    case ExportFormat::Html:
        WriteExportFile(path, HtmlExport(table, columns, colors));
        return;
    case ExportFormat::Xls:
        WriteExportFile(path, XlsWorkbook(SheetCells(table, columns)));
        return;
    case ExportFormat::Text:
        WriteExportFile(path, TextExport(table, columns));
        return;
    }
}

} // namespace zarn
