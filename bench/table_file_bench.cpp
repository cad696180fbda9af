// Save and load of a 45,000-game table data file, each against the cost of moving the same bytes:
// writing them (save) or reading them and splitting them into lines (load).
#include "app/paths.h"
#include "bench_support.h"
#include "table/table_file.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace zarn;

// Resident memory of a fresh process that has loaded the file, in MB.
int reportLoadedMemory(const std::string& path) {
    GameTable t;
    LoadTableData(path, t);
    std::printf("%.1f\n", bench::residentMegabytes());
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--resident-after-load")
        return reportLoadedMemory(argv[2]);
    const int games = 45000;
    const std::string folder = bench::scratchFolder("table");
    const std::string path = folder + "zarn_data.dat";
    const std::string baselinePath = folder + "baseline.dat";

    GameTable table = bench::generateTable(games);
    const std::string bytes = SerializeTableData(table);
    table = GameTable();

    const double baselineSave = bench::bestSeconds(5, [&] { writeFileAtomically(baselinePath, bytes); });
    const double baselineLoad = bench::bestSeconds(5, [&] {
        std::string data;
        readWholeFile(baselinePath, data);
        size_t lines = static_cast<size_t>(std::count(data.begin(), data.end(), '\r'));
        if (lines == 0)
            std::puts("no lines");
    });

    GameTable loaded;
    LoadTableData(baselinePath, loaded);
    const double load = bench::bestSeconds(5, [&] {
        GameTable t;
        LoadTableData(baselinePath, t);
    });
    const double save = bench::bestSeconds(5, [&] { WriteTableDataFile(loaded, path); });
    double resident = 0;
    const std::string command = std::string(argv[0]) + " --resident-after-load " + baselinePath;
    if (std::FILE* child = popen(command.c_str(), "r")) {
        if (std::fscanf(child, "%lf", &resident) != 1)
            resident = -1;
        pclose(child);
    }

    std::printf("# %d games, %.1f MB file\n", games, static_cast<double>(bytes.size()) / 1e6);
    bench::reportRatio("table-save-45k", save, baselineSave);
    bench::reportRatio("table-load-45k", load, baselineLoad);
    bench::reportValue("table-memory-45k", resident, "MB");
    return 0;
}
