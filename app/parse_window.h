// The parse window: parses an export into the loaded model, showing its
// progress in the frame's status bar.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The "ERROR OPENING DICTIONARY" box for an export that cannot be opened,
// read or held: the runtime's error `error` and its text, and the path.
void ReportExportError(int error, const std::string& txdPath);

// Parses the export into the loaded model, a slice of lines per timer tick,
// until the export is done or the window is closed (Esc, or a close posted by
// the dictionary lifecycle). `exportBytes` are the export as the loaded model
// keeps it. Returns true when the parse completed.
bool KESTR003(std::string_view exportBytes);

}  // namespace app
