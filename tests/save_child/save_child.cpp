// A child process for the kill-during-save test: builds a table, says "R" on standard output,
// waits for a byte on standard input, then saves the table with the program's own SaveTableData
// into a program folder and says "D" and the save's duration in microseconds. The parent can so
// start the next child while it checks the last one, and time its kill from the save's start.
//
//     zarn_save_child <program folder ending in '/'> <games> <variant>
#include "app/context.h"
#include "app/ui.h"
#include "logic/fault_tables.h"
#include "table/table_file.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class SilentUi : public zarn::Ui {
public:
    void setStatus(int, const std::string&) override {}
    void appendConsoleLine(const std::string&) override {}
    void appendConsoleLines(const std::vector<std::string>&) override {}
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string&) override {}
    void setCursor(zarn::CursorKind) override {}
    void processEvents() override {}
};

void say(const std::string& text) {
    // Unbuffered, so the parent sees it at once.
    if (::write(1, text.data(), text.size()) < 0)
        std::_Exit(3);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    zarn::AppContext ctx;
    ctx.programDir = argv[1];
    ctx.programName = "zarn";
    ctx.tempDir = argv[1];
    zarn::GameTable table = zarn::test::faultTable(std::atoi(argv[2]), std::atoi(argv[3]));
    SilentUi ui;
    say("R");
    char go = 0;
    if (::read(0, &go, 1) != 1)
        return 2;
    const auto start = std::chrono::steady_clock::now();
    try {
        zarn::SaveTableData(table, ctx, ui);
    } catch (...) {
        return 1;
    }
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    say("D" + std::to_string(took.count()) + "\n");
    return 0;
}
