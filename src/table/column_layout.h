#pragma once

#include "table/game_table.h"

#include <functional>
#include <string_view>

namespace zarn {

// Width in pixels of a single-line text as the grid draws it.
using TextWidthFn = std::function<int(std::string_view)>;

// Sets every column to its widest text (header row included, first line of each cell) plus 2.
// maxCharWidth is the widest character of the font; it lets long columns skip texts that cannot
// be wider than what was already found.
void SizeColumnsToText(GameTable& table, const TextWidthFn& textWidth, int maxCharWidth);

// The layout after a load or import: sized to text, then the fixed widths of Status, Description,
// Played, Players, Manufacturer, Resolution and CPU.
void ApplyColumnLayout(GameTable& table, const TextWidthFn& textWidth, int maxCharWidth);

} // namespace zarn
