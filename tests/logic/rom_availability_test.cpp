#include "logic/test_support.h"

#include "roms/rom_availability.h"
#include "table/game_table.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using namespace zarn::test;

namespace {

const int kStatus = ColumnIndex("Status");
const int kRom = ColumnIndex("ROM");
const int kSize = ColumnIndex("RomSize");

// A MAME folder with a roms folder, and a table whose rows name the given ROMs.
struct RomFixture {
    TempDir dir;
    AppContext ctx = contextIn(dir);
    RecordingUi ui;
    GameTable table;
    std::string exe;

    RomFixture() {
        exe = dir.write("mame dir/mame", "#!/bin/sh\n");
        std::filesystem::create_directories(dir.path() / "mame dir/roms");
    }
    void archive(const std::string& name, size_t bytes) { dir.write("mame dir/roms/" + name, std::string(bytes, 'z')); }
    void rows(const std::vector<std::string>& roms) {
        table.setRowCount(static_cast<int>(roms.size()) + 1);
        for (size_t i = 0; i < roms.size(); ++i)
            table.setCell(kRom, static_cast<int>(i) + 1, roms[i]);
    }
};

} // namespace

TEST(RomSizeText, KilobytesOfAThousandWithTwoDecimals) {
    const std::pair<long long, const char*> cases[] = {
        {2048, "2.05Kb"}, {0, "0.00Kb"}, {1000, "1.00Kb"}, {5, "0.01Kb"},
        // Archives past 2 GB must not wrap into negative sizes.
        {3000000000LL, "3000000.00Kb"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(RomSizeText(bytes), text) << bytes;
}

TEST(RomFolder, IsRomsBesideTheExecutable) {
    EXPECT_EQ(RomFolderOf("/usr/games/mame"), "/usr/games/roms");
    EXPECT_EQ(RomFolderOf("/opt/my mame/mame"), "/opt/my mame/roms");
    EXPECT_EQ(RomFolderOf("mame"), "roms");
}

TEST(CheckRomAvailability, GivesEveryRowZeroOrFourAndListsTheMissing) {
    RomFixture f;
    f.archive("abc.zip", 2048);
    f.archive("ABC2.ZIP", 10);  // the row is abc2: case differs, not found
    f.archive("readme.txt", 3);
    std::filesystem::create_directories(f.dir.path() / "mame dir/roms/dirset.zip");
    f.rows({"abc", "abc2", "gone", "dirset", "verified", ""});
    f.table.setCell(kSize, 3, "9.99Kb");    // gone: sized by an earlier check
    f.table.setCell(kSize, 4, "old");       // dirset: a folder has no size to read
    f.table.setCell(kStatus, 5, "1");       // verified: an earlier verification's result
    f.table.setIcon(5, 1);
    f.archive("verified.zip", 1);

    RomNameSet names;
    ASSERT_TRUE(CheckRomAvailability(f.table, f.exe, names, f.ctx, f.ui));

    struct Expect { int row; const char* status; const char* size; };
    for (const Expect& e : {Expect{1, "0", "2.05Kb"}, Expect{2, "4", ""}, Expect{3, "4", "9.99Kb"},
                            Expect{4, "0", "old"}, Expect{5, "0", "0.00Kb"}, Expect{6, "4", ""}}) {
        EXPECT_EQ(f.table.cell(kStatus, e.row), e.status) << e.row;
        EXPECT_EQ(f.table.icon(e.row), e.status[0] - '0') << e.row;
        EXPECT_EQ(f.table.cell(kSize, e.row), e.size) << e.row;
    }

    const std::vector<std::string> expectedConsole = {
        "--------------------",
        "The following romfiles were not found:",
        "abc2.zip",
        "gone.zip",
        ".zip",
        "Some of theese games may still reside in other zips, you should run a full verify to get more info.",
        "--------------------",
        "Data saved to " + f.ctx.tableDataPath(),
    };
    EXPECT_EQ(f.ui.console, expectedConsole);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(f.ctx.tableDataPath()));

    // Every entry goes in unfiltered, the folder's own two included.
    const RomNameSet expectedNames = {".", "..", "ABC2.ZIP", "abc.zip", "dirset.zip", "readme.txt", "verified.zip"};
    EXPECT_EQ(names, expectedNames);
}

TEST(CheckRomAvailability, MissingRomFolderGivesOneMessageAndChangesNothing) {
    RomFixture f;
    std::filesystem::remove_all(f.dir.path() / "mame dir/roms");
    f.rows({"abc"});
    f.table.setCell(kStatus, 1, "1");
    f.table.setIcon(1, 1);
    const GameTable before = f.table;

    RomNameSet names;
    EXPECT_FALSE(CheckRomAvailability(f.table, f.exe, names, f.ctx, f.ui));
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"No such file or directory"});
    EXPECT_TRUE(f.ui.console.empty());
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(std::filesystem::exists(f.ctx.tableDataPath()));
    EXPECT_EQ(f.table.cell(kStatus, 1), before.cell(kStatus, 1));
    EXPECT_EQ(f.table.icon(1), 1);
}

TEST(CheckRomAvailability, RomsThatIsAFileIsReportedWithTheSystemText) {
    RomFixture f;
    std::filesystem::remove_all(f.dir.path() / "mame dir/roms");
    f.dir.write("mame dir/roms", "not a folder");
    RomNameSet names;
    EXPECT_FALSE(CheckRomAvailability(f.table, f.exe, names, f.ctx, f.ui));
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Not a directory"});
    EXPECT_TRUE(f.ui.console.empty());
}
