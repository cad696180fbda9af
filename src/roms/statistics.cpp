#include "roms/statistics.h"

#include "app/context.h"
#include "settings/ini_file.h"

#include <array>
#include <utility>

namespace zarn {

namespace {
// Key order is the order a new section lists them in.
std::array<std::pair<const char*, long long VerifyCounters::*>, 6> keys() {
    return {{{"s_total", &VerifyCounters::total},
             {"s_good", &VerifyCounters::good},
             {"s_notfound", &VerifyCounters::notFound},
             {"s_notworking", &VerifyCounters::notWorking},
             {"s_bestavailable", &VerifyCounters::bestAvailable},
             {"s_unknown", &VerifyCounters::unknown}}};
}
} // namespace

void SaveStatistics(const VerifyCounters& counters, const AppContext& ctx) {
    IniFile ini(ctx.settingsPath());
    for (const auto& [key, member] : keys())
        ini.writeInteger(kStatsSection, key, counters.*member);
    ini.save();
}

VerifyCounters LoadStatistics(const AppContext& ctx) {
    const IniFile ini(ctx.settingsPath());
    VerifyCounters counters;
    for (const auto& [key, member] : keys())
        counters.*member = ini.readInteger(kStatsSection, key, 0);
    return counters;
}

std::vector<std::string> StatisticsLines(const VerifyCounters& c, int tableRowCount) {
    auto line = [](const char* label, long long n) { return std::string(label) + std::to_string(n); };
    return {
        line("Total Sets Supported in this version:", tableRowCount - 1),
        line("Total Sets Found:", c.total),
        line("Good Sets:", c.good),
        line("Missing Sets:", c.notFound),
        line("Not Working Sets:", c.notWorking),
        line("Best Available:", c.bestAvailable),
        line("Unknown Condition:", c.unknown),
    };
}

} // namespace zarn
