// Parsing a dictionary export into a new model, with its progress window.
#pragma once

#include <memory>
#include <string>

namespace dict {
class ExportFile;
}

namespace app {

// Opens the export at `txdPath`. When it cannot be opened, or is larger than
// the memory that can be had, shows the "ERROR OPENING DICTIONARY" box and
// returns null.
std::unique_ptr<dict::ExportFile> OpenExportOrReport(const std::string& txdPath);

// Runs on the frame's thread once the export is open: releases the loaded
// model, reads the export whole, creates an empty model, enables Close and
// Print, and starts the parse window on a thread of its own. Returns that
// thread's number, or 0 when the export could not be read.
int StartParse(std::unique_ptr<dict::ExportFile> exportFile, bool tempExport);

// The parse window: parses the bytes into the loaded model, a slice of lines
// per timer tick, and hands over to the dictionary window when done.
void KESTR003(std::shared_ptr<const std::string> exportBytes);

}  // namespace app
