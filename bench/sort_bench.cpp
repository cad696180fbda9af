// Sorting, searching and exporting a table of 45,000 games, each against a plain baseline of the
// same work done the simplest way.
#include "bench_support.h"

#include "tools/export.h"
#include "tools/search.h"
#include "tools/sort.h"
#include "tools/xls_writer.h"

#include <algorithm>
#include <cstdio>
#include <random>

using namespace zarn;

namespace {

constexpr int kGames = 45000;

GameTable makeTable() {
    std::mt19937 random(8);
    const char* words[] = {"Pac", "Galaxy", "Street", "Fighter", "Dragon", "Super", "Mario", "Kong", "Ninja",
                           "Racing", "World", "Cup", "Turbo", "Space", "Invaders", "Tetris", "Puzzle"};
    const char* makers[] = {"Namco", "Capcom", "Konami", "Sega", "Taito", "Atari", "Irem", "SNK"};
    GameTable table;
    table.setRowCount(kGames + 1);
    for (int r = 1; r <= kGames; ++r) {
        std::string description;
        for (int w = 0; w < 3; ++w)
            description += std::string(words[random() % 17]) + (w < 2 ? " " : "");
        description += " (set " + std::to_string(random() % 9) + ")";
        table.setCell(ColumnIndex("Status"), r, std::to_string(random() % 5));
        table.setCell(ColumnIndex("ROM"), r, "rom" + std::to_string(random() % 1000000));
        table.setCell(ColumnIndex("Description"), r, description);
        table.setCell(ColumnIndex("Year"), r, std::to_string(1975 + random() % 30));
        table.setCell(ColumnIndex("Manufacturer"), r, makers[random() % 8]);
        table.setCell(ColumnIndex("Played"), r, std::to_string(random() % 50));
        table.setCell(ColumnIndex("RomSize"), r, std::to_string(random() % 9000) + ".00Kb");
        table.setCell(ColumnIndex("CPU"), r, "Z80");
        table.setCell(ColumnIndex("Bio"), r, std::string(300, 'b'));
    }
    table.setCell(ColumnIndex("Description"), kGames - 2, "Needle In The Haystack");
    return table;
}

std::vector<std::string> columnOf(const GameTable& table, int column) {
    std::vector<std::string> out;
    for (int r = 1; r < table.rowCount(); ++r)
        out.push_back(table.cell(column, r));
    return out;
}

} // namespace

int main() {
    const GameTable original = makeTable();
    const int desc = ColumnIndex("Description");
    const std::vector<int> columns = ExportColumns({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});

    // Baseline for sorts: std::sort of a copy of the Description strings (copy made outside).
    const std::vector<std::string> descriptions = columnOf(original, desc);
    double baseline = 1e30;
    for (int i = 0; i < 5; ++i) {
        std::vector<std::string> copy = descriptions;
        baseline = std::min(baseline, bench::bestSeconds(1, [&] { std::sort(copy.begin(), copy.end()); }));
    }
    double oneKey = 1e30, threeKeys = 1e30;
    for (int i = 0; i < 5; ++i) {
        GameTable table = original;
        oneKey = std::min(oneKey, bench::bestSeconds(1, [&] { SortTable(table, {{desc, false}}, {}); }));
        GameTable again = original;
        const SortKeyList keys{{ColumnIndex("Manufacturer"), false}, {ColumnIndex("Year"), true}, {desc, false}};
        threeKeys = std::min(threeKeys, bench::bestSeconds(1, [&] { SortTable(again, keys, {}); }));
    }
    bench::reportRatio("sort_45000_by_description", oneKey, baseline);
    bench::reportRatio("sort_45000_three_keys", threeKeys, baseline);

    // Find Next from row 1 to a match near the end (in Description, so both columns are scanned);
    // baseline: a plain case-sensitive scan of both columns for the same text.
    int found = 0;
    const double find = bench::bestSeconds(5, [&] { found = FindGameRow(original, "needle in", 1, true); });
    int plain = 0;
    const double scan = bench::bestSeconds(5, [&] {
        plain = 0;
        for (int column : {ColumnIndex("ROM"), desc}) {
            for (int r = 1; r < original.rowCount() && !plain; ++r) {
                if (original.cell(column, r).find("Needle In") != std::string::npos)
                    plain = r;
            }
        }
    });
    if (found != kGames - 2 || plain != found)
        std::fprintf(stderr, "search found row %d, scan %d\n", found, plain);
    bench::reportRatio("find_next_45000", find, scan);

    // Exports: building and writing each file; baseline: writing the same bytes.
    const std::string folder = bench::scratchFolder("export");
    const ExportColors colors;
    for (ExportFormat format : {ExportFormat::Html, ExportFormat::Text, ExportFormat::Xls}) {
        const std::string path = ExportFileName(folder + "games", format);
        const double total = bench::bestSeconds(3, [&] { WriteExport(path, format, original, columns, colors); });
        std::string bytes = format == ExportFormat::Html  ? HtmlExport(original, columns, colors)
                            : format == ExportFormat::Text ? TextExport(original, columns)
                                                           : XlsWorkbook(SheetCells(original, columns));
        const double write = bench::bestSeconds(3, [&] { WriteExportFile(path, bytes); });
        const char* name = format == ExportFormat::Html ? "export_html_45000"
                           : format == ExportFormat::Text ? "export_text_45000"
                                                          : "export_xls_45000";
        bench::reportRatio(name, total, write);
        bench::reportValue(std::string(name) + "_size", static_cast<double>(bytes.size()) / 1e6, "MB");
    }
    return 0;
}
