#include "bench_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zarn::bench {

void reportRatio(const std::string& name, double seconds, double baselineSeconds) {
    std::printf("bench %s: %.3f s baseline %.3f s ratio %.2f\n", name.c_str(), seconds,
                baselineSeconds, baselineSeconds > 0 ? seconds / baselineSeconds : 0.0);
    std::fflush(stdout);
}

void reportValue(const std::string& name, double value, const std::string& unit) {
    std::printf("bench %s: %.1f %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

std::string scratchFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / ("zarn_bench_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

} // namespace zarn::bench
