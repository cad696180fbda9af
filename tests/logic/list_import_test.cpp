#include "logic/test_support.h"
#include "mame/list_import.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

using namespace zarn;
using zarn::test::TempDir;

namespace {

// Parses the lines into a fresh table and returns it.
GameTable parse(const std::vector<std::string>& lines) {
    GameTable table;
    table.clearGameRows();
    GameListParser parser(table);
    for (const std::string& line : lines)
        parser.parseLine(line);
    return table;
}

std::string cell(const GameTable& t, const char* column, int row) { return t.cell(ColumnIndex(column), row); }

// The cells a game row gets, by header.
std::map<std::string, std::string> rowCells(const GameTable& t, int row) {
    std::map<std::string, std::string> cells;
    for (int c = 0; c < kColumnCount; ++c)
        if (!t.cell(c, row).empty())
            cells[std::string(ColumnHeaders[c])] = t.cell(c, row);
    return cells;
}

std::vector<std::string> pieces(const std::string& path) {
    CaptureReader reader;
    EXPECT_TRUE(reader.open(path));
    std::vector<std::string> out;
    std::string_view piece;
    while (reader.next(piece))
        out.emplace_back(piece);
    return out;
}

} // namespace

TEST(GameListParser, WorkedExampleGivesItsRow) {
    const GameTable t = parse({
        "\t<game name=\"abc\" sourcefile=\"a.c\" cloneof=\"abd\" romof=\"abd\">",
        "\t\t<description>Alpha (set 2)</description>",
        "\t\t<year>1981</year>",
        "\t\t<manufacturer>Maker</manufacturer>",
        "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"3072000\"/>",
        "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"1789772\"/>",
        "\t\t<video screen=\"raster\" orientation=\"vertical\" width=\"224\" height=\"288\"/>",
        "\t</game>",
    });
    ASSERT_EQ(t.rowCount(), 2);
    const std::map<std::string, std::string> expected = {
        {"ROM", "abc"},          {"Clone Of", "abd"},   {"Rom Of", "abd"},
        {"Description", "Alpha (set 2)"}, {"Year", "1981"}, {"Manufacturer", "Maker"},
        {"CPU", "Z80 1.79 Mhz"}, {"Type", "raster"},    {"Resolution", "224x288"},
        {"Played", "0"},
    };
    EXPECT_EQ(rowCells(t, 1), expected);
    EXPECT_EQ(cell(t, "Status", 0), "Status"); // the header row stays
}

TEST(GameListParser, FixtureListRowForRow) {
    GameTable table;
    table.clearGameRows();
    GameListParser parser(table);
    CaptureReader reader;
    ASSERT_TRUE(reader.open(test::fixturePath("listxml_087.xml")));
    std::string_view line;
    while (reader.next(line))
        parser.parseLine(line);
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(parser.gamesSeen(), 3);

    using Row = std::map<std::string, std::string>;
    EXPECT_EQ(rowCells(table, 1),
              (Row{{"ROM", "abc"}, {"Clone Of", "abd"}, {"Rom Of", "abd"}, {"Description", "Alpha (set 2)"},
                   {"Year", "1981"}, {"Manufacturer", "Maker"}, {"CPU", "Z80 1.79 Mhz"}, {"Type", "raster"},
                   {"Resolution", "224x288"}, {"Played", "0"}, {"Category", "Shooter"},
                   {"Info", "Recommended Games:\n- Beta & Gamma\n- Delta"}}));
    // The year after the end line is outside a game and ignored; the manufacturer there is taken
    // and lands in the next row; no cloneof here, although the game before had one.
    EXPECT_EQ(rowCells(table, 2),
              (Row{{"ROM", "abd"}, {"Description", "Alpha (set 1)"}, {"Year", "1980"},
                   {"Manufacturer", "Late Maker"}, {"CPU", "M6809 18.43 Mhz"}, {"Type", "vector"},
                   {"Played", "0"}}));
    // Character references stay as they are outside the info text.
    EXPECT_EQ(rowCells(table, 3),
              (Row{{"ROM", "zed"}, {"Rom Of", "zbios"}, {"Description", "Zed &amp; Co"}, {"Year", "19??"},
                   {"Manufacturer", "&lt;unknown&gt;"}, {"CPU", "I8086"}, {"Type", "raster"},
                   {"Resolution", "320x240"}, {"Played", "0"}}));
}

TEST(GameListParser, DescriptionAndYearCountOnlyInsideAGame) {
    const GameTable t = parse({
        "\t\t<description>Before</description>",
        "\t\t<year>1900</year>",
        "\t<game name=\"one\">",
        "\t</game>",
        "\t\t<description>After</description>",
        "\t<game name=\"two\">",
        "\t</game>",
    });
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(cell(t, "Description", 1), "");
    EXPECT_EQ(cell(t, "Year", 1), "");
    EXPECT_EQ(cell(t, "Description", 2), "");
}

TEST(GameListParser, HistoryLines) {
    struct Case {
        const char* line;
        const char* category;
        const char* info;
    };
    const Case cases[] = {
        {"\t\t<history>Text&#10;&#10;Category: Maze&#10;</history>", "Maze", ""},
        {"\t\t<history>No category here</history>", "", ""},
        // No empty line after the phrase: info runs to the end of the history text.
        {"\t\t<history>Recommended Games:&#10;- Beta&#10;- Gamma</history>", "",
         "Recommended Games:\n- Beta\n- Gamma"},
        {"\t\t<history>Recommended Games:&#10;- Beta&#10;&#10;- not this</history>", "", "Recommended Games:\n- Beta"},
        // The line feed replacement runs first, so an escaped reference survives as text.
        {"\t\t<history>Recommended Games: A&amp;#10;B</history>", "", "Recommended Games: A&#10;B"},
        // What follows the end of the history element is not looked at.
        {"\t\t<history>text</history>Category: Late&#10;Recommended Games", "", ""},
        // An empty pair before the phrase does not cut it.
        {"\t\t<history>&#10;&#10;Recommended Games: x", "", "Recommended Games: x"},
        {"\t\t<history>Category: ", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const GameTable t = parse({"\t<game name=\"g\">", c.line, "\t</game>"});
        EXPECT_EQ(cell(t, "Category", 1), c.category);
        EXPECT_EQ(cell(t, "Info", 1), c.info);
    }
}

TEST(GameListParser, CpuAndVideoLines) {
    struct Case {
        const char* line;
        const char* column;
        const char* expected;
    };
    const Case cases[] = {
        {"\t\t<chip type=\"cpu\" name=\"M68000\" clock=\"18432000\"/>", "CPU", "M68000 18.43 Mhz"},
        {"\t\t<chip type=\"cpu\" name=\"I8086\"/>", "CPU", "I8086"},
        {"\t\t<chip type=\"cpu\" name=\"Tiny\" clock=\"500000\"/>", "CPU", "Tiny 0.50 Mhz"},
        {"\t\t<chip type=\"cpu\" name=\"Big\" clock=\"1234567890\"/>", "CPU", "Big 1234.57 Mhz"},
        {"\t\t<chip type=\"cpu\" name=\"Odd\" clock=\"fast\"/>", "CPU", "Odd 0.00 Mhz"},
        {"\t\t<chip type=\"cpu\" name=Z80 clock=\"1\"/>", "CPU", ""},
        {"\t\t<chip type=\"audio\" name=\"AY8910\" clock=\"1789772\"/>", "CPU", ""},
        {"\t\t<chip type=\"cpu\" name=\"", "CPU", ""},
        {"\t\t<video screen=\"raster\" width=\"256\"/>", "Resolution", "256x"},
        {"\t\t<video screen=\"vector\" height=\"256\"/>", "Resolution", ""},
        {"\t\t<video screen=\"vector\" height=\"256\"/>", "Type", "vector"},
        {"\t\t<video width=", "Resolution", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const GameTable t = parse({"\t<game name=\"g\">", c.line, "\t</game>"});
        EXPECT_EQ(cell(t, c.column, 1), c.expected);
    }
}

TEST(GameListParser, LastCpuWinsAndFieldsResetAfterEachGame) {
    const GameTable t = parse({
        "\t<game name=\"a\" cloneof=\"p\" romof=\"p\">",
        "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"4000000\"/>",
        "\t\t<chip type=\"cpu\" name=\"M6502\"/>",
        "\t\t<history>Category: Sports&#10;Recommended Games: b</history>",
        "\t\t<video screen=\"raster\" width=\"1\" height=\"2\"/>",
        "\t</game>",
        "\t<game name=\"b\">",
        "\t</game>",
    });
    EXPECT_EQ(cell(t, "CPU", 1), "M6502");
    EXPECT_EQ(rowCells(t, 2), (std::map<std::string, std::string>{{"ROM", "b"}, {"Played", "0"}}));
}

TEST(GameListParser, UnclosedGamesWriteNoRowAndOddLinesAreIgnored) {
    GameTable table;
    table.clearGameRows();
    std::vector<int> seen;
    GameListParser parser(table, [&](int n) { seen.push_back(n); });
    for (const char* line : {"", "\t", "\t<", "<game name=\"x\">", " \t<game name=\"y\">", "\t<game name=",
                             "\t<game name=\"ok\">", "\t</game>", "\t<game name=\"cut\">",
                             "\t\t<description>Half"})
        parser.parseLine(line);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(cell(table, "ROM", 1), "ok");
    EXPECT_TRUE(parser.inGame());
    EXPECT_EQ(parser.record().description, "Half");
}

TEST(ReplaceAll, ReplacedTextIsNotSearchedAgain) {
    struct Case {
        const char* text;
        const char* search;
        const char* replacement;
        const char* expected;
    };
    const Case cases[] = {
        {"aaa", "a", "aa", "aaaaaa"},
        {"&amp;amp;", "&amp;", "&", "&amp;"},
        {"x&#10;&#10;y", "&#10;", "\n", "x\n\ny"},
        {"none", "&", "+", "none"},
        {"", "a", "b", ""},
        {"abab", "ab", "", ""},
    };
    for (const Case& c : cases) {
        std::string buffer = c.text;
        ReplaceAll(buffer, c.search, c.replacement);
        EXPECT_EQ(buffer, c.expected) << c.text;
    }
}

TEST(ClockText, SinglePrecisionTwoDecimals) {
    EXPECT_EQ(ClockText(18432000), " 18.43 Mhz");
    EXPECT_EQ(ClockText(1789772), " 1.79 Mhz");
    EXPECT_EQ(ClockText(0), " 0.00 Mhz");
    EXPECT_EQ(ClockText(-4000000), " -4.00 Mhz");
}

TEST(CaptureReader, PiecesLikeATextModeRead) {
    TempDir dir;
    const std::string longLine(70000, 'x');
    const std::string exact(kCapturePieceLimit, 'y');
    const std::string justFits(kCapturePieceLimit - 1, 'z');
    const std::string path = dir.write(
        "cap.txt", std::string("one\r\ntwo\nbin\0ary\r\n\r\n", 20) + longLine + "\r\n" + exact + "\n" + justFits + "\r\nlone\rcr\nlast");
    const std::vector<std::string> got = pieces(path);
    const std::vector<std::string> expected = {
        "one", "two", std::string("bin\0ary", 7), "",
        std::string(29999, 'x'), std::string(29999, 'x'), std::string(70000 - 2 * 29999, 'x'),
        exact, "", // a line of exactly the limit leaves its line feed as an empty piece
        justFits, "lone\rcr", "last",
    };
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "piece " << i;
}

TEST(CaptureReader, CtrlZEndsTheTextAndEmptyOrMissingFiles) {
    TempDir dir;
    EXPECT_EQ(pieces(dir.write("z.txt", std::string("a\nb\x1a" "c\nd\n"))), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(pieces(dir.write("empty.txt", "")).empty());

    // Lines across the read block boundary come out whole.
    std::string big;
    for (int i = 0; i < 200000; ++i)
        big += "line " + std::to_string(i) + "\n";
    const std::vector<std::string> lines = pieces(dir.write("big.txt", big));
    ASSERT_EQ(lines.size(), 200000u);
    for (int i = 0; i < 200000; i += 7919)
        EXPECT_EQ(lines[i], "line " + std::to_string(i));

    CaptureReader reader;
    int error = 0;
    EXPECT_FALSE(reader.open(dir.folder() + "missing.txt", &error));
    EXPECT_EQ(error, ENOENT);
}
