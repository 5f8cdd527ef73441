// The parse window: parses an export into the loaded model, showing its
// progress in the frame's status bar.
#pragma once

#include <memory>
#include <string>

namespace app {

// The "ERROR OPENING DICTIONARY" box for an export that cannot be opened,
// read or held: the runtime's error `error` and its text, and the path.
void ReportExportError(int error, const std::string& txdPath);

// Parses the bytes into the loaded model, a slice of lines per timer tick,
// until the export is done or the window is closed (Esc, or a close posted by
// the dictionary lifecycle). Returns true when the parse completed.
bool KESTR003(std::shared_ptr<const std::string> exportBytes);

}  // namespace app
