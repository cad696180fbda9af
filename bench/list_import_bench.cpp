// The list import on a 45,000-game list in MAME 0.87's -listxml shape, against reading the same
// file and counting its lines.
#include "bench_support.h"

#include "mame/list_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kGames = 45000;

// A small deterministic generator, so every run measures the same file.
struct Random {
    unsigned state = 2004;
    unsigned next(unsigned below) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % below;
    }
};

void writeList(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    Random rnd;
    static const char* cpus[] = {"Z80", "M68000", "M6809", "M6502", "I8086", "ADSP2105", "TMS34010"};
    static const char* sounds[] = {"AY8910", "YM2151", "Samples", "DAC", "OKIM6295", "YM2203"};
    static const char* makers[] = {"Maker", "Other Maker", "Big Company", "Small Company", "bootleg"};
    static const char* dips[] = {"Lives", "Bonus Life", "Difficulty", "Coinage", "Cabinet", "Demo Sounds"};
    std::fprintf(f, "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (game+)>\n]>\n\n"
                    "<mame build=\"0.87 (Aug 11 2004)\">\n");
    for (int g = 0; g < kGames; ++g) {
        const bool clone = g % 3 != 0;
        std::fprintf(f, "\t<game name=\"game%05d\" sourcefile=\"driver%03d.c\"", g, g % 700);
        if (clone)
            std::fprintf(f, " cloneof=\"game%05d\" romof=\"game%05d\"", g - g % 3, g - g % 3);
        std::fprintf(f, ">\n\t\t<description>Game number %d (set %d)</description>\n\t\t<year>19%02u</year>\n"
                        "\t\t<manufacturer>%s</manufacturer>\n",
                     g, g % 3 + 1, 75 + rnd.next(25), makers[rnd.next(5)]);
        const unsigned roms = 4 + rnd.next(17);
        for (unsigned r = 0; r < roms; ++r)
            std::fprintf(f, "\t\t<rom name=\"g%05d.%u\" size=\"%u\" crc=\"%08x\" sha1=\"%08x%08x%08x%08x%08x\" "
                            "region=\"%s\" offset=\"%x\"/>\n",
                         g, r, 2048u << rnd.next(6), rnd.next(0xffffff), rnd.next(0xffffff), rnd.next(0xffffff),
                         rnd.next(0xffffff), rnd.next(0xffffff), rnd.next(0xffffff), r < roms / 2 ? "cpu1" : "gfx1",
                         r * 0x1000);
        const unsigned cpuCount = 1 + rnd.next(3);
        for (unsigned c = 0; c < cpuCount; ++c)
            std::fprintf(f, "\t\t<chip type=\"cpu\" name=\"%s\" clock=\"%u\"/>\n", cpus[rnd.next(7)],
                         1000000 + rnd.next(20000000));
        const unsigned audio = 1 + rnd.next(2);
        for (unsigned a = 0; a < audio; ++a)
            std::fprintf(f, "\t\t<chip type=\"audio\" name=\"%s\" clock=\"%u\"/>\n", sounds[rnd.next(6)],
                         1000000 + rnd.next(4000000));
        std::fprintf(f, "\t\t<video screen=\"%s\" orientation=\"%s\" width=\"%u\" height=\"%u\" aspectx=\"4\" "
                        "aspecty=\"3\" refresh=\"%u.%06u\"/>\n",
                     rnd.next(10) ? "raster" : "vector", rnd.next(2) ? "vertical" : "horizontal",
                     224 + 32 * rnd.next(4), 224 + 16 * rnd.next(4), 50 + rnd.next(11), rnd.next(1000000));
        std::fprintf(f, "\t\t<sound channels=\"%u\"/>\n", 1 + rnd.next(2));
        std::fprintf(f, "\t\t<input players=\"%u\" control=\"joy8way\" buttons=\"%u\" coins=\"2\"/>\n",
                     1 + rnd.next(4), 1 + rnd.next(6));
        const unsigned switches = 2 + rnd.next(5);
        for (unsigned d = 0; d < switches; ++d) {
            std::fprintf(f, "\t\t<dipswitch name=\"%s\">\n", dips[rnd.next(6)]);
            const unsigned values = 2 + rnd.next(7);
            for (unsigned v = 0; v < values; ++v)
                std::fprintf(f, "\t\t\t<dipvalue name=\"Setting %u\"%s/>\n", v, v == 0 ? " default=\"yes\"" : "");
            std::fprintf(f, "\t\t</dipswitch>\n");
        }
        std::fprintf(f, "\t\t<driver status=\"good\" emulation=\"good\" color=\"good\" sound=\"imperfect\" "
                        "graphic=\"good\" savestate=\"unsupported\" palettesize=\"%u\"/>\n\t</game>\n",
                     16u << rnd.next(8));
    }
    std::fprintf(f, "</mame>\n");
    std::fclose(f);
}

// The baseline: read the file in large blocks and count its line feeds with memchr, the fastest
// plain way to find them (the import finds its line ends the same way).
long long countLines(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return -1;
    std::vector<char> block(1 << 20);
    long long lines = 0;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), f)) > 0)
        for (const char* p = block.data(); (p = static_cast<const char*>(std::memchr(p, '\n', block.data() + got - p)));
             ++p)
            ++lines;
    std::fclose(f);
    return lines;
}

// What the import does with the file: read it piece by piece and fill an emptied table.
int importList(const std::string& path, zarn::GameTable& table) {
    table.clearGameRows();
    zarn::CaptureReader reader;
    if (!reader.open(path))
        return -1;
    int seen = 0;
    zarn::GameListParser parser(table, [&seen](int games) { seen = std::min(games, 5000); });
    std::string_view line;
    while (reader.next(line))
        parser.parseLine(line);
    table.appendRow();
    return parser.rowsWritten();
}

} // namespace

int main() {
    const std::string folder = zarn::bench::scratchFolder("list_import");
    const std::string path = folder + "zarn_gamelist.txt";
    writeList(path);

    long long lines = 0;
    // Warm the page cache so both sides read from memory.
    countLines(path);
    const double baseline = zarn::bench::bestSeconds(5, [&] { lines = countLines(path); });
    int rows = 0;
    zarn::GameTable table;
    const double import = zarn::bench::bestSeconds(5, [&] {
        zarn::GameTable fresh;
        rows = importList(path, fresh);
        table = std::move(fresh);
    });
    if (rows != kGames || table.cell(zarn::ColumnIndex("ROM"), kGames) != "game44999") {
        std::fprintf(stderr, "list import read %d rows of %d\n", rows, kGames);
        return 1;
    }
    zarn::bench::reportRatio("list-import-45k", import, baseline);
    zarn::bench::reportValue("list-import-45k-file", static_cast<double>(std::filesystem::file_size(path)) / 1e6, "MB");
    std::fprintf(stderr, "(%lld lines)\n", lines);
    std::filesystem::remove_all(folder);
    return 0;
}
