#include "roms/verification.h"

#include "app/context.h"
#include "app/error.h"
#include "app/paths.h"
#include "app/ui.h"
#include "table/game_table.h"
#include "table/table_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace zarn {

namespace {

constexpr std::string_view kRomset = "romset";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpace(char c) { return isBlank(c) || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Splits a file into lines (each up to and including its line feed) of at most maxLength bytes.
// Reads in large blocks and keeps NUL bytes, so garbage in the file cannot cut or stop a line.
class PieceReader {
public:
    PieceReader(std::FILE* in, size_t maxLength) : in_(in), max_(maxLength) {}

    bool next(std::string& piece) {
        piece.clear();
        while (piece.size() < max_) {
            if (pos_ == len_ && !fill())
                break;
            const size_t want = std::min(max_ - piece.size(), len_ - pos_);
            const char* start = buffer_ + pos_;
            const void* lf = std::memchr(start, '\n', want);
            const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) + 1 : want;
            piece.append(start, take);
            pos_ += take;
            if (lf)
                break;
        }
        return !piece.empty();
    }

private:
    bool fill() {
        pos_ = 0;
        len_ = std::fread(buffer_, 1, sizeof buffer_, in_);
        return len_ > 0;
    }

    std::FILE* in_;
    size_t max_;
    char buffer_[1 << 16];
    size_t pos_ = 0;
    size_t len_ = 0;
};

std::string_view withoutLineEnd(std::string_view piece) {
    if (!piece.empty() && piece.back() == '\n')
        piece.remove_suffix(1);
    if (!piece.empty() && piece.back() == '\r')
        piece.remove_suffix(1);
    return piece;
}

// Every way out of the verification once its window is shown hides it, enables the main window
// and leaves the normal cursor, also when an error ends the run.
class RunGuard {
public:
    RunGuard(VerifyView& view, Ui& ui) : view_(view), ui_(ui) {}
    ~RunGuard() {
        if (!ended_)
            view_.end();
        ui_.setCursor(CursorKind::Normal);
    }
    void end() {
        if (!ended_)
            view_.end();
        ended_ = true;
    }

private:
    VerifyView& view_;
    Ui& ui_;
    bool ended_ = false;
};

} // namespace

bool IsRomsetLine(std::string_view line) { return line.starts_with(kRomset); }

std::string_view ReportSetName(std::string_view line) {
    if (!IsRomsetLine(line))
        return {};
    size_t start = kRomset.size();
    while (start < line.size() && isBlank(line[start]))
        ++start;
    size_t end = start;
    while (end < line.size() && !isSpace(line[end]))
        ++end;
    return line.substr(start, end - start);
}

int VerdictFor(std::string_view line, std::string_view setName, const RomNameSet& romFileNames) {
    if (line.find("is good") != std::string_view::npos)
        return StatusGood;
    if (line.find("is bad") != std::string_view::npos) {
        std::string archive(setName);
        archive += ".zip";
        return romFileNames.contains(archive) ? StatusNotWorking : StatusNotFound;
    }
    if (line.find("best available") != std::string_view::npos)
        return StatusBestAvailable;
    return StatusUnknown;
}

VerifyCounters ApplyVerifyReport(std::FILE* in, GameTable& table, const RomNameSet& romFileNames,
                                 Ui& ui, const std::function<void(long long)>& progress) {
    const int romColumn = ColumnIndex("ROM");
    const int statusColumn = ColumnIndex("Status");
    // First row from the top for each ROM name, the same answer as scanning the column.
    std::unordered_map<std::string_view, int> firstRow;
    firstRow.reserve(static_cast<size_t>(table.rowCount()));
    for (int row = 1; row < table.rowCount(); ++row)
        firstRow.try_emplace(table.cell(romColumn, row), row);

    VerifyCounters counters;
    std::vector<std::string> consoleLines;
    long long shown = -1;
    PieceReader reader(in, kReportPieceLength);
    std::string piece;
    while (reader.next(piece)) {
        consoleLines.emplace_back(withoutLineEnd(piece));
        if (progress && shown != counters.total) {
            shown = counters.total;
            progress(shown);
        }
        if (!IsRomsetLine(piece))
            continue;
        const std::string_view name = ReportSetName(piece);
        ++counters.total;
        // A line without a set name names no row (an empty name would hit the empty last row).
        if (name.empty())
            continue;
        const auto found = firstRow.find(name);
        if (found == firstRow.end())
            continue;
        const int code = VerdictFor(piece, name, romFileNames);
        table.setCell(statusColumn, found->second, std::to_string(code));
        table.setIcon(found->second, code);
        switch (code) {
        case StatusGood: ++counters.good; break;
        case StatusNotFound: ++counters.notFound; break;
        case StatusNotWorking: ++counters.notWorking; break;
        case StatusBestAvailable: ++counters.bestAvailable; break;
        default: ++counters.unknown; break;
        }
    }
    if (progress && shown != counters.total)
        progress(counters.total);
    // Nothing repaints while the report is parsed, so one block shows the same as line by line.
    ui.appendConsoleLines(consoleLines);
    return counters;
}

CaptureProgress ReadCaptureProgress(const std::string& path) {
    CaptureProgress result;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        result.errorText = systemErrorText(errno);
        return result;
    }
    result.opened = true;
    std::vector<char> buffer(1000000);
    result.bytesRead = std::fread(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
    for (size_t i = 0; i < result.bytesRead; ++i)
        result.lineFeeds += buffer[i] == '\n';
    return result;
}

void VerifyRoms(GameTable& table, const std::string& executable, RomNameSet& romFileNames,
                const AppContext& ctx, Ui& ui, VerifyView& view, const VerifyOptions& options) {
    if (entryKind(executable) != EntryKind::File) {
        ui.setStatus(0, "Please select the mame executable (Settings->ZARN Paths)");
        return;
    }
    ui.setStatus(0, "Please wait");
    ui.setCursor(CursorKind::Busy);
    view.begin();
    RunGuard guard(view, ui);
    view.setStage(1);

    // Stage 1. Whatever the check reports, the run goes on.
    try {
        CheckRomAvailability(table, executable, romFileNames, ctx, ui);
    } catch (const Error& e) {
        ui.showMessage(e.what());
    }

    view.setStage(2);
    ui.appendConsoleLine("Preparing for rom verification");

    // Stage 2: MAME writes its report into the capture file.
    view.setProgressMaximum(kVerifyProgressMaximum);
    const std::string capturePath = ctx.tempDir + kRomStatusCaptureName;
    // A report left by an earlier run must never pass for this run's.
    std::remove(capturePath.c_str());
    const bool startable = LooksStartable(executable);
    CapturedRun run;
    run.executable = executable;
    run.arguments = kVerifyArguments;
    run.captureFileName = kRomStatusCaptureName;
    run.consoleTitle = "";
    run.limitSeconds = options.limitSeconds;
    run.perSecond = [&] { view.UpdateVerifyProgress(capturePath); };
    const RunOutcome outcome = options.run(run, ctx, ui);
    if (!startable)
        ui.appendConsoleLine("MAME could not be started: " + executable);
    if (outcome == RunOutcome::TimedOut) {
        ui.setStatus(0, std::to_string(options.limitSeconds) + " seconds timeout occured while executing \"" +
                            executable + kVerifyArguments + "\"");
        ui.appendConsoleLine("Timeout Occured");
    }

    const EntryKind capture = entryKind(capturePath);
    if (capture == EntryKind::Missing) {
        ui.showMessage(capturePath + " doesn't exist - operation failed.");
        guard.end();
        ui.appendConsoleLine("Something went wrong, no disk space in temp dir?");
        return;
    }

    // Stage 3: the report becomes status codes.
    ui.appendConsoleLine("Starting Verification Information parsing");
    view.setStage(3);
    view.setProgress(0);
    std::FILE* in = capture == EntryKind::Folder ? nullptr : std::fopen(capturePath.c_str(), "r");
    if (!in) {
        ui.showMessage(systemErrorText(capture == EntryKind::Folder ? EISDIR : errno));
        guard.end();
        return;
    }
    view.suspendTableRepaint();
    ui.appendConsoleLine("VERIFY ROMS:");
    VerifyCounters counters;
    try {
        counters = ApplyVerifyReport(in, table, romFileNames, ui,
                                     [&](long long n) { view.setProgress(static_cast<int>(std::min<long long>(n, 1 << 30))); });
    } catch (...) {
        view.resumeTableRepaint();
        std::fclose(in);
        throw;
    }
    view.resumeTableRepaint();
    std::fclose(in);
    std::remove(capturePath.c_str());

    ui.appendConsoleLine("Parsing of Verification data Completed");
    ui.appendConsoleLine("Saving statistics information");
    // A settings file that cannot be written must not cost the table its new statuses.
    try {
        SaveStatistics(counters, ctx);
    } catch (const Error& e) {
        ui.showMessage(e.what());
    }

    guard.end();
    ui.setStatus(0, "");
    ui.appendConsoleLine(std::string(18, '-'));
    SaveTableData(table, ctx, ui);
}

} // namespace zarn
