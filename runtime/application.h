// Running the program: the GUI thread serves windows while program thread 1
// runs the program's main procedure.
#pragma once

#include "runtime/program_threads.h"

namespace rt {

// Creates the Qt application if there is none, installs the Qt dialog
// service unless `keepDialogService`, starts `mainProcedure` as thread 1 and
// serves the GUI until it returns and the other program threads have ended.
// Returns the process's exit code (0).
int RunApplication(Procedure mainProcedure, bool keepDialogService = false);

// Whether a display is available for windows (offscreen counts).
bool DisplayAvailable();

}  // namespace rt
