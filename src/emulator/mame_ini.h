#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zarn {

class Ui;

// How long "Create mame.ini" waits for MAME before leaving it to finish on its own.
inline constexpr int kCreateConfigWaitMs = 15000;

// The ini file that MAME's -createconfig writes for this executable: its extension replaced by
// ".ini", or ".ini" appended when it has none (/opt/mame/mame.bin -> /opt/mame/mame.ini).
std::string MameIniPath(std::string_view executable);

// Makes the MAME folder (the executable's folder part) this program's current directory, where it
// stays. Nothing happens when the path has no folder part or the folder cannot be entered.
void EnterMameFolder(std::string_view executable);

enum class CreateConfigOutcome {
    Finished,     // MAME ended within the wait
    StillRunning, // the wait ran out; MAME goes on by itself
    NotStarted,   // MAME could not be started
};

// Runs MAME once with -createconfig in its own folder and waits at most waitMs for it. Writes the
// two console lines; the outcome is not reported to the user.
CreateConfigOutcome CreateMameIni(const std::string& executable, Ui& ui,
                                  int waitMs = kCreateConfigWaitMs);

// Hands the executable's ini file to the desktop's editor (openFile) without waiting for it.
// The path given to openFile is absolute.
void EditMameIni(const std::string& executable, Ui& ui,
                 const std::function<void(const std::string& path)>& openFile);

} // namespace zarn
