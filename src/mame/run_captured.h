#pragma once

#include <functional>
#include <string>

namespace zarn {

class Ui;
struct AppContext;

enum class RunOutcome { Finished, TimedOut };

// One hidden run of MAME whose standard output goes to a capture file in the temporary folder.
struct CapturedRun {
    std::string executable;      // the MAME path as typed
    std::string arguments;       // starts with a blank, e.g. " -sortname -listxml"
    std::string captureFileName; // without folder, e.g. "zarn_gamelist.txt"
    std::string consoleTitle;    // "MAME" or empty (no meaning on Linux)
    int limitSeconds = 55;       // number of one-second waits before TimedOut
    std::function<void()> perSecond; // after every wait that ran out without the process ending
};

// Starts the run, waits in one-second steps letting events run, terminates it at the limit.
RunOutcome RunCaptured(const CapturedRun& run, const AppContext& ctx, Ui& ui);

} // namespace zarn
