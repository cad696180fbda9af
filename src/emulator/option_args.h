#pragma once

#include "emulator/mame_options.h"

#include <string>

namespace zarn {

// The MAME arguments for an option set, as the text that follows the game name on the command
// line. Each fragment brings its own blanks (" -nowindow "), so neighbouring arguments end up two
// blanks apart; texts of the set are inserted as they stand, without quotes. Empty when
// useSettings is off. Numbers always use a full stop, whatever the locale, because MAME reads them
// that way.
std::string BuildOptionArgs(const MameOptions& options);

} // namespace zarn
