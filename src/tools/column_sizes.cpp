#include "tools/column_sizes.h"

#include "settings/ini_file.h"
#include "table/game_table.h"

#include <filesystem>

namespace zarn {

namespace {
std::string keyOf(size_t position) { return "Col" + std::to_string(position); }
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
