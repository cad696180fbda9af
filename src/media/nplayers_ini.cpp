#include "media/nplayers_ini.h"

#include "app/context.h"
#include "app/paths.h"
#include "app/ui.h"
#include "settings/ini_file.h"
#include "table/game_table.h"

#include <cctype>
#include <string>
#include <unordered_map>

namespace zarn {

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

bool ParseNPlayersIni(GameTable& table, const AppContext& ctx, Ui& ui) {
    const std::string path = ctx.programDir + "nplayers.ini";
    const int romColumn = ColumnIndex("ROM");
    const int playersColumn = ColumnIndex("Players");
    if (entryKind(path) != EntryKind::File) {
        ui.showMessage("nplayers.ini not found in current path");
        return false;
    }
    if (romColumn < 0 || playersColumn < 0 || romColumn >= table.columnCount() ||
        playersColumn >= table.columnCount())
        return true;

    // The section is read once; a lookup per row would scan it for every game.
    const IniFile ini(path);
    std::unordered_map<std::string, std::string> players;
    for (auto& [key, value] : ini.readSection("NPlayers"))
        players.emplace(lowerCase(std::move(key)), std::move(value)); // the first of a key wins

    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string& rom = table.cell(romColumn, row);
        if (rom.empty())
            continue;
        const auto it = players.find(lowerCase(rom));
        table.setCell(playersColumn, row, it == players.end() ? std::string() : it->second);
    }
    return true;
}

} // namespace zarn
