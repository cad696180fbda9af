#include "logic/test_support.h"

#include "roms/statistics.h"
#include "roms/verification.h"
#include "settings/ini_file.h"
#include "table/game_table.h"
#include "table/table_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace zarn;
using namespace zarn::test;

namespace {

const int kStatus = ColumnIndex("Status");
const int kRom = ColumnIndex("ROM");

// Records what the verification asks of its progress window.
struct RecordingView : VerifyView {
    std::vector<std::string> calls;
    std::vector<int> positions;
    int maximum = 0;
    int progressUpdates = 0;
    bool shown = false;

    void begin() override { calls.push_back("begin"); shown = true; }
    void setStage(int stage) override { calls.push_back("stage " + std::to_string(stage)); }
    void setProgressMaximum(int m) override { maximum = m; }
    void setProgress(int p) override { positions.push_back(p); }
    void UpdateVerifyProgress(const std::string&) override { ++progressUpdates; }
    void suspendTableRepaint() override { calls.push_back("suspend"); }
    void resumeTableRepaint() override { calls.push_back("resume"); }
    void end() override { calls.push_back("end"); shown = false; }
};

struct VerifyFixture {
    TempDir dir;
    AppContext ctx = contextIn(dir);
    RecordingUi ui;
    RecordingView view;
    GameTable table;
    RomNameSet names;
    std::string exe;
    std::vector<CapturedRun> runs;

    VerifyFixture() {
        exe = dir.write("mame/mame", "#!/bin/sh\n");
        std::filesystem::permissions(exe, std::filesystem::perms::owner_all);
        std::filesystem::create_directories(dir.path() / "mame/roms");
    }
    std::string capturePath() const { return ctx.tempDir + kRomStatusCaptureName; }
    void archive(const std::string& name) { dir.write("mame/roms/" + name, "PK"); }
    void rows(const std::vector<std::string>& roms) {
        table.setRowCount(static_cast<int>(roms.size()) + 1);
        for (size_t i = 0; i < roms.size(); ++i)
            table.setCell(kRom, static_cast<int>(i) + 1, roms[i]);
    }
    // A stand-in for the MAME run: writes report into the capture file and ends with outcome.
    MameRunner runner(std::string report, RunOutcome outcome = RunOutcome::Finished, int perSecondCalls = 0) {
        return [this, report, outcome, perSecondCalls](const CapturedRun& run, const AppContext& c, Ui& u) {
            runs.push_back(run);
            u.appendConsoleLine("Calling " + run.executable + run.arguments);
            std::FILE* out = std::fopen((c.tempDir + run.captureFileName).c_str(), "wb");
            std::fwrite(report.data(), 1, report.size(), out);
            std::fclose(out);
            for (int i = 0; i < perSecondCalls; ++i)
                run.perSecond();
            return outcome;
        };
    }
    void verify(MameRunner run, int limit = kVerifyLimitSeconds) {
        VerifyOptions options;
        options.run = std::move(run);
        options.limitSeconds = limit;
        VerifyRoms(table, exe, names, ctx, ui, view, options);
    }
    std::string status(int row) const { return table.cell(kStatus, row); }
    bool consoleHas(const std::string& line) const {
        return std::find(ui.console.begin(), ui.console.end(), line) != ui.console.end();
    }
};

} // namespace

TEST(ReportSetName, TakesTheFirstWordAfterRomset) {
    const std::pair<const char*, const char*> cases[] = {
        {"romset abc is good\n", "abc"},
        {"romset \t abc\tis bad", "abc"},
        {"romset abc [parent] is bad\n", "abc"},
        {"romsetabc is good", "abc"},
        {"romset\n", ""},
        {"romset", ""},
        {" romset abc is good", ""},
        {"RomSet abc is good", ""},
        {"romset abc\r\n", "abc"},
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(ReportSetName(line), name) << line;
    const std::string longName(100, 'n');
    EXPECT_EQ(ReportSetName("romset " + longName + " is good"), longName);
}

TEST(VerdictFor, TestsThePhrasesInOrder) {
    const RomNameSet names = {"present.zip"};
    struct Case { const char* line; const char* name; int code; };
    const Case cases[] = {
        {"romset present is good", "present", 0},
        {"romset missing is good", "missing", 0},
        {"romset present is bad", "present", 1},
        {"romset missing is bad", "missing", 4},
        {"romset present is best available", "present", 3},
        {"romset present is bad, best available", "present", 1},
        {"romset present is good is bad", "present", 0},
        {"romset present not found", "present", 6},
        {"romset present", "present", 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerdictFor(c.line, c.name, names), c.code) << c.line;
}

TEST(VerifyRoms, TurnsEachReportLineIntoACodeAndACounter) {
    VerifyFixture f;
    for (const char* a : {"good1.zip", "bad1.zip", "best1.zip", "odd1.zip", "kept.zip", "twin.zip"})
        f.archive(a);
    f.rows({"good1", "bad1", "bad2", "best1", "odd1", "kept", "lost", "twin", "twin", ""});
    const std::string report =
        "romset good1 is good\n"
        "romset bad1 [parent] is bad\n"
        "romset bad2 is bad\n"
        "romset best1 is best available\n"
        "romset odd1 has an opinion of its own\n"
        "some other MAME output\n"
        "romset notintable is good\n"
        "romset GOOD1 is bad\n"
        "romset\n"
        "romset twin is bad\n";
    f.verify(f.runner(report));

    // Row by row: verdicts, then the rows the report does not name keep the first stage's code.
    const char* expected[] = {"", "0", "1", "4", "3", "6", "0", "4", "1", "0", "4"};
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(f.status(row), expected[row]) << row;
        EXPECT_EQ(f.table.icon(row), expected[row][0] - '0') << row;
    }

    const VerifyCounters expectedCounters{.total = 9, .good = 1, .notFound = 1, .notWorking = 2,
                                          .bestAvailable = 1, .unknown = 1};
    EXPECT_EQ(LoadStatistics(f.ctx), expectedCounters);

    ASSERT_EQ(f.runs.size(), 1u);
    EXPECT_EQ(f.runs[0].executable, f.exe);
    EXPECT_EQ(f.runs[0].arguments, " * -verifysets");
    EXPECT_EQ(f.runs[0].captureFileName, "zarn_romstatus.txt");
    EXPECT_EQ(f.runs[0].consoleTitle, "");
    EXPECT_EQ(f.runs[0].limitSeconds, 1000);
    EXPECT_EQ(f.view.maximum, 5000);

    // The console: the availability block, the run, every report line, the closing lines.
    const auto at = [&](const std::string& line) {
        return std::find(f.ui.console.begin(), f.ui.console.end(), line) - f.ui.console.begin();
    };
    const std::vector<std::string> tail = {
        "Starting Verification Information parsing", "VERIFY ROMS:", "romset good1 is good",
        "romset bad1 [parent] is bad", "romset bad2 is bad", "romset best1 is best available",
        "romset odd1 has an opinion of its own", "some other MAME output", "romset notintable is good",
        "romset GOOD1 is bad", "romset", "romset twin is bad", "Parsing of Verification data Completed",
        "Saving statistics information", "------------------", "Data saved to " + f.ctx.tableDataPath(),
    };
    ASSERT_GE(f.ui.console.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(f.ui.console.end() - static_cast<long>(tail.size()), f.ui.console.end()), tail);
    EXPECT_LT(at("The following romfiles were not found:"), at("Preparing for rom verification"));
    EXPECT_LT(at("Preparing for rom verification"), at("Calling " + f.exe + " * -verifysets"));

    EXPECT_EQ(f.view.calls, (std::vector<std::string>{"begin", "stage 1", "stage 2", "stage 3", "suspend",
                                                      "resume", "end"}));
    EXPECT_EQ(f.view.positions.front(), 0);
    EXPECT_EQ(f.view.positions.back(), 9);
    EXPECT_TRUE(std::is_sorted(f.view.positions.begin(), f.view.positions.end()));
    // Panel 0 is emptied, then the save reports itself there.
    ASSERT_GE(f.ui.status[0].size(), 2u);
    EXPECT_EQ(f.ui.status[0][f.ui.status[0].size() - 2], "");
    EXPECT_EQ(f.ui.status[0].front(), "Please wait");
    EXPECT_EQ(f.ui.cursors.front(), CursorKind::Busy);
    EXPECT_EQ(f.ui.cursors.back(), CursorKind::Normal);
    EXPECT_FALSE(std::filesystem::exists(f.capturePath()));
    EXPECT_TRUE(f.ui.messages.empty());
    // The table on disk has the verdicts.
    GameTable saved;
    LoadTableData(f.ctx.tableDataPath(), saved);
    EXPECT_EQ(saved.cell(kStatus, 3), "4");
    // The listing is left for the caller to empty.
    EXPECT_TRUE(f.names.contains("bad1.zip"));
}

TEST(VerifyRoms, StatisticsCountSetsMissingFromTheTableOnlyInTheTotal) {
    VerifyFixture f;
    f.archive("abc.zip");
    f.rows({"abc", "xyz"});
    f.verify(f.runner("romset abc is good\nromset xyz is bad\nromset other is good\n"));
    const std::vector<std::string> lines = StatisticsLines(LoadStatistics(f.ctx), f.table.rowCount());
    EXPECT_EQ(lines, (std::vector<std::string>{"Total Sets Supported in this version:2", "Total Sets Found:3",
                                               "Good Sets:1", "Missing Sets:1", "Not Working Sets:0",
                                               "Best Available:0", "Unknown Condition:0"}));
}

TEST(VerifyRoms, LongLinesArriveInPiecesOf1023) {
    VerifyFixture f;
    f.rows({"abc", "def"});
    // A piece boundary that starts the next piece with "romset" makes it a report line.
    const std::string report = std::string(1500, 'x') + "\n" + std::string(1023, 'y') + "romset abc is good\n" +
                               "romset " + std::string(2000, 'd') + " is good\n";
    f.verify(f.runner(report));
    EXPECT_TRUE(f.consoleHas(std::string(1023, 'x')));
    EXPECT_TRUE(f.consoleHas(std::string(477, 'x')));
    EXPECT_TRUE(f.consoleHas(std::string(1023, 'y')));
    EXPECT_EQ(f.status(1), "0");
    EXPECT_EQ(f.status(2), "4");
    EXPECT_EQ(LoadStatistics(f.ctx).total, 2);
}

TEST(VerifyRoms, GarbageInTheReportIsCopiedAndCountsNothing) {
    VerifyFixture f;
    f.rows({"abc"});
    const std::string garbage = std::string("\0\xff\x01", 3) + "romset abc is good\n" + std::string(1, '\0') + "romset abc is good";
    f.verify(f.runner(garbage + "\nromset abc is bad"));
    // The NUL bytes do not cut the line short and no NUL-led line counts as a set.
    EXPECT_EQ(LoadStatistics(f.ctx).total, 1);
    EXPECT_EQ(f.status(1), "4");
    EXPECT_TRUE(f.consoleHas("romset abc is bad"));
}

TEST(VerifyRoms, TimeOutReportsAndParsesThePartialReport) {
    VerifyFixture f;
    f.archive("abc.zip");
    f.rows({"abc", "def"});
    f.verify(f.runner("romset abc is bad\n", RunOutcome::TimedOut, 3), 3);
    EXPECT_EQ(f.runs[0].limitSeconds, 3);
    EXPECT_EQ(f.view.progressUpdates, 3);
    EXPECT_NE(std::find(f.ui.status[0].begin(), f.ui.status[0].end(),
                        "3 seconds timeout occured while executing \"" + f.exe + " * -verifysets\""),
              f.ui.status[0].end());
    EXPECT_TRUE(f.consoleHas("Timeout Occured"));
    EXPECT_EQ(f.status(1), "1");
    EXPECT_EQ(LoadStatistics(f.ctx), (VerifyCounters{.total = 1, .notWorking = 1}));
}

TEST(VerifyRoms, MissingCaptureStopsWithItsMessagesAndKeepsTheFirstStage) {
    VerifyFixture f;
    f.archive("abc.zip");
    f.rows({"abc", "def"});
    IniFile ini(f.ctx.settingsPath());
    ini.writeInteger("STATS", "s_total", 77);
    ini.save();
    f.verify([&](const CapturedRun&, const AppContext&, Ui&) { return RunOutcome::Finished; });
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{f.capturePath() + " doesn't exist - operation failed."});
    EXPECT_EQ(f.ui.console.back(), "Something went wrong, no disk space in temp dir?");
    EXPECT_EQ(f.view.calls.back(), "end");
    EXPECT_FALSE(f.view.shown);
    EXPECT_EQ(f.status(1), "0");
    EXPECT_EQ(f.status(2), "4");
    EXPECT_EQ(LoadStatistics(f.ctx).total, 77);
    EXPECT_EQ(f.ui.cursors.back(), CursorKind::Normal);
}

TEST(VerifyRoms, AStaleCaptureFromAnEarlierRunIsNotParsed) {
    VerifyFixture f;
    f.rows({"abc"});
    f.dir.write("temp/zarn_romstatus.txt", "romset abc is good\n");
    f.verify([&](const CapturedRun&, const AppContext&, Ui&) { return RunOutcome::Finished; });
    EXPECT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.status(1), "4");
}

TEST(VerifyRoms, UnreadableCaptureStopsWithTheSystemTextAndKeepsIt) {
    VerifyFixture f;
    f.rows({"abc"});
    f.verify([&](const CapturedRun& run, const AppContext& c, Ui&) {
        std::filesystem::create_directories(c.tempDir + run.captureFileName);
        return RunOutcome::Finished;
    });
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Is a directory"});
    EXPECT_EQ(f.ui.console.back(), "Starting Verification Information parsing");
    EXPECT_FALSE(f.view.shown);
    EXPECT_TRUE(std::filesystem::exists(f.capturePath()));
    EXPECT_FALSE(IniFile(f.ctx.settingsPath()).read("STATS", "s_total"));
}

TEST(VerifyRoms, MissingExecutableOnlySaysSo) {
    VerifyFixture f;
    f.exe = f.dir.folder() + "mame/nothere";
    f.verify(f.runner("romset abc is good\n"));
    EXPECT_EQ(f.ui.status[0], std::vector<std::string>{"Please select the mame executable (Settings->ZARN Paths)"});
    EXPECT_TRUE(f.runs.empty());
    EXPECT_TRUE(f.view.calls.empty());
    EXPECT_TRUE(f.ui.console.empty());
    // A folder is no executable either.
    f.exe = f.dir.folder() + "mame";
    f.verify(f.runner(""));
    EXPECT_TRUE(f.runs.empty());
}

TEST(VerifyRoms, AnExecutableThatCannotStartIsNamedInTheConsole) {
    VerifyFixture f;
    std::filesystem::permissions(f.exe, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    f.rows({"abc"});
    f.verify(f.runner(""));
    EXPECT_TRUE(f.consoleHas("MAME could not be started: " + f.exe));
    EXPECT_EQ(LoadStatistics(f.ctx), VerifyCounters{});
    EXPECT_TRUE(std::filesystem::exists(f.ctx.tableDataPath()));
}

TEST(VerifyRoms, AnUnwritableSettingsFileStillSavesTheTable) {
    VerifyFixture f;
    f.rows({"abc"});
    // A folder where the settings file should be makes its save fail.
    std::filesystem::create_directories(f.ctx.settingsPath());
    f.verify(f.runner("romset abc is good\n"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "Unable to write to " + f.ctx.settingsPath());
    EXPECT_FALSE(f.view.shown);
    GameTable saved;
    LoadTableData(f.ctx.tableDataPath(), saved);
    EXPECT_EQ(saved.cell(kStatus, 1), "0");
}

TEST(ReadCaptureProgress, CountsLineFeedsInTheFirstMillionBytes) {
    TempDir dir;
    const CaptureProgress missing = ReadCaptureProgress(dir.folder() + "none.txt");
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.errorText, "No such file or directory");

    const CaptureProgress empty = ReadCaptureProgress(dir.write("empty.txt", ""));
    EXPECT_TRUE(empty.opened);
    EXPECT_EQ(empty.bytesRead, 0u);

    const CaptureProgress three = ReadCaptureProgress(dir.write("three.txt", "a\nb\n\nc"));
    EXPECT_EQ(three.lineFeeds, 3);
    EXPECT_EQ(three.bytesRead, 6u);

    std::string big(999999, 'x');
    big += "\n\n\n";
    const CaptureProgress capped = ReadCaptureProgress(dir.write("big.txt", big));
    EXPECT_EQ(capped.bytesRead, 1000000u);
    EXPECT_EQ(capped.lineFeeds, 1);
}
