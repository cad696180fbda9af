// A save killed at any moment leaves a table data file that loads as the old table or the new one.
// A child process saves a large table over the file of an old one and is killed with SIGKILL at
// moments spread over the save's measured duration.
#ifndef _WIN32

#include "logic/fault_tables.h"
#include "logic/test_support.h"
#include "table/table_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace zarn;

namespace {

constexpr int kGames = 8000;
constexpr int kOldVariant = 1;
constexpr int kNewVariant = 2;
constexpr int kKills = 100;

// A save child with its standard input and output on pipes. It is started ready to save and
// begins when go() is called.
class SaveChild {
public:
    explicit SaveChild(const std::string& programDir) {
        int out[2];
        int in[2];
        if (::pipe(out) != 0 || ::pipe(in) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        for (const int fd : {out[0], out[1], in[0], in[1]})
            posix_spawn_file_actions_addclose(&actions, fd);
        const std::string games = std::to_string(kGames);
        const std::string variant = std::to_string(kNewVariant);
        std::vector<char*> argv = {const_cast<char*>(ZARN_SAVE_CHILD), const_cast<char*>(programDir.c_str()),
                                   const_cast<char*>(games.c_str()), const_cast<char*>(variant.c_str()), nullptr};
        if (posix_spawn(&pid_, ZARN_SAVE_CHILD, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(in[0]);
        out_ = out[0];
        in_ = in[1];
    }
    ~SaveChild() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        for (const int fd : {out_, in_}) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    SaveChild(const SaveChild&) = delete;
    SaveChild& operator=(const SaveChild&) = delete;

    // Waits until the child has built its table, then lets it save.
    bool go() {
        char c = 0;
        if (pid_ <= 0 || ::read(out_, &c, 1) != 1 || c != 'R')
            return false;
        return ::write(in_, "G", 1) == 1;
    }
    void kill() {
        ::kill(pid_, SIGKILL);
        reap();
    }
    // Waits for the end and returns everything printed after "R".
    std::string finish() {
        std::string rest;
        char buf[64];
        ssize_t n;
        while ((n = ::read(out_, buf, sizeof buf)) > 0)
            rest.append(buf, static_cast<size_t>(n));
        reap();
        return rest;
    }
    int exitStatus() const { return status_; }

private:
    void reap() {
        if (pid_ > 0)
            ::waitpid(pid_, &status_, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int in_ = -1;
    int status_ = 0;
};

bool sameTable(const GameTable& a, const GameTable& b) {
    if (a.rowCount() != b.rowCount() || a.columnCount() != b.columnCount())
        return false;
    for (int c = 0; c < a.columnCount(); ++c) {
        if (a.columnWidth(c) != b.columnWidth(c))
            return false;
    }
    for (int r = 0; r < a.rowCount(); ++r) {
        if (a.rows()[r].cells != b.rows()[r].cells)
            return false;
    }
    return true;
}

} // namespace

TEST(KillDuringSave, TheFileIsAlwaysTheOldOrTheNewTable) {
    test::TempDir dir;
    // Two program folders taking turns, so that the next child starts while the last is checked.
    const std::string folders[2] = {dir.folder() + "a/", dir.folder() + "b/"};
    const GameTable oldTable = test::faultTableAsLoaded(kGames, kOldVariant);
    const GameTable newTable = test::faultTableAsLoaded(kGames, kNewVariant);
    const GameTable oldToWrite = test::faultTable(kGames, kOldVariant);
    auto dataPath = [](const std::string& folder) { return folder + "zarn_data.dat"; };
    auto writeOld = [&](const std::string& folder) { WriteTableDataFile(oldToWrite, dataPath(folder)); };
    for (const std::string& folder : folders) {
        std::filesystem::create_directories(folder);
        writeOld(folder);
    }

    // The save's duration, measured by the child itself over complete runs.
    std::vector<long long> durations;
    for (int i = 0; i < 3; ++i) {
        SaveChild child(folders[0]);
        ASSERT_TRUE(child.go());
        const std::string rest = child.finish();
        ASSERT_TRUE(WIFEXITED(child.exitStatus()) && WEXITSTATUS(child.exitStatus()) == 0) << rest;
        ASSERT_EQ(rest.substr(0, 1), "D");
        durations.push_back(std::stoll(rest.substr(1)));
        writeOld(folders[0]);
    }
    std::sort(durations.begin(), durations.end());
    const long long saveMicros = durations[1];
    ASSERT_GT(saveMicros, 0);

    int oldKept = 0;
    int newWritten = 0;
    int tempLeft = 0;
    auto next = std::make_unique<SaveChild>(folders[0]);
    for (int i = 0; i < kKills; ++i) {
        SCOPED_TRACE("kill " + std::to_string(i));
        const std::string& folder = folders[i % 2];
        std::unique_ptr<SaveChild> child = std::move(next);
        // From the save's first moment to a little past its end.
        const auto delay = std::chrono::microseconds(saveMicros * 12 * i / (10 * kKills));
        ASSERT_TRUE(child->go());
        std::this_thread::sleep_for(delay);
        child->kill();
        if (i + 1 < kKills)
            next = std::make_unique<SaveChild>(folders[(i + 1) % 2]);

        GameTable loaded;
        ASSERT_NO_THROW(LoadTableData(dataPath(folder), loaded));
        const bool isOld = sameTable(loaded, oldTable);
        const bool isNew = sameTable(loaded, newTable);
        ASSERT_TRUE(isOld || isNew);
        if (std::filesystem::exists(dataPath(folder) + ".tmp"))
            ++tempLeft;
        if (isNew) {
            ++newWritten;
            writeOld(folder);
        } else {
            ++oldKept;
        }
        // A temporary file left by a kill stays for the next child, whose save must cope with it.
    }
    std::printf("[ kills    ] %d kills over %lld us: old table kept %d times, new table written %d times, "
                "temporary file left %d times\n",
                kKills, saveMicros * 12 / 10, oldKept, newWritten, tempLeft);
    // The kills really fell inside saves: some before the new file was in place, some after.
    EXPECT_GT(oldKept, 0);
    EXPECT_GT(newWritten, 0);
    EXPECT_GT(tempLeft, 0);

    // A left temporary file is never read, and the next complete save replaces it.
    for (const std::string& folder : folders) {
        SaveChild child(folder);
        ASSERT_TRUE(child.go());
        EXPECT_EQ(child.finish().substr(0, 1), "D");
        EXPECT_FALSE(std::filesystem::exists(dataPath(folder) + ".tmp"));
        GameTable loaded;
        LoadTableData(dataPath(folder), loaded);
        EXPECT_TRUE(sameTable(loaded, newTable));
    }
}

#endif
