#pragma once

#include "table/game_table.h"

#include <functional>
#include <string>
#include <string_view>

namespace zarn {

class Ui;
struct AppContext;

// The bytes of the table data file for the table: "C,R", one width line per column, then one
// line per non-empty cell, every line ending in CR LF.
std::string SerializeTableData(const GameTable& table);
// The same bytes handed out in pieces of about a megabyte; stops when sink returns false.
bool SerializeTableData(const GameTable& table, const std::function<bool(std::string_view)>& sink);

// Cell texts with a CR are stored with CR as TAB and LF as BS; others unchanged.
std::string EncodeCellText(std::string_view text);
// The reverse, then cut at the first CR (cells hold one line).
std::string DecodeCellText(std::string_view text);

// Decimal integer of the whole text; anything that is not a number reads as 0.
long long ParseTableInteger(std::string_view text);

// Writes the table to path through a temporary file in the same folder renamed over the old one,
// so a crash or a full disk leaves the old file whole. Throws Error("Cannot Create " + path).
void WriteTableDataFile(const GameTable& table, const std::string& path);

// The largest row count a table data file may declare (MAME lists about 50,000 games).
inline constexpr long long kMaxTableRows = 500000;

// Reads a table data file into table (which should be in its starting state). pumpEvents, when
// given, is called now and then (about every 20 ms) while cells are read. Throws Error with
// "Cannot open file " or "File contains no data or corrupt file " followed by the path; the table
// is then back in its starting state.
void LoadTableData(const std::string& path, GameTable& table,
                   const std::function<void()>& pumpEvents = {});

// True when path names an existing file that is marked read-only.
bool isReadOnlyFile(const std::string& path);

// Saves the whole table to the program's "zarn_data.dat" and reports the outcome in status panel 0
// and the console. A read-only file is left alone (" not saved: read only").
void SaveTableData(GameTable& table, const AppContext& ctx, Ui& ui);

} // namespace zarn
