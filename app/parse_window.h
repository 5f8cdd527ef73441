// Parsing a dictionary export into a new model, with its progress window.
#pragma once

#include <memory>
#include <string>

namespace app {

// Reads the export at `txdPath` whole. When it cannot be read, shows the
// "ERROR OPENING DICTIONARY" box and returns null.
std::shared_ptr<const std::string> ReadExportOrReport(const std::string& txdPath);

// Runs on the frame's thread once the export's bytes are in memory: releases
// the loaded model, creates an empty one, enables Close and Print, and starts
// the parse window on a thread of its own. Returns that thread's number.
int StartParse(std::shared_ptr<const std::string> exportBytes, const std::string& txdPath,
               bool tempExport);

// The parse window: parses the bytes into the loaded model, a slice of lines
// per timer tick, and hands over to the dictionary window when done.
void KESTR003(std::shared_ptr<const std::string> exportBytes);

}  // namespace app
