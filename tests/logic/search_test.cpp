#include "logic/test_support.h"
#include "tools/search.h"
#include "tools/text_chars.h"

#include <gtest/gtest.h>

using namespace zarn;

namespace {

// A table whose rows 1.. have the given ROM and Description cells.
GameTable gamesTable(const std::vector<std::pair<std::string, std::string>>& games) {
    GameTable table;
    table.setRowCount(static_cast<int>(games.size()) + 1);
    for (size_t i = 0; i < games.size(); ++i) {
        table.setCell(ColumnIndex("ROM"), static_cast<int>(i) + 1, games[i].first);
        table.setCell(ColumnIndex("Description"), static_cast<int>(i) + 1, games[i].second);
    }
    return table;
}

} // namespace

TEST(Search, RomColumnWinsOverANearerDescription) {
    std::vector<std::pair<std::string, std::string>> games(45, {"other", "Other Game"});
    games[2] = {"pacman", "Find Me Racing"}; // row 3: Description match
    games[39] = {"findme", "Something"};     // row 40: ROM match
    const GameTable table = gamesTable(games);
    EXPECT_EQ(FindGameRow(table, "find", 1, true), 40);
    // Downward from row 41 the ROM column has nothing left, so the Description search runs,
    // and it starts at row 41 too: nothing.
    EXPECT_EQ(FindGameRow(table, "find", 41, true), 0);
    // Upward from row 39: no ROM match above, the Description of row 3 matches.
    EXPECT_EQ(FindGameRow(table, "find", 39, false), 3);
}

TEST(Search, MatchRules) {
    const GameTable table = gamesTable({
        {"galaga", "Galaga"},
        {"xyzzy", "Adventure"},
        {"", "No Name"},
        {"abc", ""},
        {"racer", "XYZ Racing"},
        {"caf\xc3\xa9", "Caf\xc3\xa9 Latte"},
        {"latin", "\xc9t\xe9"}, // Latin-1 bytes: not valid UTF-8
    });
    struct Case {
        std::string text;
        int from;
        int expected;
    } cases[] = {
        {"xyz", 1, 2},          // ROM xyzzy before Description XYZ Racing
        {"xyz", 3, 5},          // past xyzzy only the description is left
        {"GALAGA", 1, 1},       // case-insensitive
        {"aDvEnT", 1, 2},       // found in Description when no ROM matches
        {"", 1, 0},             // the empty text matches nothing, not even empty cells
        {"\"\"", 1, 3},         // two quotation marks: first empty ROM cell
        {"\"", 1, 0},           // one quotation mark is ordinary text
        {"CAF\xc3\x89", 1, 6},  // upper case beyond ASCII
        {"\xc3\xa9T\xc3\x89", 1, 7}, // a UTF-8 search text meets a Latin-1 cell
        {"description", 1, 0},  // the header row never matches
        {"rom", 1, 0},
        {"zzz", 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindGameRow(table, c.text, c.from, true), c.expected) << c.text << " from " << c.from;
}

TEST(Search, TwoQuotationMarksFallBackToAnEmptyDescription) {
    const GameTable table = gamesTable({{"a", "A"}, {"b", ""}, {"c", "C"}});
    EXPECT_EQ(FindGameRow(table, "\"\"", 1, true), 2);
}

TEST(Search, NoWrapAtEitherEnd) {
    const GameTable table = gamesTable({{"game", "G"}, {"game", "G"}, {"game", "G"}});
    // Next from the last row starts past the end; Prev from row 1 starts at the header.
    EXPECT_EQ(FindGameRow(table, "game", 4, true), 0);
    EXPECT_EQ(FindGameRow(table, "game", 0, false), 0);
    EXPECT_EQ(FindGameRow(table, "game", 3, true), 3);
    EXPECT_EQ(FindGameRow(table, "game", 1, false), 1);
    EXPECT_EQ(FindGameRow(table, "game", 2, false), 2);
}

TEST(Search, Messages) {
    test::RecordingUi ui;
    ReportFind(ui, 0);
    ReportFind(ui, 17);
    EXPECT_EQ(ui.status[0], (std::vector<std::string>{"Text not found", "Text found on row 17"}));
}

TEST(Search, OccurrencesForTheHighlight) {
    using Ranges = std::vector<std::pair<size_t, size_t>>;
    EXPECT_EQ(FindOccurrences(CellCharacters("Pac-Man Plus pac"), "pac"), (Ranges{{0, 3}, {13, 3}}));
    EXPECT_EQ(FindOccurrences(CellCharacters("aaaa"), "aa"), (Ranges{{0, 2}, {2, 2}}));
    EXPECT_EQ(FindOccurrences(CellCharacters("Caf\xc3\xa9 caf\xc3\xa9"), "\xc3\x89"), (Ranges{{3, 1}, {8, 1}}));
    EXPECT_TRUE(FindOccurrences(CellCharacters("abc"), "").empty());
    EXPECT_TRUE(FindOccurrences(CellCharacters("\"\""), "\"\"").empty());
}
