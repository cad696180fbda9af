#include "bench_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
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

GameTable generateTable(int games) {
    std::mt19937 rng(87);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    static const char* makers[] = {"Namco", "Konami", "Capcom", "Sega", "Taito", "Irem", "Data East",
                                   "SNK", "Williams", "Atari"};
    static const char* cpus[] = {"Z80", "M68000", "M6809", "M6502", "I8039", "HD6309"};
    static const char* words[] = {"space", "fighter", "attack", "super", "turbo", "dragon", "star",
                                  "force", "ninja", "racer", "quest", "blaster"};
    GameTable t;
    t.setRowCount(games + 2);
    for (int r = 1; r <= games; ++r) {
        const std::string rom = "g" + std::to_string(r) + words[pick(12)];
        std::string title = std::string(words[pick(12)]) + " " + words[pick(12)] + " (set " +
                            std::to_string(1 + pick(3)) + ")";
        title[0] = static_cast<char>(title[0] - 32);
        t.setCell(ColumnIndex("Status"), r, std::to_string(pick(2) ? 0 : 4));
        t.setCell(ColumnIndex("ROM"), r, rom);
        t.setCell(ColumnIndex("Description"), r, title);
        t.setCell(ColumnIndex("Year"), r, std::to_string(1975 + pick(30)));
        t.setCell(ColumnIndex("Manufacturer"), r, makers[pick(10)]);
        if (pick(3) == 0)
            t.setCell(ColumnIndex("Clone Of"), r, "g" + std::to_string(1 + pick(r)) + "parent");
        t.setCell(ColumnIndex("Played"), r, std::to_string(pick(40)));
        t.setCell(ColumnIndex("RomSize"), r, std::to_string(pick(9000)) + "." + std::to_string(10 + pick(90)) + "Kb");
        t.setCell(ColumnIndex("Category"), r, std::string("Shooter / ") + words[pick(12)]);
        t.setCell(ColumnIndex("Resolution"), r, pick(2) ? "224x288" : "320x240");
        t.setCell(ColumnIndex("Type"), r, "raster");
        t.setCell(ColumnIndex("Players"), r, std::to_string(1 + pick(4)) + "P alt");
        t.setCell(ColumnIndex("CPU"), r, std::string(cpus[pick(6)]) + " 3.07 Mhz");
        t.setCell(ColumnIndex("Rom Of"), r, t.cell(ColumnIndex("Clone Of"), r));
        std::string bio = title + "\n\n(c) 1982 Maker\n\n";
        const int sentences = 2 + pick(16);
        for (int s = 0; s < sentences; ++s) {
            for (int w = 0; w < 12; ++w) {
                bio += words[pick(12)];
                bio += ' ';
            }
            bio += s % 4 == 3 ? "\n\n" : ". ";
        }
        t.setCell(ColumnIndex("Bio"), r, bio);
        t.setCell(ColumnIndex("Info"), r, "Recommended Games (Shooter):\n" + std::string(words[pick(12)]) + "\n" + words[pick(12)]);
    }
    return t;
}

} // namespace zarn::bench
