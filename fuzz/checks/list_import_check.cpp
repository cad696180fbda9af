#include "list_import_check.h"

#include "check.h"
#include "mame/list_import.h"
#include "table/game_table.h"

#include <string>
#include <vector>

namespace zarn::fuzz {

namespace {

// How a text-mode read in pieces of kCapturePieceLimit characters splits the bytes, written the
// plain way: cut at Ctrl-Z, CR LF becomes LF, then each piece ends after a line feed or when full.
std::vector<std::string> referencePieces(std::string_view data) {
    data = data.substr(0, data.find('\x1a'));
    std::string text;
    text.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
            continue;
        text += data[i];
    }
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t room = std::min(kCapturePieceLimit, text.size() - pos);
        const size_t lf = std::string_view(text).substr(pos, room).find('\n');
        if (lf != std::string_view::npos) {
            pieces.push_back(text.substr(pos, lf));
            pos += lf + 1;
        } else {
            pieces.push_back(text.substr(pos, room));
            pos += room;
        }
    }
    return pieces;
}

} // namespace

void checkListImport(std::string_view data) {
    const std::string path = scratchPath("gamelist.txt");
    writeFile(path, data);

    const std::vector<std::string> expected = referencePieces(data);
    std::vector<std::string> pieces;
    {
        CaptureReader reader;
        ZARN_CHECK(reader.open(path), path);
        std::string_view piece;
        while (reader.next(piece)) {
            ZARN_CHECK(piece.size() <= kCapturePieceLimit, std::to_string(piece.size()));
            pieces.emplace_back(piece);
        }
        ZARN_CHECK(!reader.next(piece), "the reader starts again after its end");
    }
    std::remove(path.c_str());
    ZARN_CHECK(pieces.size() == expected.size(),
               std::to_string(pieces.size()) + " pieces, expected " + std::to_string(expected.size()));
    for (size_t i = 0; i < pieces.size(); ++i)
        ZARN_CHECK(pieces[i] == expected[i], "piece " + std::to_string(i));

    GameTable table;
    table.clearGameRows();
    int lastSeen = 0;
    GameListParser parser(table, [&](int n) {
        ZARN_CHECK(n == lastSeen + 1, "game count went from " + std::to_string(lastSeen) + " to " + std::to_string(n));
        lastSeen = n;
    });
    const int rom = ColumnIndex("ROM");
    const int played = ColumnIndex("Played");
    // Columns a list import never fills.
    const int untouched[] = {ColumnIndex("Status"), ColumnIndex("RomSize"), ColumnIndex("Players"),
                             ColumnIndex("Bio")};
    // Columns whose text is taken from the list as it stands.
    const int verbatim[] = {rom, ColumnIndex("Description"), ColumnIndex("Year"), ColumnIndex("Manufacturer"),
                            ColumnIndex("Clone Of"), ColumnIndex("Rom Of"), ColumnIndex("Category"),
                            ColumnIndex("Type")};

    int starts = 0;
    int ends = 0;
    // The lines since the last row was written: every field of the next row comes from them, so
    // nothing of an earlier game may show up in it.
    std::string since;
    for (const std::string& piece : pieces) {
        parser.parseLine(piece);
        since += piece;
        since += '\n';
        const bool isStart = piece.starts_with("\t<game");
        const bool isEnd = !isStart && piece.starts_with("\t</game>");
        starts += isStart;
        if (!isEnd)
            continue;
        ++ends;
        ZARN_CHECK(table.rowCount() == ends + 1, std::to_string(table.rowCount()));
        const TableRow& row = table.rows().back();
        ZARN_CHECK(row.cells.size() == static_cast<size_t>(table.columnCount()), "cells in a row");
        ZARN_CHECK(row.cells[played] == "0", row.cells[played]);
        for (int c : untouched)
            ZARN_CHECK(row.cells[c].empty(), std::string(ColumnHeaders[c]));
        for (int c : verbatim)
            ZARN_CHECK(since.find(row.cells[c]) != std::string::npos, std::string(ColumnHeaders[c]));
        // A field comes from one piece; the CPU text adds its clock.
        for (const std::string& cell : row.cells)
            ZARN_CHECK(cell.size() <= kCapturePieceLimit + 64, std::to_string(cell.size()));
        since.clear();
    }
    ZARN_CHECK(parser.gamesSeen() == starts && lastSeen == starts, std::to_string(parser.gamesSeen()));
    ZARN_CHECK(parser.rowsWritten() == ends, std::to_string(parser.rowsWritten()));
    ZARN_CHECK(table.rowCount() == ends + 1, std::to_string(table.rowCount()));
    for (int c = 0; c < table.columnCount(); ++c)
        ZARN_CHECK(table.cell(c, 0) == ColumnHeaders[c], "header row");
}

} // namespace zarn::fuzz
