// TEMPORARY: stands in for the MAME runner until its real definition lands; remove it then.
// The verification command stays disabled while this file exists.
#include "mame/run_captured.h"

#include "app/error.h"

namespace zarn {

RunOutcome RunCaptured(const CapturedRun&, const AppContext&, Ui&) {
    throw Error("Running MAME is not available in this build yet.");
}

} // namespace zarn
