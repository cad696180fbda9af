#include "tools/sort.h"

#include <gtest/gtest.h>

using namespace zarn;

namespace {

const int kRom = ColumnIndex("ROM");

// A table of games named by ROM with one more column filled from values.
GameTable tableWith(int column, const std::vector<std::string>& values) {
    GameTable table;
    table.setRowCount(static_cast<int>(values.size()) + 1);
    for (size_t i = 0; i < values.size(); ++i) {
        table.setCell(kRom, static_cast<int>(i) + 1, "g" + std::to_string(i));
        table.setCell(column, static_cast<int>(i) + 1, values[i]);
    }
    return table;
}

std::vector<std::string> columnOf(const GameTable& table, int column) {
    std::vector<std::string> out;
    for (int r = 1; r < table.rowCount(); ++r)
        out.push_back(table.cell(column, r));
    return out;
}

std::vector<std::string> sortedColumn(std::vector<std::string> values, bool descending = false,
                                      const SortLocale& locale = {}) {
    const int column = ColumnIndex("Played");
    GameTable table = tableWith(column, values);
    SortTable(table, {{column, descending}}, locale);
    return columnOf(table, column);
}

using Texts = std::vector<std::string>;

} // namespace

TEST(SortKeys, ClicksAndShiftClicks) {
    SortKeyList keys;
    UpdateSortKeys(keys, 2, false);
    EXPECT_EQ(keys, (SortKeyList{{2, false}}));
    UpdateSortKeys(keys, 2, false);
    EXPECT_EQ(keys, (SortKeyList{{2, true}}));
    UpdateSortKeys(keys, 2, false);
    EXPECT_EQ(keys, (SortKeyList{{2, false}}));
    UpdateSortKeys(keys, 5, true);
    EXPECT_EQ(keys, (SortKeyList{{2, false}, {5, false}}));
    UpdateSortKeys(keys, 5, true); // reverses only B, in place
    EXPECT_EQ(keys, (SortKeyList{{2, false}, {5, true}}));
    UpdateSortKeys(keys, 2, true);
    EXPECT_EQ(keys, (SortKeyList{{2, true}, {5, true}}));
    UpdateSortKeys(keys, 5, false); // B alone, ascending
    EXPECT_EQ(keys, (SortKeyList{{5, false}}));
    UpdateSortKeys(keys, 7, false);
    EXPECT_EQ(keys, (SortKeyList{{7, false}}));
}

TEST(SortCells, WayOfComparingComesFromTheCell) {
    const SortLocale dot;
    SortLocale comma;
    comma.decimalSeparator = ',';
    struct Case {
        const char* cell;
        const SortLocale& locale;
        CellKind kind;
    } cases[] = {
        {"10", dot, CellKind::Number},       {"-3.5", dot, CellKind::Number},
        {"3,5", comma, CellKind::Number},    {"3,5", dot, CellKind::Text},
        {"1.2.3", dot, CellKind::Text},
        {"10.00Kb", dot, CellKind::Text},    {"19??", dot, CellKind::Text},
        {"-", dot, CellKind::Text},          {"", dot, CellKind::Text},
        {"1/2/1999", dot, CellKind::Date},   {"12/31/99 10:00", dot, CellKind::Date},
        {"ab/2", dot, CellKind::Text},       {"a1/2", dot, CellKind::Date},       {"123/4", dot, CellKind::Text},
        {"1/", dot, CellKind::Text},         {"Zebra", dot, CellKind::Text},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyCell(c.cell, c.locale), c.kind) << c.cell;
    EXPECT_DOUBLE_EQ(CellNumber("3,25", comma), 3.25);
    EXPECT_DOUBLE_EQ(CellNumber("-12", dot), -12.0);
}

TEST(SortCells, Dates) {
    SortLocale dmy;
    dmy.dateOrder = SortLocale::DateOrder::DayMonthYear;
    const SortLocale mdy;
    EXPECT_DOUBLE_EQ(CellDate("1/1/1900", mdy), 2.0); // day 0 is 1899-12-30
    EXPECT_LT(CellDate("2/1/2000", dmy), CellDate("1/2/2000", dmy));
    EXPECT_GT(CellDate("2/1/2000", mdy), CellDate("1/2/2000", mdy));
    EXPECT_DOUBLE_EQ(CellDate("1/1/2000 12:00", mdy) - CellDate("1/1/2000", mdy), 0.5);
    EXPECT_DOUBLE_EQ(CellDate("1/1/2000 12:00 AM", mdy), CellDate("1/1/2000", mdy));
    EXPECT_DOUBLE_EQ(CellDate("13/1/2000", mdy), 0.0);   // no thirteenth month
    EXPECT_DOUBLE_EQ(CellDate("2/30/2000", mdy), 0.0);
    EXPECT_DOUBLE_EQ(CellDate("1/1/2000 25:00", mdy), 0.0);
    EXPECT_DOUBLE_EQ(CellDate("1/1/2000 junk", mdy), 0.0);
    EXPECT_DOUBLE_EQ(CellDate("1/1/99", mdy), CellDate("1/1/1999", mdy));
}

TEST(Sort, NumbersTextsAndDates) {
    EXPECT_EQ(sortedColumn({"10", "9", "100", "0"}), (Texts{"0", "9", "10", "100"}));
    EXPECT_EQ(sortedColumn({"10", "9", "100", "0"}, true), (Texts{"100", "10", "9", "0"}));
    EXPECT_EQ(sortedColumn({"9.00Kb", "10.00Kb", "100.50Kb"}), (Texts{"10.00Kb", "100.50Kb", "9.00Kb"}));
    EXPECT_EQ(sortedColumn({"apple", "Zebra", "", "Apple", "zebra"}), (Texts{"", "Apple", "Zebra", "apple", "zebra"}));
    EXPECT_EQ(sortedColumn({"3", "", "1", ""}), (Texts{"", "", "1", "3"}));
    EXPECT_EQ(sortedColumn({"-2", "1.5", "-10", "1.25"}), (Texts{"-10", "-2", "1.25", "1.5"}));
    EXPECT_EQ(sortedColumn({"12/31/1999", "1/1/2000", "2/1/1999"}), (Texts{"2/1/1999", "12/31/1999", "1/1/2000"}));
    SortLocale comma;
    comma.decimalSeparator = ',';
    EXPECT_EQ(sortedColumn({"2,5", "10", "2,25"}, false, comma), (Texts{"2,25", "2,5", "10"}));
}

TEST(Sort, MixedColumnIsConsistent) {
    // Kinds that meet in one column still give one order, whatever the input order.
    const Texts expected{"", "0", "9", "10", "1/2/2000", "19??", "x"};
    Texts input = {"x", "10", "19??", "", "9", "1/2/2000", "0"};
    for (int i = 0; i < 7; ++i) {
        std::rotate(input.begin(), input.begin() + 1, input.end());
        EXPECT_EQ(sortedColumn(input), expected);
    }
}

TEST(Sort, WholeRowsMoveWithHiddenCellsAndIcons) {
    const int desc = ColumnIndex("Description"), bio = ColumnIndex("Bio"), info = ColumnIndex("Info");
    GameTable table = tableWith(desc, {"Ccc", "Aaa", "Bbb"});
    for (int r = 1; r <= 3; ++r) {
        table.setCell(bio, r, "bio of " + table.cell(desc, r) + "\nline 2");
        table.setCell(info, r, "info " + table.cell(desc, r));
        table.setIcon(r, r);
    }
    SortTable(table, {{desc, false}}, {});
    EXPECT_EQ(columnOf(table, desc), (Texts{"Aaa", "Bbb", "Ccc"}));
    EXPECT_EQ(columnOf(table, bio), (Texts{"bio of Aaa\nline 2", "bio of Bbb\nline 2", "bio of Ccc\nline 2"}));
    EXPECT_EQ(columnOf(table, info), (Texts{"info Aaa", "info Bbb", "info Ccc"}));
    EXPECT_EQ(columnOf(table, kRom), (Texts{"g1", "g2", "g0"}));
    EXPECT_EQ(table.icon(1), 2);
    EXPECT_EQ(table.icon(2), 3);
    EXPECT_EQ(table.icon(3), 1);
    EXPECT_EQ(table.cell(desc, 0), "Description"); // the header row stays first
}

TEST(Sort, SecondKeyOrdersWithinEqualFirstKeys) {
    const int year = ColumnIndex("Year"), maker = ColumnIndex("Manufacturer");
    GameTable table = tableWith(year, {"1982", "1981", "1982", "1981"});
    table.setCell(maker, 1, "Bally");
    table.setCell(maker, 2, "Atari");
    table.setCell(maker, 3, "Atari");
    table.setCell(maker, 4, "Namco");
    SortTable(table, {{year, false}, {maker, true}}, {});
    EXPECT_EQ(columnOf(table, year), (Texts{"1981", "1981", "1982", "1982"}));
    EXPECT_EQ(columnOf(table, maker), (Texts{"Namco", "Atari", "Bally", "Atari"}));
}

TEST(Sort, TooFewRowsOrKeysLeaveTheTable) {
    GameTable one = tableWith(kRom, {"b"});
    SortTable(one, {{kRom, false}}, {});
    EXPECT_EQ(columnOf(one, kRom), (Texts{"b"}));
    GameTable two = tableWith(kRom, {"b", "a"});
    SortTable(two, {}, {});
    SortTable(two, {{99, false}}, {});
    EXPECT_EQ(columnOf(two, kRom), (Texts{"b", "a"}));
}
