#include "emulator/game_launch.h"

#include "logic/test_support.h"
#include "table/game_table.h"
#include "table/table_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace zarn;
using zarn::test::RecordingUi;
using zarn::test::TempDir;

TEST(NextPlayedCount, CountsFromTheLeadingNumber) {
    const struct {
        const char* cell;
        const char* next;
    } cases[] = {
        {"", "1"},     {"7", "8"},     {" 12abc", "13"}, {"\t3", "4"},
        {"+4", "5"},   {"-3", "-2"},   {"abc", "1"},     {" ", "1"},
        {"0", "1"},    {"99999999999999999999999", "9223372036854775807"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextPlayedCount(c.cell), c.next) << "[" << c.cell << "]";
}

namespace {

// Environment for the stand-in MAME, removed again when the test ends.
class FakeEnv {
public:
    void set(const char* name, const std::string& value) {
        ::setenv(name, value.c_str(), 1);
        names_.push_back(name);
    }
    ~FakeEnv() {
        for (const char* name : names_)
            ::unsetenv(name);
    }

private:
    std::vector<const char*> names_;
};

class GameLaunchTest : public ::testing::Test {
protected:
    GameLaunchTest() : ctx(zarn::test::contextIn(dir)) {
        table.setRowCount(3);
        table.writeHeaders();
        table.setCell(ColumnIndex("ROM"), 1, "pacman");
        table.setCell(ColumnIndex("ROM"), 2, "galaga");
        table.setCell(ColumnIndex("Played"), 2, "7");
    }
    ~GameLaunchTest() override {
        // Nothing may outlive the test.
        if (monitor.active()) {
            std::string error;
            monitor.terminate(&error);
            monitor.stillRunning(5000);
            monitor.release();
        }
    }

    LaunchRequest request(int row, const std::string& mame = zarn::test::fakeMamePath()) {
        LaunchRequest r;
        r.row = row;
        r.mamePath = mame;
        r.optionArgs = [this] { return optionArgs; };
        r.saveTable = [this] {
            ++saves;
            SaveTableData(table, ctx, ui);
        };
        return r;
    }

    // Ticks until the game is seen ended; false when it still runs after about five seconds.
    bool tickUntilEnded() {
        for (int i = 0; i < 50; ++i) {
            if (!MonitorTick(monitor, ctx, ui, [this] { ++stops; }))
                return true;
        }
        return false;
    }

    std::vector<std::string> argsSeen() const {
        std::vector<std::string> args;
        std::ifstream in(argsFile);
        for (std::string line; std::getline(in, line);)
            args.push_back(line);
        return args;
    }

    TempDir dir;
    AppContext ctx;
    GameTable table;
    GameMonitor monitor;
    RecordingUi ui;
    FakeEnv env;
    std::string optionArgs;
    std::string argsFile = dir.folder() + "args.txt";
    int saves = 0;
    int stops = 0;
};

} // namespace

TEST_F(GameLaunchTest, AGameThatExitsAtOnceIsWatchedToItsEnd) {
    env.set("FAKE_MAME_GAME_ARGS", argsFile);
    env.set("FAKE_MAME_GAME_STDOUT", "pacman: loading\r\nrunning\n");
    env.set("FAKE_MAME_GAME_STDERR", "warning: no sound\n");

    ASSERT_EQ(LaunchGame(table, request(1), monitor, ctx, ui), LaunchOutcome::Started);
    EXPECT_TRUE(monitor.active());
    EXPECT_EQ(table.cell(ColumnIndex("Played"), 1), "1");
    EXPECT_EQ(saves, 0); // autosave off
    ASSERT_EQ(ui.console.size(), 1u);
    EXPECT_EQ(ui.console[0], "Calling \"" + zarn::test::fakeMamePath() + " pacman -v \"");
    EXPECT_EQ(ui.lastStatus(0), kStartingText);
    EXPECT_EQ(ui.cursors.back(), CursorKind::Busy);
    // MAME runs in its own folder, which stays the current one.
    EXPECT_EQ(std::filesystem::current_path(),
              std::filesystem::path(zarn::test::fakeMamePath()).parent_path());

    ASSERT_TRUE(tickUntilEnded());
    EXPECT_FALSE(monitor.active());
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(ui.lastStatus(1), kNotRunningText);
    EXPECT_EQ(ui.cursors.back(), CursorKind::Normal);
    const std::vector<std::string> expected = {ui.console[0], "pacman: loading", "running",
                                               "warning: no sound", kLogEndLine};
    EXPECT_EQ(ui.console, expected);
    EXPECT_FALSE(std::filesystem::exists(ctx.tempDir + kMameLogName));
    EXPECT_EQ(argsSeen(), (std::vector<std::string>{"pacman", "-v"}));
}

TEST_F(GameLaunchTest, TheCommandLineIsSplitAtBlanksWithQuotesGrouping) {
    env.set("FAKE_MAME_GAME_ARGS", argsFile);
    optionArgs = " -rompath \"/my roms\"  -snapshot_directory /my snaps  -ctrlr hotrod -nosteadykey ";
    ASSERT_EQ(LaunchGame(table, request(2), monitor, ctx, ui), LaunchOutcome::Started);
    ASSERT_TRUE(tickUntilEnded());
    EXPECT_EQ(argsSeen(), (std::vector<std::string>{"galaga", "-v", "-rompath", "/my roms", "-snapshot_directory",
                                                    "/my", "snaps", "-ctrlr", "hotrod", "-nosteadykey"}));
    EXPECT_EQ(table.cell(ColumnIndex("Played"), 2), "8");
}

TEST_F(GameLaunchTest, ASecondStartIsRefusedWhileOneRunsAndKillEndsIt) {
    env.set("FAKE_MAME_GAME_HANG", "30");
    env.set("FAKE_MAME_GAME_STDOUT", "started\n");
    ASSERT_EQ(LaunchGame(table, request(1), monitor, ctx, ui), LaunchOutcome::Started);

    // Within the first second, before any tick.
    EXPECT_EQ(LaunchGame(table, request(2), monitor, ctx, ui), LaunchOutcome::Refused);
    EXPECT_EQ(ui.console.back(), kRefusalLine);
    EXPECT_EQ(table.cell(ColumnIndex("Played"), 2), "7");

    EXPECT_TRUE(MonitorTick(monitor, ctx, ui, [this] { ++stops; }));
    EXPECT_EQ(ui.lastStatus(1), kRunningText);
    EXPECT_EQ(ui.lastStatus(0), "");
    EXPECT_EQ(ui.cursors.back(), CursorKind::AppStarting);
    EXPECT_EQ(LaunchGame(table, request(1), monitor, ctx, ui), LaunchOutcome::Refused);
    EXPECT_EQ(table.cell(ColumnIndex("Played"), 1), "1");

    ui.setStatus(0, "something");
    KillGame(monitor, zarn::test::fakeMamePath(), ui);
    EXPECT_EQ(ui.lastStatus(0), "");
    EXPECT_EQ(ui.cursors.back(), CursorKind::Normal);
    // Kill changes no state by itself; the next tick sees the end.
    EXPECT_TRUE(monitor.active());
    ASSERT_TRUE(tickUntilEnded());
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(ui.console.back(), kLogEndLine);
    EXPECT_EQ(ui.console[ui.console.size() - 2], "started");
}

TEST_F(GameLaunchTest, AFailedStartReportsTheSystemTextAndKeepsTheSavedCount) {
    LaunchRequest r = request(2, dir.folder() + "no such/mame");
    r.autosave = true;
    EXPECT_EQ(LaunchGame(table, r, monitor, ctx, ui), LaunchOutcome::Failed);
    EXPECT_FALSE(monitor.active());
    // Split at the blank, the program is the folder's first part, which does not exist.
    EXPECT_EQ(ui.lastStatus(0), "No such file or directory(" + dir.folder() + "no such/mame)");
    EXPECT_EQ(ui.cursors.back(), CursorKind::Normal);
    EXPECT_EQ(saves, 1);
    GameTable saved;
    LoadTableData(ctx.tableDataPath(), saved);
    EXPECT_EQ(saved.cell(ColumnIndex("Played"), 2), "8");

    // A file that cannot be run.
    EXPECT_EQ(LaunchGame(table, request(1, dir.write("mame", "not a program")), monitor, ctx, ui),
              LaunchOutcome::Failed);
    EXPECT_EQ(ui.lastStatus(0), "Permission denied(" + dir.folder() + "mame)");
    EXPECT_EQ(table.cell(ColumnIndex("Played"), 1), "1");
}

TEST_F(GameLaunchTest, NoMamePathFailsInsteadOfRunningTheGameName) {
    table.setCell(ColumnIndex("ROM"), 1, "true"); // a program of that name exists on the path
    EXPECT_EQ(LaunchGame(table, request(1, ""), monitor, ctx, ui), LaunchOutcome::Failed);
    EXPECT_EQ(ui.lastStatus(0), "No such file or directory()");
    EXPECT_EQ(ui.console.back(), "Calling \" true -v \"");
    EXPECT_FALSE(monitor.active());
}

TEST_F(GameLaunchTest, AnEmptyRomCellStillStartsMame) {
    env.set("FAKE_MAME_GAME_ARGS", argsFile);
    table.setCell(ColumnIndex("ROM"), 1, "");
    ASSERT_EQ(LaunchGame(table, request(1), monitor, ctx, ui), LaunchOutcome::Started);
    EXPECT_EQ(ui.console[0], "Calling \"" + zarn::test::fakeMamePath() + "  -v \"");
    ASSERT_TRUE(tickUntilEnded());
    EXPECT_EQ(argsSeen(), (std::vector<std::string>{"-v"}));
}

TEST_F(GameLaunchTest, TheLogIsMadeAnewForEachStart) {
    dir.write("temp/zarn_msglog.txt", "old run\n");
    env.set("FAKE_MAME_GAME_STDOUT", "new run\n");
    ASSERT_EQ(LaunchGame(table, request(1), monitor, ctx, ui), LaunchOutcome::Started);
    ASSERT_TRUE(tickUntilEnded());
    EXPECT_EQ(ui.console, (std::vector<std::string>{ui.console[0], "new run", kLogEndLine}));
}

TEST_F(GameLaunchTest, KillWithNoGameTerminatesNothing) {
    ui.setStatus(0, "Data saved to x");
    KillGame(monitor, "/usr/games/mame", ui);
    EXPECT_EQ(ui.lastStatus(0), "");
    EXPECT_EQ(ui.cursors, (std::vector<CursorKind>{CursorKind::Normal}));
    EXPECT_TRUE(ui.console.empty());
    EXPECT_FALSE(monitor.active());
}

TEST(ReadMameLog, LinesEndAtCrLfOrBoth) {
    TempDir dir;
    const AppContext ctx = zarn::test::contextIn(dir);
    RecordingUi ui;
    dir.write("temp/zarn_msglog.txt", std::string("a\rb\nc\r\n\r\nd\0e", 12));
    ReadMameLog(ctx, ui);
    EXPECT_EQ(ui.console, (std::vector<std::string>{"a", "b", "c", "", std::string("d\0e", 3), kLogEndLine}));
    EXPECT_FALSE(std::filesystem::exists(ctx.tempDir + kMameLogName));

    dir.write("temp/zarn_msglog.txt", "");
    ReadMameLog(ctx, ui);
    EXPECT_EQ(ui.console.back(), kLogEndLine);
    EXPECT_EQ(ui.console.size(), 7u);
}

TEST(ReadMameLog, AMissingLogIsShownInABoxAndTheConsoleGetsNothing) {
    TempDir dir;
    const AppContext ctx = zarn::test::contextIn(dir);
    RecordingUi ui;
    ReadMameLog(ctx, ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{ctx.tempDir + "zarn_msglog.txtNo such file or directory"}));
    EXPECT_TRUE(ui.console.empty());
}

TEST(GameMonitor, ARunningGameOutlivesItsMonitor) {
    TempDir dir;
    const AppContext ctx = zarn::test::contextIn(dir);
    ::setenv("FAKE_MAME_GAME_HANG", "30", 1);
    long long pid = 0;
    {
        GameMonitor monitor;
        std::string error;
        ASSERT_TRUE(monitor.start(zarn::test::fakeMamePath() + " pacman -v ", ctx.tempDir + "log.txt", &error))
            << error;
        pid = monitor.processId();
    }
    ::unsetenv("FAKE_MAME_GAME_HANG");
    // Still there after the monitor is gone, as a game is after the program ends.
    EXPECT_EQ(::kill(static_cast<pid_t>(pid), 0), 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}
