// The "-verifysets" road: prints a verification report chosen by the test.
//   FAKE_MAME_VERIFY_REPORT  a file whose bytes are printed as the report (nothing when unset)
//   FAKE_MAME_VERIFY_HANG    when set, the fake keeps running after the report, as a MAME that
//                            never ends would, until it is terminated
//   FAKE_MAME_FAULT          see faults.h
#include "fake_mame.h"
#include "faults.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

static const fake::Road verifysets("-verifysets", [](const fake::Args&) {
    const std::string report = fake::env("FAKE_MAME_VERIFY_REPORT");
    if (const std::string fault = fake::faultFor("-verifysets"); !fault.empty()) {
        std::stringstream bytes;
        if (!report.empty())
            bytes << std::ifstream(report, std::ios::binary).rdbuf();
        return fake::showFault(fault, bytes.str(), stdout);
    }
    if (!report.empty()) {
        if (std::FILE* in = std::fopen(report.c_str(), "rb")) {
            char buffer[1 << 14];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
                std::fwrite(buffer, 1, n, stdout);
            std::fclose(in);
        }
    }
    std::fflush(stdout);
    if (!fake::env("FAKE_MAME_VERIFY_HANG").empty()) {
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return 0;
});
