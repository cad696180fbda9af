#include "verify_report_check.h"

#include "check.h"
#include "roms/verification.h"
#include "table/game_table.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zarn::fuzz {

namespace {

// Lines up to and including their line feed, at most kReportPieceLength bytes each.
std::vector<std::string> referencePieces(std::string_view text) {
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t room = std::min(kReportPieceLength, text.size() - pos);
        const size_t lf = text.substr(pos, room).find('\n');
        const size_t take = lf == std::string_view::npos ? room : lf + 1;
        pieces.emplace_back(text.substr(pos, take));
        pos += take;
    }
    return pieces;
}

std::string consoleText(std::string piece) {
    if (!piece.empty() && piece.back() == '\n')
        piece.pop_back();
    if (!piece.empty() && piece.back() == '\r')
        piece.pop_back();
    return piece;
}

bool blank(char c) { return c == ' ' || c == '\t'; }
bool space(char c) { return blank(c) || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The set name: the first word after "romset".
std::string setName(const std::string& piece) {
    size_t start = 6;
    while (start < piece.size() && blank(piece[start]))
        ++start;
    size_t end = start;
    while (end < piece.size() && !space(piece[end]))
        ++end;
    return piece.substr(start, end - start);
}

bool has(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

void checkOne(const std::string& report) {
    const std::string path = scratchPath("romstatus.txt");
    writeFile(path, report);

    // Names the seeds use, one of them twice, and the empty last row of an import.
    const char* const names[] = {"abc", "abcd", "pacman", "abc", "x1", ""};
    GameTable table;
    table.clearGameRows();
    const int romColumn = ColumnIndex("ROM");
    const int statusColumn = ColumnIndex("Status");
    std::map<std::string, int> firstRow;
    for (const char* name : names) {
        const int row = table.appendRow();
        table.setCell(romColumn, row, name);
        table.setCell(statusColumn, row, "4"); // what the availability pass left
        table.setIcon(row, 4);
        firstRow.try_emplace(name, row);
    }
    const RomNameSet archives = {"abc.zip", "x1.zip"};

    // What the report should do, worked out line by line.
    std::vector<std::string> expectedStatus(table.rowCount(), "4");
    std::vector<std::string> expectedConsole;
    VerifyCounters expected;
    for (const std::string& piece : referencePieces(report)) {
        expectedConsole.push_back(consoleText(piece));
        if (!piece.starts_with("romset"))
            continue;
        ++expected.total;
        const std::string name = setName(piece);
        const auto found = name.empty() ? firstRow.end() : firstRow.find(name);
        if (found == firstRow.end())
            continue;
        int code = StatusUnknown;
        if (has(piece, "is good"))
            code = StatusGood, ++expected.good;
        else if (has(piece, "is bad") && archives.contains(name + ".zip"))
            code = StatusNotWorking, ++expected.notWorking;
        else if (has(piece, "is bad"))
            code = StatusNotFound, ++expected.notFound;
        else if (has(piece, "best available"))
            code = StatusBestAvailable, ++expected.bestAvailable;
        else
            ++expected.unknown;
        expectedStatus[found->second] = std::to_string(code);
    }

    std::FILE* in = std::fopen(path.c_str(), "rb");
    ZARN_CHECK(in != nullptr, path);
    RecordingUi ui;
    long long lastProgress = -1;
    VerifyCounters counters;
    try {
        counters = ApplyVerifyReport(in, table, archives, ui, [&](long long n) {
            ZARN_CHECK(n > lastProgress, "progress went back");
            lastProgress = n;
        });
    } catch (...) {
        std::fclose(in);
        std::remove(path.c_str());
        throw;
    }
    std::fclose(in);
    std::remove(path.c_str());

    ZARN_CHECK(counters == expected, "counters: total " + std::to_string(counters.total) + ", expected " +
                                         std::to_string(expected.total));
    ZARN_CHECK(ui.console == expectedConsole, std::to_string(ui.console.size()) + " console lines, expected " +
                                                  std::to_string(expectedConsole.size()));
    ZARN_CHECK(lastProgress == expected.total, "progress ended at " + std::to_string(lastProgress));
    for (int row = 1; row < table.rowCount(); ++row) {
        ZARN_CHECK(table.rows()[row].cells.size() == static_cast<size_t>(table.columnCount()), "cells in a row");
        ZARN_CHECK(table.cell(statusColumn, row) == expectedStatus[row], "status of row " + std::to_string(row));
        ZARN_CHECK(table.icon(row) == StatusIconFor(table.cell(statusColumn, row)), "icon of row " + std::to_string(row));
        ZARN_CHECK(table.cell(romColumn, row) == names[row - 1], "a ROM name changed");
    }
}

} // namespace

void checkVerifyReport(std::string_view data) {
    checkOne(std::string(data));
    // Once more behind a long first line, so that the input's own lines cross the reader's
    // block boundary.
    std::string shifted(65536 - 100, 'x');
    shifted.back() = '\n';
    shifted += data;
    checkOne(shifted);
}

} // namespace zarn::fuzz
