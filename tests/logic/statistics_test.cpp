#include "logic/test_support.h"

#include "roms/statistics.h"
#include "settings/ini_file.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::test;

TEST(Statistics, BeforeAnyVerificationAllCountsAreZero) {
    TempDir dir;
    const AppContext ctx = contextIn(dir);
    dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=/usr/games/mame\n");
    EXPECT_EQ(StatisticsLines(LoadStatistics(ctx), 2501),
              (std::vector<std::string>{"Total Sets Supported in this version:2500", "Total Sets Found:0",
                                        "Good Sets:0", "Missing Sets:0", "Not Working Sets:0", "Best Available:0",
                                        "Unknown Condition:0"}));
    // A fresh table holds the header and one empty row: that row counts.
    EXPECT_EQ(StatisticsLines(LoadStatistics(ctx), 2)[0], "Total Sets Supported in this version:1");
}

TEST(Statistics, SavedInTheirKeyOrderBesideOtherSections) {
    TempDir dir;
    const AppContext ctx = contextIn(dir);
    dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=/usr/games/mame\n");
    const VerifyCounters counters{.total = 3, .good = 1, .notFound = 2, .notWorking = 4, .bestAvailable = 5, .unknown = 6};
    SaveStatistics(counters, ctx);
    EXPECT_EQ(dir.read("program/zarn.ini"),
              "[ZARN]\nEXECUTABLE=/usr/games/mame\n[STATS]\ns_total=3\ns_good=1\ns_notfound=2\ns_notworking=4\n"
              "s_bestavailable=5\ns_unknown=6\n");
    EXPECT_EQ(LoadStatistics(ctx), counters);

    // A later run replaces the values in place; keys read without regard to case, missing ones as 0.
    dir.write("program/zarn.ini", "[stats]\nS_GOOD = 9\ns_unknown=junk\n");
    const VerifyCounters read = LoadStatistics(ctx);
    EXPECT_EQ(read, (VerifyCounters{.good = 9}));
}
