#include "logic/test_support.h"
#include "media/history_dat.h"
#include "table/game_table.h"

#include <gtest/gtest.h>

#include <random>

using namespace zarn;
using zarn::test::RecordingUi;
using zarn::test::TempDir;
using zarn::test::tableWithRoms;

namespace {

const int kRom = ColumnIndex("ROM");
const int kBio = ColumnIndex("Bio");


// Lines joined with the given line end.
std::string file(std::initializer_list<const char*> lines, const std::string& end = "\n") {
    std::string out;
    for (const char* line : lines)
        out += std::string(line) + end;
    return out;
}

const std::string kStars(37, '*');

// How the header of an entry whose text starts with an empty line ends up.
std::string shownHeader(const std::string& name) {
    return " \n" + kStars + " \nhistory.dat info for rom [" + name + "]:\n \n";
}

} // namespace

TEST(HistoryDat, WorkedExampleGivesTheSameBytesWithEitherLineEnd) {
    const std::string expected = " \n" + kStars + " \nhistory.dat info for rom [abc]:\n \nAlpha. \n" +
                                 "Beta lin \nGamma line\n";
    for (const std::string end : {"\r\n", "\n"}) {
        SCOPED_TRACE(end == "\n" ? "LF" : "CR LF");
        TempDir dir;
        const std::string path = dir.write(
            "history.dat", file({"$info=abc,abcd,", "$bio", "", "Alpha.", "", "Beta line",
                                 "Gamma line", "", "$end"},
                                end));
        GameTable t = tableWithRoms({"abcd", "x", "abc"});
        RecordingUi ui;
        EXPECT_TRUE(ParseHistoryDat(t, path, ui));
        EXPECT_EQ(t.cell(kBio, 1), expected);
        EXPECT_EQ(t.cell(kBio, 3), expected);
        EXPECT_EQ(t.cell(kBio, 2), "");
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(HistoryDat, EntriesChangeOnlyTheirFirstMatchingRows) {
    TempDir dir;
    const std::string path = dir.write(
        "history.dat",
        file({"## a comment line outside any entry", "$info=dup,missing,", "$bio", "", "Dup text.",
              "$end", "", "$info=nobio,", "$end", "$info=,,lead", "$bio", "Lead.", "$end"}));
    GameTable t = tableWithRoms({"keep", "dup", "dup", "nobio", "lead", ""});
    t.setCell(kBio, 1, "old text");
    t.setCell(kBio, 3, "lower dup");
    t.setCell(kBio, 4, "to be emptied");
    t.setCell(kBio, 6, "empty ROM keeps this");
    RecordingUi ui;
    ASSERT_TRUE(ParseHistoryDat(t, path, ui));

    EXPECT_EQ(t.cell(kBio, 1), "old text");             // not in the file
    EXPECT_EQ(t.cell(kBio, 2), shownHeader("dup") + "Dup text."); // upper row only
    EXPECT_EQ(t.cell(kBio, 3), "lower dup");
    EXPECT_EQ(t.cell(kBio, 4), "");                     // "$info" and "$end" without "$bio"
    EXPECT_NE(t.cell(kBio, 5).find("rom [lead]:"), std::string::npos); // leading commas skipped
    EXPECT_EQ(t.cell(kBio, 6), "empty ROM keeps this"); // the empty last name matches nothing
}

TEST(HistoryDat, MissingFileOrFolderIsReportedAndChangesNothing) {
    TempDir dir;
    struct Case {
        std::string path;
        std::string error;
    };
    const Case cases[] = {
        {dir.folder() + "no_such.dat", "No such file or directory"},
        {dir.folder(), "Is a directory"},
    };
    for (const Case& c : cases) {
        GameTable t = tableWithRoms({"abc"});
        t.setCell(kBio, 1, "kept");
        RecordingUi ui;
        EXPECT_FALSE(ParseHistoryDat(t, c.path, ui));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], c.path + " " + c.error);
        EXPECT_EQ(t.cell(kBio, 1), "kept");
    }
}

TEST(HistoryDat, UnusualEntryEnds) {
    struct Case {
        const char* name;
        std::string data;
        std::string abc; // Bio of row "abc" afterwards
        std::string xyz; // Bio of row "xyz" afterwards
    };
    const std::string abcHeader = shownHeader("abc");
    const std::string xyzHeader = shownHeader("xyz");
    const Case cases[] = {
        // The next "$info" ends the text, so the entry is not stored for its own names, and
        // its text does not leak into the next entry.
        {"no $end", file({"$info=abc", "$bio", "A text.", "$info=xyz", "$end"}), "old", ""},
        {"no $end, next has text", file({"$info=abc", "$bio", "A.", "$info=xyz", "$bio", "", "X.", "$end"}),
         "old", xyzHeader + "X."},
        // The file ending inside an entry ends the entry there.
        {"end of file in text", file({"$info=abc", "$bio", "", "Last words."}), abcHeader + "Last words.", "old"},
        {"closing line without line feed", file({"$info=abc", "$bio", "", "Text."}) + "$end",
         abcHeader + "Text.", "old"},
        // Ctrl-Z ends the file: nothing after it is read.
        {"ctrl-z", file({"$info=abc", "$bio", "", "Before.", "$end"}) + "\x1a" +
                       file({"$info=xyz", "$bio", "After.", "$end"}),
         abcHeader + "Before.", "old"},
        // A closing line with more than "$end" still loses six characters from the end.
        {"$end inside a line", file({"$info=abc", "$bio", "", "One.", "text $end here"}),
         abcHeader + "One \ntext $end", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.write("history.dat", c.data);
        GameTable t = tableWithRoms({"abc", "xyz"});
        t.setCell(kBio, 1, "old");
        t.setCell(kBio, 2, "old");
        RecordingUi ui;
        ASSERT_TRUE(ParseHistoryDat(t, path, ui));
        EXPECT_EQ(t.cell(kBio, 1), c.abc);
        EXPECT_EQ(t.cell(kBio, 2), c.xyz);
    }
}

TEST(HistoryDat, ManyAndLongNamesAreAllMatchedWhole) {
    std::string names;
    GameTable t;
    t.writeHeaders();
    t.setRowCount(26);
    for (int i = 1; i <= 25; ++i) {
        const std::string name = "set" + std::to_string(i);
        names += name + ",";
        t.setCell(kRom, i, name);
    }
    const std::string longName = "a_name_of_thirty_characters_x";
    t.setRowCount(28);
    t.setCell(kRom, 26, longName);
    t.setCell(kRom, 27, longName.substr(0, 19)); // a cut name must not match
    names += longName;
    TempDir dir;
    const std::string path = dir.write("history.dat", "$info=" + names + "\n$bio\nText.\n$end\n");
    RecordingUi ui;
    ASSERT_TRUE(ParseHistoryDat(t, path, ui));
    for (int i = 1; i <= 26; ++i)
        EXPECT_NE(t.cell(kBio, i).find("Text"), std::string::npos) << t.cell(kRom, i);
    EXPECT_EQ(t.cell(kBio, 27), "");
}

TEST(HistoryDat, ProgressIsShownEveryFiftyEntries) {
    std::string data;
    for (int i = 0; i < 120; ++i)
        data += "$info=g" + std::to_string(i) + ",\n$bio\ntext\n$end\n";
    TempDir dir;
    const std::string path = dir.write("history.dat", data);
    GameTable t = tableWithRoms({"g0", "g119"});
    RecordingUi ui;
    ASSERT_TRUE(ParseHistoryDat(t, path, ui));
    const std::vector<std::string> expected = {"Entries in history.dat: 0", "Entries in history.dat: 50",
                                               "Entries in history.dat: 100"};
    EXPECT_EQ(ui.status[0], expected);
    EXPECT_GE(ui.eventPumps, 3);
    EXPECT_NE(t.cell(kBio, 2).find("rom [g119]"), std::string::npos);
}

TEST(HistoryDat, GarbageAndHugeLinesNeverBreakTheImport) {
    std::mt19937 random(7);
    std::string garbage(200000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() % 256);
        if (c == 26) // Ctrl-Z would end the file here
            c = 'z';
    }
    // A text line of several megabytes, then an entry that must still be found.
    const std::string huge(3 * 1024 * 1024, 'h');
    const std::string data = garbage + "\n$info=abc\n$bio\n\n" + huge + "\n$end\n" +
                             "$info=" + std::string(100000, ',') + "xyz\n$bio\n\nSmall.\n$end\n" + garbage;
    TempDir dir;
    const std::string path = dir.write("history.dat", data);
    GameTable t = tableWithRoms({"abc", "xyz"});
    RecordingUi ui;
    ASSERT_TRUE(ParseHistoryDat(t, path, ui));
    EXPECT_TRUE(t.cell(kBio, 1).ends_with(":\n \n" + huge));
    EXPECT_TRUE(t.cell(kBio, 2).ends_with("Small."));
}

TEST(HistoryDat, LineBreakTransform) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"", ""},
        {"\n", "\n"},
        {"ab\n\ncd", "ab \ncd"},          // an empty line between paragraphs disappears
        {"ab\n\n\ncd", "ab\n \ncd"},      // two empty lines become one holding a blank
        {"ab\ncd\n", "a \ncd\n"},         // a line followed directly by another loses its last character
        {"x\n", "x\n"},                   // the last line feed is never looked at
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        HistoryLineBreaks(text);
        EXPECT_EQ(text, c.out) << "input: " << c.in;
    }
}
