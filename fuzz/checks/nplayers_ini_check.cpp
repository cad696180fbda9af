#include "nplayers_ini_check.h"

#include "app/context.h"
#include "check.h"
#include "media/nplayers_ini.h"
#include "settings/ini_file.h"
#include "table/game_table.h"

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace zarn::fuzz {

namespace {

// Keys of the file, some in other letter case, so that rows meet them.
std::vector<std::string> keysOf(std::string_view data) {
    std::vector<std::string> keys;
    size_t pos = 0;
    while (keys.size() < 12 && pos < data.size()) {
        size_t end = data.find('\n', pos);
        if (end == std::string_view::npos)
            end = data.size();
        const std::string_view line = data.substr(pos, end - pos);
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && eq > 0 && eq < 64) {
            std::string key(line.substr(0, eq));
            if (keys.size() % 2)
                for (char& c : key)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            keys.push_back(std::move(key));
        }
        pos = end + 1;
    }
    return keys;
}

} // namespace

void checkNPlayersIni(std::string_view data) {
    AppContext ctx;
    ctx.programDir = scratchPath("program") + "/";
    std::filesystem::create_directories(ctx.programDir);
    const std::string path = ctx.programDir + "nplayers.ini";
    writeFile(path, data);

    std::vector<std::string> names = {"abc", "ABC", "pacman", "", "never_in_the_file"};
    for (std::string& key : keysOf(data))
        names.push_back(std::move(key));
    GameTable table;
    table.clearGameRows();
    const int romColumn = ColumnIndex("ROM");
    const int playersColumn = ColumnIndex("Players");
    for (const std::string& name : names) {
        const int row = table.appendRow();
        table.setCell(romColumn, row, name);
        table.setCell(playersColumn, row, "old");
    }

    RecordingUi ui;
    const bool read = ParseNPlayersIni(table, ctx, ui);
    ZARN_CHECK(read, "the file is there");
    ZARN_CHECK(ui.messages.empty(), "no message");

    // Each row gets what a lookup of its own key gives, the way the ini reader answers one key.
    const IniFile ini(path);
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string& rom = table.cell(romColumn, row);
        const std::string& players = table.cell(playersColumn, row);
        ZARN_CHECK(rom == names[row - 1], "a ROM name changed");
        if (rom.empty()) {
            ZARN_CHECK(players == "old", "a row without a ROM name changed");
            continue;
        }
        ZARN_CHECK(players == ini.readString("NPlayers", rom), "row " + std::to_string(row) + ": " + players);
        ZARN_CHECK(players.size() <= IniFile::kMaxValueLength, std::to_string(players.size()));
    }
    std::filesystem::remove_all(ctx.programDir);
}

} // namespace zarn::fuzz
