// The dictionary report ("Preparing Report"): one entry printed per timer
// tick with the progress in the frame's status bar; Esc stops it. Its pages
// are kept as page images that go to the preview or straight to the
// program-wide printer, and are removed however the report ends.
#pragma once

#include <string>

#include "dictionary/model.h"
#include "printing/core/print_options.h"

namespace printing {

// Control numbers of the progress window.
namespace report_window {
constexpr int Preparing = 1;
constexpr int PressEsc = 2;
}  // namespace report_window

// Runs the report on the calling thread (the frame's) until it has been
// printed, previewed or stopped.
void KESTR008(const dictionary::DictionaryModel& model, const std::string& path,
              printing::FilesToPrint& files, const printing::PrintFlags& flags);

}  // namespace printing
