#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

class Ui;
struct AppContext;

enum class RunOutcome { Finished, TimedOut };

// The console line after a run whose process crashed (ended by a signal) within the limit.
inline constexpr const char* kCrashedLine = "MAME crashed; what it printed may be incomplete";

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
// The child receives the words of the argument text as its arguments; no shell is involved.
// Appends "Calling " + executable + arguments to the console and changes the program's current
// directory to the executable's folder, where it stays. At the limit the process is killed
// before this returns. A process that cannot be started counts as Finished (its capture is empty).
// A process that crashed counts as Finished too, with kCrashedLine in the console.
RunOutcome RunCaptured(const CapturedRun& run, const AppContext& ctx, Ui& ui);

// Whether the executable can be started at all; a failed start otherwise looks like MAME printing
// nothing, so callers name it in the console.
bool LooksStartable(const std::string& executable);

// The temporary folder followed by the capture file name.
std::string CapturePath(const CapturedRun& run, const AppContext& ctx);

// The argument text split at blanks (runs of blanks count as one, no quoting).
std::vector<std::string> SplitArguments(std::string_view text);

} // namespace zarn
