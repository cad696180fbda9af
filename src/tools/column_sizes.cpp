#include "tools/column_sizes.h"

#include "settings/ini_file.h"
#include "table/game_table.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zarn {

namespace {

std::string keyOf(size_t position) { return "Col" + std::to_string(position); }

// Whether the ini text has a "[COLUMNSIZES]" line (names compare without case, blanks ignored).
bool hasColumnSizes(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        std::erase_if(line, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::toupper(c); });
        if (line == "[COLUMNSIZES]")
            return true;
        at = end + 1;
    }
    return false;
}

} // namespace

void SaveColumnSizes(const std::string& iniPath, const std::vector<int>& widthsByPosition) {
    IniFile ini(iniPath);
    for (size_t p = 0; p < widthsByPosition.size(); ++p)
        ini.writeInteger(kColumnSizesSection, keyOf(p), widthsByPosition[p]);
    ini.save();
}

std::optional<std::vector<int>> LoadColumnSizes(const std::string& iniPath, int count) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(iniPath, ec))
        return std::nullopt;
    const IniFile ini(iniPath);
    // The same file holds the other settings; without the section nothing was ever saved, and
    // the layout of the load stays.
    if (!hasColumnSizes(ini.text()))
        return std::nullopt;
    std::vector<int> widths;
    for (int p = 0; p < count; ++p) {
        long long w = ini.readInteger(kColumnSizesSection, keyOf(p), GameTable::kDesignColumnWidth);
        // A hand-edited file must not make a column vanish or swallow the screen.
        if (w < 0 || w > 10000)
            w = GameTable::kDesignColumnWidth;
        widths.push_back(static_cast<int>(w));
    }
    return widths;
}

} // namespace zarn
