// The properties the fuzz targets check, run over their seed corpus and over the inputs kept from
// fuzzing runs (tests/fixtures/fuzz-regressions/<target>/), each of which once broke a reader.
#include "check.h"
#include "history_dat_check.h"
#include "list_import_check.h"
#include "nplayers_ini_check.h"
#include "verify_report_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Target {
    const char* name;
    std::function<void(std::string_view)> check;
};

const Target kTargets[] = {
    {"list_import", zarn::fuzz::checkListImport},
    {"verify_report", zarn::fuzz::checkVerifyReport},
    {"history_dat", zarn::fuzz::checkHistoryDat},
    {"nplayers_ini", zarn::fuzz::checkNPlayersIni},
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void runInputs(const Target& target, const fs::path& folder) {
    if (!fs::is_directory(folder))
        return;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        SCOPED_TRACE(entry.path().string());
        try {
            target.check(readAll(entry.path()));
        } catch (const zarn::fuzz::CheckFailed& failure) {
            ADD_FAILURE() << failure.what();
        }
    }
}

} // namespace

TEST(FuzzInputs, SeedCorpusPassesEveryCheck) {
    for (const Target& target : kTargets) {
        const fs::path folder = fs::path(ZARN_FUZZ_CORPUS) / target.name;
        ASSERT_TRUE(fs::is_directory(folder)) << folder;
        runInputs(target, folder);
    }
}

TEST(FuzzInputs, KeptRegressionInputsPassEveryCheck) {
    for (const Target& target : kTargets)
        runInputs(target, fs::path(ZARN_FIXTURES) / "fuzz-regressions" / target.name);
}
