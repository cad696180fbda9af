#include "app/error.h"
#include "app/paths.h"
#include "logic/test_support.h"
#include "table/table_file.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::TempDir;

namespace {

GameTable exampleTable() {
    GameTable t; // header row plus one empty row
    t.setCell(ColumnIndex("ROM"), 1, "abc");
    t.setCell(ColumnIndex("Description"), 1, "Alpha");
    t.setCell(ColumnIndex("Played"), 1, "0");
    t.setColumnWidth(0, 18);
    return t;
}

std::string loadError(const std::string& path, GameTable& table) {
    try {
        LoadTableData(path, table);
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(TableFile, WorkedExampleByteForByte) {
    std::string expected = "16,2\r\ncw 0,18\r\n";
    for (int c = 1; c < 16; ++c)
        expected += "cw " + std::to_string(c) + ",64\r\n";
    for (int c = 0; c < 16; ++c)
        expected += std::to_string(c) + ",0," + std::string(ColumnHeaders[c]) + "\r\n";
    expected += "1,1,abc\r\n2,1,Alpha\r\n6,1,0\r\n";
    EXPECT_EQ(SerializeTableData(exampleTable()), expected);
}

TEST(TableFile, CellTextsRoundTrip) {
    TempDir dir;
    GameTable t;
    t.setRowCount(4);
    const int bio = ColumnIndex("Bio");
    t.setCell(bio, 1, "line one\nline two\n\nend");
    t.setCell(ColumnIndex("Description"), 1, "Alpha, Beta, and Gamma");
    t.setCell(ColumnIndex("Description"), 2, std::string("a\r\nb"));
    t.setCell(ColumnIndex("Info"), 3, "x,y,z\nmore");
    const std::string path = dir.folder() + "zarn_data.dat";
    WriteTableDataFile(t, path);

    EXPECT_NE(dir.read("zarn_data.dat").find(std::string("2,2,a\t\bb\r\n")), std::string::npos);

    GameTable loaded;
    LoadTableData(path, loaded);
    ASSERT_EQ(loaded.rowCount(), 4);
    EXPECT_EQ(loaded.cell(bio, 1), "line one\nline two\n\nend");
    EXPECT_EQ(loaded.cell(ColumnIndex("Description"), 1), "Alpha, Beta, and Gamma");
    EXPECT_EQ(loaded.cell(ColumnIndex("Description"), 2), "a");
    EXPECT_EQ(loaded.cell(ColumnIndex("Info"), 3), "x,y,z\nmore");
    EXPECT_EQ(SerializeTableData(loaded), SerializeTableData([&] {
                  GameTable expected = t;
                  expected.setCell(ColumnIndex("Description"), 2, "a");
                  return expected;
              }()));
}

TEST(TableFile, SkipsCellAndWidthLinesOutsideTheDeclaredSize) {
    TempDir dir;
    std::string data = "16,3\r\ncw 0,18\r\ncw 16,99\r\ncw 3,77\r\n";
    data += "1,1,abc\r\n20,1,ignored\r\n1,3,ignored\r\n-1,1,ignored\r\n2,2,two\r\n";
    const std::string path = dir.write("zarn_data.dat", data);
    GameTable t;
    LoadTableData(path, t);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.columnCount(), 16);
    EXPECT_EQ(t.columnWidth(0), 18);
    EXPECT_EQ(t.columnWidth(3), 77);
    EXPECT_EQ(t.cell(1, 1), "abc");
    EXPECT_EQ(t.cell(2, 2), "two");
    EXPECT_EQ(t.cell(0, 0), "Status"); // the starting state's header stays where the file has none
}

TEST(TableFile, LineEndsAndCtrlZ) {
    TempDir dir;
    // A bare LF belongs to the cell; Ctrl-Z ends the file.
    const std::string data = std::string("16,2\r\n1,1,a\nb\r\n2,1,desc\r\x1a") + "3,1,after\r\n";
    GameTable t;
    LoadTableData(dir.write("d.dat", data), t);
    EXPECT_EQ(t.cell(1, 1), "a\nb");
    EXPECT_EQ(t.cell(2, 1), "desc");
    EXPECT_EQ(t.cell(3, 1), "");
}

TEST(TableFile, CorruptOrMissingFilesAreRefused) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string firstLines;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"empty first line", "\r\n1,1,abc\r\n"},
        {"zero size", "0,0\r\n"},
        {"no rows", "16,0\r\n"},
        {"not numbers", "abc,def\r\n"},
        {"more rows than any list", "16,500001\r\n1,1,abc\r\n"},
        {"huge column count", "2000000000,2\r\n"},
        {"another column count", "17,2\r\n"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.write("zarn_data.dat", c.firstLines);
        GameTable t;
        t.setCell(1, 1, "kept");
        EXPECT_EQ(loadError(path, t), "File contains no data or corrupt file " + path) << c.name;
        EXPECT_EQ(t.cell(1, 1), "kept") << c.name;
    }
    GameTable t;
    const std::string missing = dir.folder() + "missing.dat";
    EXPECT_EQ(loadError(missing, t), "Cannot open file " + missing);
}

TEST(TableFile, SaveReportsAndRefusesReadOnlyFiles) {
    TempDir dir;
    const AppContext ctx = test::contextIn(dir);
    test::RecordingUi ui;
    GameTable t = exampleTable();
    t.SetBioInfoHidden(true);

    SaveTableData(t, ctx, ui);
    const std::string path = ctx.tableDataPath();
    EXPECT_EQ(ui.lastStatus(0), "Data saved to " + path);
    ASSERT_EQ(ui.console.size(), 1u);
    EXPECT_EQ(ui.console[0], "Data saved to " + path);
    EXPECT_TRUE(t.isColumnHidden(ColumnIndex("Bio")));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
    t.setCell(1, 1, "changed");
    std::string old;
    ASSERT_TRUE(readWholeFile(path, old));
    SaveTableData(t, ctx, ui);
    EXPECT_EQ(ui.lastStatus(0), path + " not saved: read only");
    EXPECT_EQ(ui.console.back(), path + " not saved: read only");
    std::string now;
    ASSERT_TRUE(readWholeFile(path, now));
    EXPECT_EQ(now, old);
}

TEST(TableFile, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.folder() + "zarn_data.dat";
    GameTable t = exampleTable();
    WriteTableDataFile(t, path);
    // A folder in the way of the temporary file makes the write fail.
    std::filesystem::create_directories(path + ".tmp");
    t.setCell(1, 1, "changed");
    try {
        WriteTableDataFile(t, path);
        FAIL() << "the write should have failed";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create " + path);
    }
    GameTable loaded;
    LoadTableData(path, loaded);
    EXPECT_EQ(loaded.cell(1, 1), "abc");
}

TEST(GameTable, ColumnIndexAndStatusIcons) {
    EXPECT_EQ(ColumnIndex("Status"), 0);
    EXPECT_EQ(ColumnIndex("Info"), 15);
    EXPECT_EQ(ColumnIndex("rom"), -1);
    EXPECT_EQ(ColumnIndex(""), -1);

    GameTable t;
    t.setRowCount(5);
    t.setCell(0, 1, "4");
    t.setCell(0, 2, "");
    t.setCell(0, 3, "x");
    t.setCell(0, 4, "7");
    ShowStatusIcons(t);
    EXPECT_EQ(t.icon(1), 4);
    EXPECT_EQ(t.icon(2), kNoIcon);
    EXPECT_EQ(t.icon(3), kNoIcon);
    EXPECT_EQ(t.icon(4), kNoIcon);
}

TEST(GameTable, HiddenColumnsStillSaveAllSixteenColumns) {
    GameTable t = exampleTable();
    t.setCell(ColumnIndex("Bio"), 1, "story");
    t.SetBioInfoHidden(true);
    EXPECT_TRUE(t.isColumnHidden(14));
    EXPECT_TRUE(t.isColumnHidden(15));
    const std::string data = SerializeTableData(t);
    EXPECT_EQ(data.substr(0, 6), "16,2\r\n");
    EXPECT_NE(data.find("14,1,story\r\n"), std::string::npos);
    t.SetBioInfoHidden(false);
    EXPECT_FALSE(t.isColumnHidden(14));
}
