#pragma once

// Tables that the kill-during-save test and its child program both build, so that the test knows
// byte for byte what the child was saving.
#include "table/game_table.h"

#include <string>

namespace zarn::test {

// A table of the header row and `games` rows with every column filled; variant changes every
// text and width, so two variants differ in each cell. Some texts hold line feeds and commas,
// and some a CR, so the encoded forms are part of what a save writes.
inline GameTable faultTable(int games, int variant) {
    GameTable t;
    t.writeHeaders();
    t.setRowCount(games + 1);
    for (int c = 0; c < kColumnCount; ++c)
        t.setColumnWidth(c, 20 + c * 3 + variant);
    for (int r = 1; r <= games; ++r) {
        for (int c = 0; c < kColumnCount; ++c) {
            std::string text = "v" + std::to_string(variant) + "r" + std::to_string(r) + "c" + std::to_string(c);
            if (c == ColumnIndex("Bio"))
                text += "\nline two, with a comma\nline three";
            if (c == ColumnIndex("Info") && r % 7 == 0)
                text += "\r\ncut here";
            t.setCell(c, r, std::move(text));
        }
    }
    return t;
}

// The table as a save and a load give it back: a cell with a CR keeps only what comes before it.
inline GameTable faultTableAsLoaded(int games, int variant) {
    GameTable t = faultTable(games, variant);
    for (int r = 1; r <= games; ++r) {
        std::string& info = t.cell(ColumnIndex("Info"), r);
        info = info.substr(0, info.find('\r'));
    }
    return t;
}

} // namespace zarn::test
