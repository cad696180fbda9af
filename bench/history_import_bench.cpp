// The history.dat and nplayers.ini imports on a full-size table.
#include "bench_support.h"

#include "app/context.h"
#include "app/ui.h"
#include "media/history_dat.h"
#include "media/nplayers_ini.h"
#include "table/game_table.h"

#include <cstdio>
#include <fstream>
#include <random>

namespace {

class QuietUi : public zarn::Ui {
public:
    void setStatus(int, const std::string&) override {}
    void appendConsoleLine(const std::string&) override {}
    void appendConsoleLines(const std::vector<std::string>&) override {}
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void setCursor(zarn::CursorKind) override {}
    void processEvents() override {}
};

std::string setName(int i) { return "game" + std::to_string(i); }

std::string sentence(std::mt19937& random) {
    static const char* words[] = {"the",    "game",    "player", "arcade", "released", "cabinet",
                                  "version", "Japan",  "score",  "level",  "enemy",    "ship",
                                  "bonus",  "stage",   "was",    "by",     "in",       "with"};
    std::string s;
    const int n = 8 + static_cast<int>(random() % 10);
    for (int i = 0; i < n; ++i) {
        s += words[random() % (sizeof words / sizeof *words)];
        s += i + 1 < n ? " " : ". ";
    }
    return s;
}

// 30,000 entries of about a kilobyte each, in the usual layout with CR LF line ends.
void writeHistory(const std::string& path) {
    std::mt19937 random(42);
    std::ofstream out(path, std::ios::binary);
    out << "## history.dat generated for benchmarking\r\n\r\n";
    for (int e = 0; e < 30000; ++e) {
        // Sets every 3rd of them a clone named beside its parent; some names miss the table.
        out << "$info=" << setName(e) << "," << setName(e + 45000) << ",\r\n$bio\r\n\r\n";
        out << setName(e) << " (c) 19" << 80 + e % 20 << " Maker.\r\n\r\n";
        for (int p = 0; p < 3; ++p) {
            std::string paragraph;
            while (paragraph.size() < 260)
                paragraph += sentence(random);
            out << paragraph << "\r\n\r\n";
        }
        out << "- TRIVIA -\r\n\r\n" << sentence(random) << "\r\n$end\r\n\r\n";
    }
}

zarn::GameTable fullTable() {
    zarn::GameTable t;
    t.writeHeaders();
    t.setRowCount(45001);
    for (int r = 1; r <= 45000; ++r)
        t.setCell(zarn::ColumnIndex("ROM"), r, setName(r - 1));
    return t;
}

} // namespace

int main() {
    const std::string folder = zarn::bench::scratchFolder("history");
    const std::string path = folder + "history.dat";
    writeHistory(path);

    // Reading the file line by line with nothing else done: the floor for any import.
    long lines = 0;
    const double baseline = zarn::bench::bestSeconds(3, [&] {
        std::FILE* f = std::fopen(path.c_str(), "r");
        char buffer[2040];
        lines = 0;
        while (std::fgets(buffer, sizeof buffer, f))
            ++lines;
        std::fclose(f);
    });
    QuietUi ui;
    const double import = zarn::bench::bestSeconds(3, [&] {
        zarn::GameTable t = fullTable();
        zarn::ParseHistoryDat(t, path, ui);
    });
    zarn::bench::reportRatio("history-import-30k-into-45k", import, baseline);

    // nplayers.ini: one key per set, 45,000 rows to fill.
    zarn::AppContext ctx;
    ctx.programDir = folder;
    {
        std::ofstream ini(folder + "nplayers.ini", std::ios::binary);
        ini << "[NPlayers]\r\n";
        for (int i = 0; i < 40000; ++i)
            ini << "GAME" << i << "=" << (i % 4 + 1) << "P alt\r\n";
    }
    const double tableOnly = zarn::bench::bestSeconds(3, [&] { zarn::GameTable t = fullTable(); });
    const double players = zarn::bench::bestSeconds(3, [&] {
        zarn::GameTable t = fullTable();
        zarn::ParseNPlayersIni(t, ctx, ui);
    });
    zarn::bench::reportRatio("nplayers-import-45k", players, tableOnly);
    return 0;
}
