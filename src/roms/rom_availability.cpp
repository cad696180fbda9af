#include "roms/rom_availability.h"

#include "app/paths.h"
#include "app/ui.h"
#include "table/game_table.h"
#include "table/table_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zarn {

namespace {
const std::string kRule(20, '-');
} // namespace

std::string RomFolderOf(std::string_view executable) { return folderOf(executable) + "roms"; }

std::string RomSizeText(long long bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2fKb", static_cast<double>(bytes) * 0.001);
    return text;
}

bool ListRomFolder(const std::string& folder, RomNameSet& names, std::string* errorText) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) {
        if (errorText)
            *errorText = ec.message();
        return false;
    }
    // The C listing returns the folder's own entries too; keep them, as nothing filters.
    names.insert(".");
    names.insert("..");
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        names.insert(it->path().filename().string());
    }
    if (ec) {
        // Reading stopped part-way: what was read stays in the set.
        if (errorText)
            *errorText = ec.message();
        return false;
    }
    return true;
}

bool CheckRomAvailability(GameTable& table, const std::string& executable, RomNameSet& romFileNames,
                          const AppContext& ctx, Ui& ui) {
    namespace fs = std::filesystem;
    const int sizeColumn = ColumnIndex("RomSize");
    const std::string folder = RomFolderOf(executable);
    std::string error;
    if (!ListRomFolder(folder, romFileNames, &error)) {
        ui.showMessage(error);
        return false;
    }

    const int romColumn = ColumnIndex("ROM");
    const int statusColumn = ColumnIndex("Status");
    // Collected and handed over in one block: one console edit instead of thousands.
    std::vector<std::string> lines{kRule, "The following romfiles were not found:"};
    std::string archive;
    for (int row = 1; row < table.rowCount(); ++row) {
        archive = table.cell(romColumn, row);
        archive += ".zip";
        if (romFileNames.contains(archive)) {
            table.setCell(statusColumn, row, "0");
            table.setIcon(row, StatusGood);
            std::error_code ec;
            const auto bytes = fs::file_size(fs::path(folder + "/" + archive), ec);
            // A sub-folder or an archive that vanished since the listing keeps its old size text.
            if (!ec)
                table.setCell(sizeColumn, row, RomSizeText(static_cast<long long>(bytes)));
        } else {
            table.setCell(statusColumn, row, "4");
            table.setIcon(row, StatusNotFound);
            lines.push_back(archive);
        }
    }
    lines.push_back("Some of theese games may still reside in other zips, you should run a full verify to get more info.");
    lines.push_back(kRule);
    ui.appendConsoleLines(lines);
    SaveTableData(table, ctx, ui);
    return true;
}

} // namespace zarn
