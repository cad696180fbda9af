#include "logic/test_support.h"
#include "mame/run_captured.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace zarn;
using zarn::test::TempDir;

namespace {

// Sets environment variables for the stand-in MAME and removes them again.
class Env {
public:
    void set(const char* name, const std::string& value) {
        names_.push_back(name);
        ::setenv(name, value.c_str(), 1);
    }
    ~Env() {
        for (const char* name : names_)
            ::unsetenv(name);
    }

private:
    std::vector<const char*> names_;
};

class RunCapturedTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // QProcess wants an application object for its notifiers.
        static int argc = 1;
        static char name[] = "run_captured_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    // A copy of the stand-in MAME in a folder whose name has a blank.
    std::string installMame() {
        const std::filesystem::path folder = dir.path() / "my mame";
        std::filesystem::create_directories(folder);
        const std::filesystem::path exe = folder / "mame";
        std::filesystem::copy_file(test::fakeMamePath(), exe);
        return exe.string();
    }

    CapturedRun listRun(const std::string& executable, int limit) {
        CapturedRun run;
        run.executable = executable;
        run.arguments = " -sortname -listxml";
        run.captureFileName = "zarn_gamelist.txt";
        run.consoleTitle = "MAME";
        run.limitSeconds = limit;
        return run;
    }

    TempDir dir;
    AppContext ctx = test::contextIn(dir);
    test::RecordingUi ui;
    Env env;
};

bool processExists(const std::string& pidFile) {
    std::ifstream in(pidFile);
    int pid = 0;
    in >> pid;
    if (pid <= 0)
        return false;
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

TEST_F(RunCapturedTest, QuickRunCapturesOutputInMamesFolder) {
    const std::string mame = installMame();
    env.set("FAKE_MAME_LISTXML_GAMES", "2");
    env.set("FAKE_MAME_LOG", dir.folder() + "log.txt");
    int perSecond = 0;
    CapturedRun run = listRun(mame, 55);
    run.perSecond = [&] { ++perSecond; };

    EXPECT_EQ(RunCaptured(run, ctx, ui), RunOutcome::Finished);
    EXPECT_EQ(CapturePath(run, ctx), ctx.tempDir + "zarn_gamelist.txt");
    const std::string captured = dir.read("temp/zarn_gamelist.txt");
    EXPECT_NE(captured.find("\t<game name=\"g00002\""), std::string::npos);
    EXPECT_NE(captured.find("</mame>"), std::string::npos);
    // The console shows the path as typed, unquoted; the child got two plain words.
    EXPECT_EQ(ui.console, std::vector<std::string>{"Calling " + mame + " -sortname -listxml"});
    const std::string folder = (dir.path() / "my mame").string();
    EXPECT_EQ(dir.read("log.txt"), "-sortname -listxml\ncwd " + folder + "\n");
    EXPECT_EQ(QDir::currentPath().toStdString(), folder);
    EXPECT_EQ(ui.cursors, (std::vector<CursorKind>{CursorKind::Busy, CursorKind::Normal}));
    // Ended within the first second: one wait, nothing else.
    EXPECT_EQ(ui.eventPumps, 0);
    EXPECT_EQ(perSecond, 0);
}

TEST_F(RunCapturedTest, PerSecondActionFollowsOnlyWaitsThatRanOut) {
    env.set("FAKE_MAME_HANG_SECONDS", "2");
    int perSecond = 0;
    int pumpsAtAction = -1;
    CapturedRun run = listRun(test::fakeMamePath(), 10);
    run.perSecond = [&] {
        ++perSecond;
        pumpsAtAction = ui.eventPumps;
    };
    EXPECT_EQ(RunCaptured(run, ctx, ui), RunOutcome::Finished);
    // Two seconds of life: one or two waits ran out (depending on start-up time), each followed by
    // the action and then event processing; the wait that saw the end is followed by neither.
    EXPECT_GE(perSecond, 1);
    EXPECT_LE(perSecond, 2);
    EXPECT_EQ(ui.eventPumps, perSecond);
    EXPECT_EQ(pumpsAtAction, perSecond - 1);
}

TEST_F(RunCapturedTest, LimitKillsTheProcessAndKeepsWhatWasCaptured) {
    env.set("FAKE_MAME_HANG_SECONDS", "60");
    env.set("FAKE_MAME_LISTXML_GAMES", "1");
    env.set("FAKE_MAME_PID_FILE", dir.folder() + "pid");
    int perSecond = 0;
    CapturedRun run = listRun(test::fakeMamePath(), 2);
    run.perSecond = [&] { ++perSecond; };

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunCaptured(run, ctx, ui), RunOutcome::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(perSecond, 2);
    EXPECT_EQ(ui.eventPumps, 2);
    EXPECT_FALSE(processExists(dir.folder() + "pid"));
    EXPECT_NE(dir.read("temp/zarn_gamelist.txt").find("g00001"), std::string::npos);
    EXPECT_EQ(ui.cursors.back(), CursorKind::Normal);
}

TEST_F(RunCapturedTest, ProgramThatCannotStartFinishesAtOnceWithAnEmptyCapture) {
    const std::string notExecutable = dir.write("mame/mame", "#!/bin/sh\necho hi\n");
    dir.write("temp/zarn_gamelist.txt", "stale output of an earlier run");
    int perSecond = 0;
    CapturedRun run = listRun(notExecutable, 55);
    run.perSecond = [&] { ++perSecond; };

    EXPECT_EQ(RunCaptured(run, ctx, ui), RunOutcome::Finished);
    EXPECT_TRUE(std::filesystem::exists(ctx.tempDir + "zarn_gamelist.txt"));
    EXPECT_EQ(dir.read("temp/zarn_gamelist.txt"), "");
    EXPECT_EQ(ui.console, std::vector<std::string>{"Calling " + notExecutable + " -sortname -listxml"});
    EXPECT_EQ(perSecond, 0);
    EXPECT_EQ(ui.cursors.back(), CursorKind::Normal);
}

TEST_F(RunCapturedTest, NoShellSeesTheArguments) {
    env.set("FAKE_MAME_LOG", dir.folder() + "log.txt");
    CapturedRun run = listRun(test::fakeMamePath(), 5);
    run.arguments = "  *  $HOME;true -listxml";
    EXPECT_EQ(RunCaptured(run, ctx, ui), RunOutcome::Finished);
    const std::string log = dir.read("log.txt");
    EXPECT_EQ(log.substr(0, log.find('\n')), "* $HOME;true -listxml");
    EXPECT_EQ(SplitArguments(" -a  b "), (std::vector<std::string>{"-a", "b"}));
    EXPECT_TRUE(SplitArguments("   ").empty());
}

TEST_F(RunCapturedTest, MissingTemporaryFolderLeavesNoCapture) {
    ctx.tempDir = dir.folder() + "no/such/folder/";
    EXPECT_EQ(RunCaptured(listRun(test::fakeMamePath(), 5), ctx, ui), RunOutcome::Finished);
    EXPECT_FALSE(std::filesystem::exists(ctx.tempDir + "zarn_gamelist.txt"));
}
