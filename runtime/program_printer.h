// The one printer of the run. File > Print Setup, the print options' two
// printer dialogs and the report all use it, so a choice made in any dialog
// holds for all later printing. It starts on the system's default CUPS queue;
// when the system has no queue at all it is a PDF file whose path the user
// chooses when pages are sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/page_drawing.h"
#include "runtime/dialogs.h"

class QPrinter;

namespace rt {

// The printer as the print options show it.
struct PrinterState {
    std::string name;             // the queue's name, or the PDF printer's
    std::string port;             // the queue's device URI, or the PDF file's path
    std::int32_t paperCode = 0;   // Windows paper code of the page size
    std::int32_t binCode = 0;     // Windows paper-source code
    std::int32_t resolution = 0;  // dots per inch
    int sheetWidth = 0;           // thousandths of an inch, as the paper lies
    int sheetHeight = 0;
    bool pdfFile = false;  // no system queue: pages go to a PDF file
};

// The name the PDF printer goes by when the system has no queue.
inline constexpr const char* kPdfPrinterName = "PDF file";

// The program-wide printer, created on first use. GUI thread only.
QPrinter& ProgramPrinter();
// Drops the printer (when the GUI stops); the next use makes a new one.
void ReleaseProgramPrinter();

// What the printer is now; from any thread.
PrinterState ReadProgramPrinter();

// Opens a printer dialog on the program-wide printer through the dialog
// service; true when the user accepted it.
bool ProgramPrinterDialog(const std::string& caption, PrinterDialogMode mode);

// Sends every page to the program-wide printer as one job named
// `jobName`, from a program thread. On the PDF printer the user first
// chooses the file; a file that cannot be written is reported in a box that
// names it and the choice is offered again, so nothing is lost. False when
// nothing was printed (cancelled, or the queue refused the job, which is
// reported too).
bool SendToProgramPrinter(const std::vector<Page>& pages, const std::string& jobName);

}  // namespace rt
