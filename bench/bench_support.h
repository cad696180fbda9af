#pragma once

#include <chrono>
#include <string>

#include "table/game_table.h"

namespace zarn::bench {

// Best of n runs of f, in seconds.
template <typename F> double bestSeconds(int runs, F&& f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        best = std::min(best, d.count());
    }
    return best;
}

// Prints "bench <name>: <value> s baseline <value> s ratio <r>".
void reportRatio(const std::string& name, double seconds, double baselineSeconds);
// Prints "bench <name>: <value> <unit>".
void reportValue(const std::string& name, double value, const std::string& unit);

// Resident memory of this process in megabytes.
double residentMegabytes();

// A folder for generated inputs, made fresh.
std::string scratchFolder(const std::string& name);

// A realistic table of n games: every column filled as an import, a ROM check, the players import
// and a history import would fill them (history texts of a few hundred to a few thousand bytes).
GameTable generateTable(int games);

} // namespace zarn::bench
