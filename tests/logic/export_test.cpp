#include "app/error.h"
#include "logic/test_support.h"
#include "tools/export.h"
#include "tools/xls_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace zarn;

namespace {

const int kStatus = ColumnIndex("Status"), kRom = ColumnIndex("ROM"), kDesc = ColumnIndex("Description"),
          kYear = ColumnIndex("Year");

// Header plus three games; only Status, ROM, Description and Year filled.
GameTable smallTable() {
    GameTable table;
    table.setRowCount(4);
    const char* rows[3][4] = {
        {"0", "pacman", "Pac-Man", "1980"},
        {"4", "galaga", "Galaga", "1981"},
        {"", "dkong", "Donkey Kong", ""},
    };
    for (int r = 0; r < 3; ++r) {
        table.setCell(kStatus, r + 1, rows[r][0]);
        table.setCell(kRom, r + 1, rows[r][1]);
        table.setCell(kDesc, r + 1, rows[r][2]);
        table.setCell(kYear, r + 1, rows[r][3]);
    }
    return table;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos)
            break;
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

} // namespace

TEST(Export, ColumnsNeverIncludeBioAndInfo) {
    EXPECT_EQ(ExportColumns({0, 2, 14, 1, 15, 3}), (std::vector<int>{0, 2, 1, 3}));
}

TEST(Export, FileNameAlwaysGetsTheExtension) {
    EXPECT_EQ(ExportFileName("/tmp/games", ExportFormat::Html), "/tmp/games.html");
    EXPECT_EQ(ExportFileName("/tmp/games.html", ExportFormat::Html), "/tmp/games.html.html");
    EXPECT_EQ(ExportFileName("/tmp/games.html", ExportFormat::Xls), "/tmp/games.html.xls");
    EXPECT_EQ(ExportFileName("/tmp/g", ExportFormat::Text), "/tmp/g.txt");
}

TEST(Export, HtmlCellConversion) {
    const std::pair<std::string, std::string> cases[] = {
        {"A & B < C", "A &amp; B &lt; C"},
        {"A > B", "A &gt; B"},
        {"Tom & Jerry <2>", "Tom &amp; Jerry <2>"}, // both angle brackets: kept as mark-up
        {"<b>bold</b> & co", "<b>bold</b> &amp; co"},
        {"say \"hi\"", "say &quot;hi&quot;"},
        {"one\r\ntwo\rthree", "one<br>\ntwo<br>three"},
        {"", "<br>"},
        {"&lt;", "&amp;lt;"},
    };
    for (const auto& [cell, html] : cases)
        EXPECT_EQ(HtmlCellText(cell), html) << cell;
}

TEST(Export, HtmlLinesColoursAndOrder) {
    GameTable table = smallTable();
    table.setCell(kRom, 2, "a&<b");
    ExportColors colors{"D4D0C8", "FFFFE1", "FFFFFF", "000000"};
    const auto out = lines(HtmlExport(table, {kDesc, kRom}, colors));
    const std::vector<std::string> expected = {
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\"  width=\"100%\">",
        "<tr>",
        "<td nowrap bgcolor=\"#D4D0C8\"><font color=\"#000000\">Description</font></td>",
        "<td nowrap bgcolor=\"#D4D0C8\"><font color=\"#000000\">ROM</font></td>",
        "</tr>",
        "<tr>",
        "<td nowrap bgcolor=\"#FFFFE1\"><font color=\"#000000\" >Pac-Man</font></td>",
        "<td nowrap bgcolor=\"#FFFFE1\"><font color=\"#000000\" >pacman</font></td>",
        "</tr>",
        "<tr>",
        "<td nowrap bgcolor=\"#FFFFFF\"><font color=\"#000000\" >Galaga</font></td>",
        "<td nowrap bgcolor=\"#FFFFFF\"><font color=\"#000000\" >a&amp;&lt;b</font></td>",
        "</tr>",
        "<tr>",
        "<td nowrap bgcolor=\"#FFFFE1\"><font color=\"#000000\" >Donkey Kong</font></td>",
        "<td nowrap bgcolor=\"#FFFFE1\"><font color=\"#000000\" >dkong</font></td>",
        "</tr>",
        "</table>",
    };
    EXPECT_EQ(out, expected);
}

TEST(Export, HtmlEmptyCellIsABreak) {
    const auto out = lines(HtmlExport(smallTable(), {kYear}, {}));
    ASSERT_EQ(out.size(), 14u);
    EXPECT_NE(out[8].find(" >1981</font>"), std::string::npos);
    EXPECT_NE(out[11].find(" ><br></font>"), std::string::npos);
}

TEST(Export, TextAlignsColumnsAndPadsEveryField) {
    GameTable table = smallTable();
    const int clone = ColumnIndex("Clone Of");
    table.setCell(clone, 0, ""); // a column without any text still takes one blank
    table.setCell(kDesc, 1, "Pac-Man\r\nsecond line");
    table.setCell(kRom, 2, "gal\xc3\xa1ga"); // 6 characters in 7 bytes
    const std::string text = TextExport(table, {kRom, clone, kYear});
    const std::vector<std::string> expected = {
        "ROM     Year ",
        "pacman  1980 ",
        "gal\xc3\xa1ga  1981 ",
        "dkong        ",
    };
    EXPECT_EQ(lines(text), expected);
    // The first line only of a text with line breaks.
    EXPECT_EQ(lines(TextExport(table, {kDesc}))[1], "Pac-Man     ");
}

TEST(Export, SheetCellsDropCarriageReturns) {
    GameTable table = smallTable();
    table.setCell(kDesc, 3, "two\r\nlines");
    const auto cells = SheetCells(table, {kRom, kDesc});
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], (std::vector<std::string>{"ROM", "Description"}));
    EXPECT_EQ(cells[3], (std::vector<std::string>{"dkong", "two\nlines"}));
}

TEST(Export, UnwritableFileIsReported) {
    test::TempDir dir;
    const std::string path = dir.folder() + "no/such/folder/out.html";
    try {
        WriteExport(path, ExportFormat::Html, smallTable(), {kRom}, {});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create file " + path);
    }
}

TEST(Xls, TooManyRowsIsAnErrorNotABrokenFile) {
    std::vector<std::vector<std::string>> cells(65537, std::vector<std::string>{"x"});
    EXPECT_THROW(XlsWorkbook(cells), Error);
    cells.pop_back();
    EXPECT_NO_THROW(XlsWorkbook(cells));
}

TEST(Xls, CompoundFileHeader) {
    const std::string file = XlsWorkbook({{"a"}});
    ASSERT_GE(file.size(), 512u + 4096u + 1024u);
    EXPECT_EQ(file.substr(0, 8), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    EXPECT_EQ(file.size() % 512, 0u);
    // The workbook stream starts right after the header with a BIFF8 globals BOF.
    EXPECT_EQ(file.substr(512, 6), std::string("\x09\x08\x10\x00\x00\x06", 6));
}

namespace {

// Reads an .xls back with python3-xlrd: one line per non-empty cell, "row col hex-of-UTF-8",
// after a first line "rows cols sheets". Empty when the reader is missing.
std::string readBackWithXlrd(const test::TempDir& dir, const std::string& xlsPath) {
    // Debian's python3-xlrd belongs to Debian's own interpreter, whatever else is on the PATH.
    const std::string python = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    if (std::system((python + " -c 'import xlrd' >/dev/null 2>&1").c_str()) != 0)
        return {};
    const std::string script = dir.write("read.py",
        "import sys, xlrd\n"
        "book = xlrd.open_workbook(sys.argv[1])\n"
        "sheet = book.sheet_by_index(0)\n"
        "out = open(sys.argv[2], 'w')\n"
        "out.write('%d %d %d %s\\n' % (sheet.nrows, sheet.ncols, book.nsheets, sheet.name))\n"
        "for r in range(sheet.nrows):\n"
        "    for c in range(sheet.ncols):\n"
        "        v = sheet.cell_value(r, c)\n"
        "        if v != '':\n"
        "            out.write('%d %d %s\\n' % (r, c, v.encode('utf-8').hex()))\n");
    const std::string outPath = dir.folder() + "cells.txt";
    const std::string command = python + " '" + script + "' '" + xlsPath + "' '" + outPath + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "xlrd could not read " << xlsPath;
    std::ifstream in(outPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string hexOf(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

std::string expectedReadBack(const std::vector<std::vector<std::string>>& cells) {
    size_t columns = 0;
    for (const auto& row : cells)
        columns = std::max(columns, row.size());
    std::string out = std::to_string(cells.size()) + " " + std::to_string(columns) + " 1 Sheet1\n";
    for (size_t r = 0; r < cells.size(); ++r) {
        for (size_t c = 0; c < cells[r].size(); ++c) {
            if (!cells[r][c].empty())
                out += std::to_string(r) + " " + std::to_string(c) + " " + hexOf(cells[r][c]) + "\n";
        }
    }
    return out;
}

} // namespace

TEST(Xls, AnIndependentReaderSeesTheSameCells) {
    test::TempDir dir;
    GameTable table = smallTable();
    table.setCell(kDesc, 2, "Gal\xc3\xa1ga \xe2\x98\x85 \xe6\x97\xa5\xe6\x9c\xac"); // beyond Latin-1
    table.setCell(kDesc, 3, "two\r\nlines");
    table.setCell(kYear, 1, "1980");
    const std::vector<int> columns{kYear, kRom, kDesc, kStatus};
    const std::string path = dir.folder() + "games.xls";
    WriteExport(path, ExportFormat::Xls, table, columns, {});
    const std::string seen = readBackWithXlrd(dir, path);
    if (seen.empty())
        GTEST_SKIP() << "python3-xlrd is not installed";
    EXPECT_EQ(seen, expectedReadBack(SheetCells(table, columns)));
}

TEST(Xls, LargeSheetWithSplitStringsAndManyFatSectors) {
    // Enough cells for the shared strings to run over many CONTINUE records (long strings split
    // across them, Latin-1 and UTF-16 alike) and for the FAT to need more than the header's 109
    // sectors.
    std::vector<std::vector<std::string>> cells;
    for (int r = 0; r < 30000; ++r) {
        std::vector<std::string>& row = cells.emplace_back();
        row.push_back("game" + std::to_string(r));
        row.push_back(r % 7 == 0 ? std::string() : "Description " + std::to_string(r % 500));
        row.push_back(std::string(static_cast<size_t>(200 + r % 300), static_cast<char>('a' + r % 26)) +
                      std::to_string(r));
        row.push_back(r % 3 == 0 ? "\xe6\x97\xa5" + std::to_string(r) + std::string(100, 'x') : "shared");
        for (int c = 0; c < 10; ++c)
            row.push_back(std::to_string(c * r));
    }
    const std::string file = XlsWorkbook(cells);
    EXPECT_GT(file.size(), 512u * 128u * 109u);
    test::TempDir dir;
    const std::string path = dir.folder() + "big.xls";
    WriteExportFile(path, file);
    const std::string seen = readBackWithXlrd(dir, path);
    if (seen.empty())
        GTEST_SKIP() << "python3-xlrd is not installed";
    EXPECT_TRUE(seen == expectedReadBack(cells)) << "the read-back cells differ";
}
