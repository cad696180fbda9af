#pragma once

#include <string>

namespace zarn {

// Where the program keeps its files. Windows and logic receive one of these so that tests can
// point every file at a fresh folder of their own.
struct AppContext {
    std::string programDir;  // ends with '/': zarn.ini, zarn_data.dat, nplayers.ini live here
    std::string programName; // file name of the executable, e.g. "zarn"
    std::string tempDir;     // ends with '/': capture and log files

    // The executable's own path with its extension replaced by ".ini" (or ".ini" appended).
    std::string settingsPath() const;
    // Column widths always live in "zarn.ini", whatever the executable is called.
    std::string columnSizesPath() const { return programDir + "zarn.ini"; }
    std::string tableDataPath() const { return programDir + "zarn_data.dat"; }

    // The defaults: the executable's folder and the system's temporary folder.
    static AppContext fromApplication();
};

} // namespace zarn
