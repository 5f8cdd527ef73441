// File > Open up to the point where a text export (.TXD) is ready to parse:
// the open-file dialog, the remembered choice, and for a .DCT the export
// through the IDE. What follows (releasing the old model, creating the new
// one, the menu and the parse window) belongs to the frame.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/ide_export.h"
#include "runtime/dialogs.h"

namespace app {

inline constexpr const char* kProgramSettingsFile = "KESTRIAN.INI";
inline constexpr const char* kDefaultsSection = "Defaults";
inline constexpr const char* kLastDictionaryKey = "LastDictionaryUsed";
inline constexpr const char* kDictionaryDialogTitle = "Velmora Dictionaries";
inline constexpr const char* kTempExportName = "Temp.TXD";

// The globals of the frame that an Open reads and writes. On return they hold
// what the frame keeps, also after a cancel or a failure.
struct AcquisitionState {
    std::string dictionaryPath;  // DictionaryPath
    std::string txdPath;         // TxdPath
    bool tempExport = false;     // TempExport
};

enum class Acquisition {
    Cancelled,  // the dialog was cancelled: the open is cancelled
    Failed,     // the user has seen why: the open is cancelled
    Ready,      // txdPath names the export to parse
};

struct AcquisitionHooks {
    StatusSink showStatus;         // required: the frame's ShowStatus
    std::function<void()> redraw;  // redraws the windows after the dialog; may be empty
    IdeLauncher launcher;          // how the IDE is launched
    int ddeTimeout = kIdeTimeout;
};

// The dialog's request: title "Velmora Dictionaries", the filters
// "Velmora Dictionaries (*.DCT)" / "*.DCT" and "Exported Text (*.TXD)" /
// "*.TXD", starting from DialogStartPath(lastDictionaryUsed).
rt::OpenFileRequest DictionaryDialogRequest(const std::string& lastDictionaryUsed);

// Where the dialog starts: `lastDictionaryUsed` itself while its folder
// exists; otherwise the nearest folder above it that still exists, so that a
// dictionary folder that was removed or renamed does not stop the dialog;
// "" when there is nothing to start from.
std::string DialogStartPath(const std::string& lastDictionaryUsed);

// Whether the last three characters, upper-cased, are "DCT".
bool IsDctPath(std::string_view path);

// The temporary export: the short form of the current directory followed by
// "/Temp.TXD".
std::string TempExportPath();

// Runs File > Open through the dialog service (rt::Dialogs()) and, for a
// .DCT, the IDE:
//   1. dictionaryPath := "LastDictionaryUsed" of "Defaults" in "KESTRIAN.INI";
//   2. the open-file dialog, unless `chosen` already names the dictionary
//      (the program's command line); cancelled -> Cancelled;
//   3. redraw, then the choice is written to "LastDictionaryUsed" as chosen;
//   4. dictionaryPath := its short form when that is not blank;
//   5. not ending in "DCT": txdPath := dictionaryPath, tempExport := false -> Ready;
//   6. otherwise txdPath := TempExportPath(), tempExport := true, and the
//      export through the IDE -> Ready or Failed.
Acquisition AcquireDictionary(AcquisitionState& state, const AcquisitionHooks& hooks,
                              std::optional<std::string> chosen = std::nullopt);

}  // namespace app
