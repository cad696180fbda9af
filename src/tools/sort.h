#pragma once

#include "table/game_table.h"

#include <string_view>
#include <vector>

namespace zarn {

struct SortKey {
    int column = 0;
    bool descending = false;
    bool operator==(const SortKey&) const = default;
};
// The primary key first. Kept in memory only.
using SortKeyList = std::vector<SortKey>;

// A header click on column: with Shift the column joins the list ascending, or reverses its own
// direction in place; without Shift a list of this column alone reverses, any other list becomes
// this column ascending.
void UpdateSortKeys(SortKeyList& keys, int column, bool shift);

// What the user's locale says about numbers and dates.
struct SortLocale {
    enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
    char decimalSeparator = '.';
    DateOrder dateOrder = DateOrder::MonthDayYear;
};

// How a cell compares, chosen from the cell itself.
enum class CellKind { Number, Date, Text };
CellKind ClassifyCell(std::string_view cell, const SortLocale& locale);

// A cell's value as a number (digits with one optional leading minus and one decimal separator)
// or 0 when it does not convert.
double CellNumber(std::string_view cell, const SortLocale& locale);
// Days (with the time of day as fraction) since 1899-12-30 of a date cell in the locale's order,
// or 0 when it does not convert.
double CellDate(std::string_view cell, const SortLocale& locale);

// Sorts the game rows (the header row stays first) by the keys; whole rows move, hidden cells
// and icons included. Equal rows end in no defined order.
//
// The way to compare is decided per cell: numbers compare as numbers (an empty cell counts as 0
// among them), dates as dates, everything else as texts by character code. Where kinds meet in
// one column, empty and number cells come first, then dates, then texts, which keeps the order
// consistent whichever cells the sort happens to compare.
void SortTable(GameTable& table, const SortKeyList& keys, const SortLocale& locale);

} // namespace zarn
