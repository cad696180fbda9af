#pragma once

#include "mame/run_captured.h"
#include "roms/rom_availability.h"
#include "roms/statistics.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace zarn {

class GameTable;
class Ui;
struct AppContext;

inline constexpr const char* kRomStatusCaptureName = "zarn_romstatus.txt";
inline constexpr const char* kVerifyArguments = " * -verifysets";
inline constexpr int kVerifyLimitSeconds = 1000;
inline constexpr int kVerifyProgressMaximum = 5000;
// Report lines are read in pieces of at most this many bytes; a longer line arrives as several.
inline constexpr size_t kReportPieceLength = 1023;

// What the verification shows while it works. The progress window and the main window implement
// it in the program; tests record the calls.
class VerifyView {
public:
    virtual ~VerifyView() = default;
    // Shows the progress window with its bar and disables the main window.
    virtual void begin() = 0;
    // Puts the label of stage 1, 2 or 3 in bold and the others normal, then repaints.
    virtual void setStage(int stage) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    // Positions past the maximum show a full bar.
    virtual void setProgress(int position) = 0;
    // Once a second while MAME runs.
    virtual void UpdateVerifyProgress(const std::string& capturePath) = 0;
    // The grid does not repaint while the statuses are written.
    virtual void suspendTableRepaint() = 0;
    virtual void resumeTableRepaint() = 0;
    // Hides the progress window and enables the main window.
    virtual void end() = 0;
};

// Runs MAME the way RunCaptured does; tests put a stand-in here.
using MameRunner = std::function<RunOutcome(const CapturedRun&, const AppContext&, Ui&)>;

struct VerifyOptions {
    int limitSeconds = kVerifyLimitSeconds;
    MameRunner run = RunCaptured;
};

// The set name of a report line beginning with "romset": after blanks and tabs, up to the next
// white space. Empty when the line does not begin with "romset" or has no word after it.
std::string_view ReportSetName(std::string_view line);
bool IsRomsetLine(std::string_view line);

// The status code a report line gives its set (codes 0, 4, 1, 3 or 6, tested in that order).
int VerdictFor(std::string_view line, std::string_view setName, const RomNameSet& romFileNames);

// Reads the report from in, line by line in pieces of kReportPieceLength, copies every line to the
// console, and writes each named set's code into the first row with that ROM name. progress gets
// the number of set lines counted so far.
VerifyCounters ApplyVerifyReport(std::FILE* in, GameTable& table, const RomNameSet& romFileNames,
                                 Ui& ui, const std::function<void(long long)>& progress = {});

// The result of reading the start of a capture file for the progress bar.
struct CaptureProgress {
    bool opened = false;
    std::string errorText; // when not opened
    size_t bytesRead = 0;
    int lineFeeds = 0;
};
// Counts the line feeds in the first 1,000,000 bytes of the file.
CaptureProgress ReadCaptureProgress(const std::string& path);

// The full verification: the availability check, MAME's " * -verifysets" into the capture file,
// then each report line turned into a status code and a counter; the counters become the
// statistics and the table is saved. romFileNames is left filled for the caller to empty.
void VerifyRoms(GameTable& table, const std::string& executable, RomNameSet& romFileNames,
                const AppContext& ctx, Ui& ui, VerifyView& view, const VerifyOptions& options = {});

} // namespace zarn
