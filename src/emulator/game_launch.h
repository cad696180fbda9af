#pragma once

#include <functional>
#include <string>
#include <string_view>

class QProcess;

namespace zarn {

class GameTable;
class Ui;
struct AppContext;

inline constexpr const char* kMameLogName = "zarn_msglog.txt";
inline constexpr const char* kRefusalLine = "Attempt to start MAME while MAME is running";
inline constexpr const char* kLogEndLine = "-----------------------";
inline constexpr const char* kStartingText = "Please Wait, game starting...";
inline constexpr const char* kRunningText = "M.A.M.E. is running";
inline constexpr const char* kNotRunningText = "M.A.M.E. not running";

// The running game: the process of the last successful start, watched until it ends. One at a
// time. A game outlives the program, so a process that still runs is never destroyed (a QProcess
// kills its child when it is destroyed): it has no parent, and neither release() nor the
// destructor deletes it while it runs.
class GameMonitor {
public:
    GameMonitor() = default;
    ~GameMonitor();
    GameMonitor(const GameMonitor&) = delete;
    GameMonitor& operator=(const GameMonitor&) = delete;

    // True from a successful start until the tick that finds the game ended.
    bool active() const { return EmulatorProcess != nullptr; }

    // Starts the command line (split at blanks, double quotes grouping; no shell) with standard
    // output and standard error appended to logPath and standard input passed on. On failure
    // returns false with the system's text for the error in *error.
    bool start(const std::string& commandLine, const std::string& logPath, std::string* error);
    // Waits up to waitMs for the game to end; true while it still runs.
    bool stillRunning(int waitMs);
    // Ends the game at once. False with the system's text when that is refused.
    bool terminate(std::string* error);
    // Lets go of an ended game's process.
    void release();
    long long processId() const;

private:
    QProcess* EmulatorProcess = nullptr;
};

// The Played cell after one more start: empty counts as 0; otherwise the whole number at its
// start (blanks skipped, optional sign, what follows ignored), and a text that does not begin with
// a number counts as 0 too.
std::string NextPlayedCount(std::string_view playedCell);

// "<mame> <game> -v <option args>", nothing quoted.
std::string GameCommandLine(const std::string& mamePath, const std::string& game,
                            const std::string& optionArgs);

// Status panel 0: the system's error text followed directly by "(" path ")".
void ReportLastError(Ui& ui, const std::string& errorText, const std::string& mamePath);

enum class LaunchOutcome { Refused, Started, Failed };

struct LaunchRequest {
    int row = 0;          // the game's table row
    std::string mamePath; // the MAME executable as typed in the paths dialog
    bool autosave = false;
    std::function<void()> saveTable;          // run before the start when autosave is on
    std::function<std::string()> optionArgs;  // builds the option text at the moment of the start
};

// Starts the game of the row: counts it, saves the table when asked, makes the log file anew in
// the temporary folder, moves the current directory to MAME's folder and starts MAME there.
// Refused (with a console line) while a game is watched. The count stays raised when the start
// fails.
LaunchOutcome LaunchGame(GameTable& table, const LaunchRequest& request, GameMonitor& monitor,
                         const AppContext& ctx, Ui& ui);

// One tick of the watch. While the game runs: the running state in the status bar, true. Once it
// ended: releases it, calls stopWatching (before anything that may show a box), copies the log to
// the console and returns false.
bool MonitorTick(GameMonitor& monitor, const AppContext& ctx, Ui& ui,
                 const std::function<void()>& stopWatching);

// Copies the game's log to the console followed by the 23-hyphen line and deletes it. A log that
// cannot be opened is reported in a message box (path and the system's text) and nothing else
// happens.
void ReadMameLog(const AppContext& ctx, Ui& ui);

// Ends a watched game (the next tick sees it ended), then clears status panel 0 and restores the
// normal cursor; with no game watched only the latter.
void KillGame(GameMonitor& monitor, const std::string& mamePath, Ui& ui);

} // namespace zarn
