#include "logic/test_support.h"
#include "settings/auto_fill.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::TempDir;

namespace {

struct Folders {
    TempDir dir;
    std::string prog;
    std::string mame;
    Folders() {
        prog = dir.folder() + "prog/";
        mame = dir.folder() + "mame/";
        std::filesystem::create_directories(prog);
        std::filesystem::create_directories(mame);
    }
    void folder(const std::string& path) const { std::filesystem::create_directories(path); }
    void file(const std::string& path) const { dir.write(path.substr(dir.folder().size()), "x"); }
    AutoFillPlaces places(std::vector<std::string> searchPath = {}) const { return {prog, searchPath}; }
};

} // namespace

TEST(AutoFill, PrefersTheNamesInTheirOrder) {
    Folders f;
    f.file(f.prog + "mame.exe");
    f.file(f.prog + "mamepp.exe");
    PathSettings s;
    ASSERT_TRUE(AutoFillPaths(s, f.places(), nullptr));
    EXPECT_EQ(s.executable, f.prog + "mamepp.exe");
}

TEST(AutoFill, FindsMameOnTheSearchPathLast) {
    Folders f;
    const std::string bin = f.dir.folder() + "bin";
    f.file(bin + "/mame");
    PathSettings s;
    ASSERT_TRUE(AutoFillPaths(s, f.places({"", f.dir.folder() + "empty", bin}), nullptr));
    EXPECT_EQ(s.executable, bin + "/mame");

    f.file(f.prog + "mame");
    PathSettings beside;
    ASSERT_TRUE(AutoFillPaths(beside, f.places({bin}), nullptr));
    EXPECT_EQ(beside.executable, f.prog + "mame");
}

TEST(AutoFill, NothingFoundChangesNothing) {
    Folders f;
    f.folder(f.prog + "snap");
    PathSettings s;
    s.executable = f.prog + "missing.exe";
    const PathSettings before = s;
    std::string error;
    EXPECT_FALSE(AutoFillPaths(s, f.places(), &error));
    EXPECT_EQ(error, "Unable to guess a mame executable inside " + f.prog);
    EXPECT_EQ(s, before);
}

TEST(AutoFill, FoldersAndHistoryByCandidateOrder) {
    Folders f;
    f.file(f.mame + "mame");
    f.folder(f.mame + "snap");
    f.folder(f.prog + "snapshots");
    f.folder(f.prog + "artwork");
    f.folder(f.mame + "cab");
    f.folder(f.prog + "cab");
    f.file(f.prog + "history.dat");
    PathSettings s;
    s.executable = f.mame + "mame"; // an existing executable is kept
    s.flyers = "/somewhere/else";    // no candidate exists: kept
    ASSERT_TRUE(AutoFillPaths(s, f.places(), nullptr));
    EXPECT_EQ(s.executable, f.mame + "mame");
    EXPECT_EQ(s.snapshot, f.mame + "snap");
    EXPECT_EQ(s.artwork, f.prog + "artwork");
    EXPECT_EQ(s.cabinet, f.mame + "cab");
    EXPECT_EQ(s.flyers, "/somewhere/else");
    EXPECT_EQ(s.history, f.prog + "history.dat");
}

TEST(AutoFill, ExistingEntriesAreLeftAlone) {
    Folders f;
    f.file(f.mame + "mame");
    f.folder(f.mame + "snap");
    f.file(f.mame + "history.dat");
    const std::string mySnaps = f.dir.folder() + "mysnaps";
    const std::string myHistory = f.dir.folder() + "my.dat";
    f.folder(mySnaps);
    f.file(myHistory);
    PathSettings s;
    s.executable = f.mame + "mame";
    s.snapshot = mySnaps;
    s.history = myHistory;
    ASSERT_TRUE(AutoFillPaths(s, f.places(), nullptr));
    EXPECT_EQ(s.snapshot, mySnaps);
    EXPECT_EQ(s.history, myHistory);

    s.history = f.dir.folder() + "gone.dat"; // names a missing file: replaced
    ASSERT_TRUE(AutoFillPaths(s, f.places(), nullptr));
    EXPECT_EQ(s.history, f.mame + "history.dat");
}

TEST(AutoFill, ProposedHistoryPath) {
    PathSettings s;
    EXPECT_EQ(ProposedHistoryPath(s), "");
    s.executable = "/opt/mame/mame";
    EXPECT_EQ(ProposedHistoryPath(s), "/opt/mame/history.dat");
    s.executable = "mame";
    EXPECT_EQ(ProposedHistoryPath(s), "history.dat");
    s.history = "/x/history.dat";
    EXPECT_EQ(ProposedHistoryPath(s), "");
}
