#include "tools/export.h"

#include "app/error.h"
#include "tools/text_chars.h"
#include "tools/xls_writer.h"

#include <algorithm>
#include <cstdio>

namespace zarn {

namespace {

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

namespace {

// Appends the HTML of a cell, all conversions in one pass: "&" and the quotation mark always
// become entities, "<" only when the cell has no ">" and ">" only when it has no "<" (a cell with
// both carries mark-up and keeps it), a carriage return becomes "<br>", nothing becomes "<br>".
void appendHtmlCell(std::string& out, std::string_view cell) {
    if (cell.empty()) {
        out += "<br>";
        return;
    }
    const bool hasLess = cell.find('<') != std::string_view::npos;
    const bool hasGreater = cell.find('>') != std::string_view::npos;
    for (char c : cell) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += hasGreater ? "<" : "&lt;";
            break;
        case '>':
            out += hasLess ? ">" : "&gt;";
            break;
        case '\r':
            out += "<br>";
            break;
        default:
            out.push_back(c);
        }
    }
}

} // namespace

std::string HtmlCellText(std::string_view cell) {
    std::string text;
    appendHtmlCell(text, cell);
    return text;
}

std::string HtmlExport(const GameTable& table, const std::vector<int>& columns, const ExportColors& colors) {
    auto opening = [&](const std::string& background, bool header) {
        return "<td nowrap bgcolor=\"#" + background + "\"><font color=\"#" + colors.text + (header ? "\">" : "\" >");
    };
    const std::string header = opening(colors.header, true), odd = opening(colors.oddRow, false),
                      even = opening(colors.evenRow, false);
    std::string out;
    out.reserve(static_cast<size_t>(table.rowCount()) * columns.size() * (odd.size() + 32) + 128);
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\"  width=\"100%\">\r\n";
    for (int r = 0; r < table.rowCount(); ++r) {
        out += "<tr>\r\n";
        const std::string& open = r == 0 ? header : (r % 2 == 1 ? odd : even);
        const TableRow& row = table.rows()[r];
        for (int c : columns) {
            out += open;
            appendHtmlCell(out, row.cells[c]);
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
    size_t lineSize = 2;
    for (size_t w : widths)
        lineSize += w + 1;
    out.reserve(lineSize * table.rows().size());
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
