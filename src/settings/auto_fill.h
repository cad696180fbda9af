#pragma once

#include "settings/path_settings.h"

#include <string>
#include <vector>

namespace zarn {

// Where Auto Fill looks for things besides the program folder.
struct AutoFillPlaces {
    std::string programDir;              // ends with '/'
    std::vector<std::string> searchPath; // folders searched for "mame" last (PATH, /usr/games)
};

// The folders of the PATH environment variable, followed by /usr/games.
std::vector<std::string> systemSearchPath();

// Guesses the executable, picture folders and history file. Boxes that already name an existing
// entry of the right kind stay as they are. Returns false, with *error set and the settings
// unchanged, when no executable can be found.
bool AutoFillPaths(PathSettings& settings, const AutoFillPlaces& places, std::string* error);

// The history file proposed when its box gets the focus: the MAME folder + "history.dat", or
// empty when the box is not empty or there is no executable.
std::string ProposedHistoryPath(const PathSettings& settings);

} // namespace zarn
