#pragma once

#include <string>
#include <vector>

namespace zarn {

struct AppContext;

inline constexpr const char* kStatsSection = "STATS";

// The counts of one full verification, in the order they are stored and shown.
struct VerifyCounters {
    long long total = 0;         // report lines about a set, in the table or not
    long long good = 0;          // code 0
    long long notFound = 0;      // code 4: "is bad" and the set's own archive is not in the folder
    long long notWorking = 0;    // code 1: "is bad" with the archive present
    long long bestAvailable = 0; // code 3
    long long unknown = 0;       // code 6

    bool operator==(const VerifyCounters&) const = default;
};

// Writes the six keys of STATS in their order and saves the settings file.
// Throws Error("Unable to write to " + path) when it cannot be written.
void SaveStatistics(const VerifyCounters& counters, const AppContext& ctx);

// Reads the six keys; a missing key (or file) reads as 0.
VerifyCounters LoadStatistics(const AppContext& ctx);

// The seven lines of the statistics display; tableRowCount includes the header row.
std::vector<std::string> StatisticsLines(const VerifyCounters& counters, int tableRowCount);

} // namespace zarn
