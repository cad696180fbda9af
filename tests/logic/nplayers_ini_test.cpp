#include "logic/test_support.h"
#include "media/nplayers_ini.h"
#include "table/game_table.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::RecordingUi;
using zarn::test::TempDir;
using zarn::test::tableWithRoms;

namespace {

const int kRom = ColumnIndex("ROM");
const int kPlayers = ColumnIndex("Players");


} // namespace

TEST(NPlayersIni, FillsPlayersByTheIniRules) {
    TempDir dir;
    const AppContext ctx = zarn::test::contextIn(dir);
    dir.write("program/nplayers.ini", "; players per set\r\n[Other]\r\npacman=wrong\r\n"
                                      "[nplayers]\r\nPACMAN = 2P alt \r\nsf2=2P sim\r\nsf2=later\r\n"
                                      "dkong=1P\r\n[Another]\r\ngone=3P\r\n");
    GameTable t = tableWithRoms({"pacman", "sf2", "gone", "", "dkong"});
    t.setCell(kPlayers, 3, "stale");
    t.setCell(kPlayers, 4, "no ROM: kept");
    RecordingUi ui;
    ASSERT_TRUE(ParseNPlayersIni(t, ctx, ui));
    EXPECT_EQ(t.cell(kPlayers, 1), "2P alt"); // key in other letter case, blanks trimmed
    EXPECT_EQ(t.cell(kPlayers, 2), "2P sim"); // the first of a key twice
    EXPECT_EQ(t.cell(kPlayers, 3), "");       // only in another section: emptied
    EXPECT_EQ(t.cell(kPlayers, 4), "no ROM: kept");
    EXPECT_EQ(t.cell(kPlayers, 5), "1P");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(NPlayersIni, OnlyTheProgramFolderIsLookedIn) {
    TempDir dir;
    const AppContext ctx = zarn::test::contextIn(dir);
    dir.write("work/nplayers.ini", "[NPlayers]\nabc=4P\n");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path() / "work");
    GameTable t = tableWithRoms({"abc"});
    t.setCell(kPlayers, 1, "1P");
    RecordingUi ui;
    const bool found = ParseNPlayersIni(t, ctx, ui);
    std::filesystem::current_path(before);
    EXPECT_FALSE(found);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"nplayers.ini not found in current path"});
    EXPECT_EQ(t.cell(kPlayers, 1), "1P");
}
