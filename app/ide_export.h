// Turning a dictionary (.DCT) into its text export through the Velmora IDE:
// reach the IDE (launching it when it does not answer), ask it to export, and
// tell the user in a message box when that fails.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "runtime/core/launch.h"

namespace app {

inline constexpr const char* kIdeService = "VelmoraWin";
inline constexpr const char* kIdeCommandLine = "Velmora4.EXE";
inline constexpr int kIdeLaunchAttempts = 10;
inline constexpr int kIdeTimeout = 500;  // hundredths of a second

// Receives progress messages for the frame's status bar; "" clears it.
using StatusSink = std::function<void(const std::string&)>;

// Returns once the IDE answers on the bus, `program` has ended (or never
// started), or the DDE time-out has passed, whichever comes first. The launch
// returns at once on this system, while the IDE needs a moment to come up:
// without this the next connection attempt would always come too early.
void AwaitIdeStart(const rt::LaunchedProgram& program);

// How one launch of the IDE is made; tests replace either step.
struct IdeLauncher {
    std::function<rt::LaunchedProgram(std::string_view commandLine)> launch = rt::LaunchProgram;
    std::function<void(const rt::LaunchedProgram&)> settle = AwaitIdeStart;
};

struct IdeExportSettings {
    StatusSink showStatus;         // required: the frame's ShowStatus
    IdeLauncher launcher;          // how the IDE is launched
    int ddeTimeout = kIdeTimeout;  // set process-wide before the IDE is reached
};

// Asks the IDE to export `dictionaryPath` into `txdPath`. Returns true once the
// IDE has acknowledged the export, false after the user has been shown why it
// failed:
//   "Unable to run Velmora 4 after 10 attempts." / "ERROR LAUNCHING Velmora 4"
//   "Error <IDE number>: <IDE message, 32 characters>" / "DDE ERROR"
//   "DDE Timeout" / "DDE ERROR"
//   "Error <code>: <runtime text>" / "ERROR"
// and, before the IDE is contacted at all, when a path cannot be carried by
// the export command (see IsCommandSafePath). While the IDE is launched its
// "autopick" setting is off (AutopickSuspension).
bool ExportThroughIde(const std::string& dictionaryPath, const std::string& txdPath,
                      const IdeExportSettings& settings);

// The message texts of the two path refusals (caption "ERROR"); the path is
// shown as program text.
std::string UnsafeDictionaryPathMessage(const std::string& dictionaryPath);
std::string UnsafeExportPathMessage(const std::string& txdPath);

}  // namespace app
