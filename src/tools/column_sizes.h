#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zarn {

inline constexpr const char* kColumnSizesSection = "COLUMNSIZES";

// Writes "Col0", "Col1", ... with the width of each shown column position into COLUMNSIZES of
// the file at iniPath (other sections and keys stay as they are).
void SaveColumnSizes(const std::string& iniPath, const std::vector<int>& widthsByPosition);

// The saved width of each of positions 0..count-1, 64 where a key is missing or no number;
// nullopt when the file or its COLUMNSIZES section does not exist.
std::optional<std::vector<int>> LoadColumnSizes(const std::string& iniPath, int count);

} // namespace zarn
