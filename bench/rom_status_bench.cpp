// The availability check of a 45,000-row table against a ROM folder of 20,000 archives, against
// listing that folder into a set; and the parse of a 45,000-line verification report, against
// reading the same report line by line.
#include "bench_support.h"

#include "app/ui.h"
#include "roms/rom_availability.h"
#include "roms/verification.h"
#include "table/game_table.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace zarn;

namespace {

// Takes what the check reports and throws it away, as a closed console would cost nothing.
class QuietUi : public Ui {
public:
    size_t lines = 0;
    void setStatus(int, const std::string&) override {}
    void appendConsoleLine(const std::string&) override { ++lines; }
    void appendConsoleLines(const std::vector<std::string>& l) override { lines += l.size(); }
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string&) override {}
    void setCursor(CursorKind) override {}
    void processEvents() override {}
};

std::string setName(int i) { return "set" + std::to_string(i); }

} // namespace

int main() {
    const int rows = 45000;
    const int archives = 20000;
    const std::string folder = bench::scratchFolder("roms") + "roms";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < archives; ++i) {
        // Every other row has its archive, up to 20,000 of them.
        std::ofstream(folder + "/" + setName(2 * i) + ".zip", std::ios::binary) << std::string(100 + i % 900, 'z');
    }
    GameTable table;
    table.setRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
        table.setCell(ColumnIndex("ROM"), r, setName(r - 1));

    const double baselineList = bench::bestSeconds(5, [&] {
        RomNameSet names;
        ListRomFolder(folder, names, nullptr);
    });
    QuietUi ui;
    const double check = bench::bestSeconds(5, [&] {
        RomNameSet names;
        ListRomFolder(folder, names, nullptr);
        ApplyRomAvailability(table, folder, names, ui);
    });

    // A report of 45,000 lines as MAME prints them, one per set, with a few other lines.
    const std::string reportPath = bench::scratchFolder("report") + "zarn_romstatus.txt";
    {
        std::ofstream out(reportPath, std::ios::binary);
        for (int i = 0; i < rows; ++i) {
            out << "romset " << setName(i);
            if (i % 7 == 0)
                out << " [parent" << i << "]";
            out << (i % 3 == 0 ? " is good\n" : i % 3 == 1 ? " is bad\n" : " is best available\n");
        }
    }
    const double baselineRead = bench::bestSeconds(5, [&] {
        std::FILE* in = std::fopen(reportPath.c_str(), "r");
        char line[1024];
        size_t count = 0;
        while (std::fgets(line, sizeof line, in))
            ++count;
        std::fclose(in);
        if (count == 0)
            std::puts("no lines");
    });
    RomNameSet names;
    ListRomFolder(folder, names, nullptr);
    const double parse = bench::bestSeconds(5, [&] {
        std::FILE* in = std::fopen(reportPath.c_str(), "r");
        ApplyVerifyReport(in, table, names, ui, [](long long) {});
        std::fclose(in);
    });

    std::printf("# %d rows, %d archives, %d report lines\n", rows, archives, rows);
    bench::reportRatio("rom-availability-45k", check, baselineList);
    bench::reportRatio("verify-parse-45k", parse, baselineRead);
    return 0;
}
