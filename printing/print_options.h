// The print options window ("Print Dictionary"), opened by File > Print.
#pragma once

#include <string>

#include "dictionary/model.h"
#include "printing/core/print_options.h"
#include "runtime/layout.h"

namespace printing {

// Control numbers of the print options window.
namespace print_options {
constexpr int PrinterName = 2;
constexpr int PrinterPort = 4;
constexpr int Paper = 6;
constexpr int Bin = 8;
constexpr int Resolution = 10;
constexpr int PrinterSetup = 11;
constexpr int PageSetup = 12;
constexpr int List = 14;
constexpr int TitlePage = 16;
constexpr int Summary = 17;
constexpr int Aliases = 18;
constexpr int Keys = 19;
constexpr int Relations = 20;
constexpr int Preview = 21;
constexpr int Close = 22;
constexpr int Print = 23;
}  // namespace print_options

// The window's layout ("KESTR004").
rt::Layout PrintOptionsLayout();

// The files list's format: the entry's one-letter type, then its name in a
// column `nameWidth` dialog units wide. The layout gives the names 400; the
// window narrows them to the widest name it shows, and the column reaches
// to the list's right edge all the same.
std::string FilesListFormat(int nameWidth);

// The six option flags: they live for the whole run, are kept between
// openings of the window and are touched only on the frame's thread.
printing::PrintFlags& PrintOptionFlags();

// Runs the print options of `model`, read from the dictionary at `path`, on
// the calling thread (the frame's) until they close and, when Print was
// pressed, the report after them.
void KESTR004(const dictionary::DictionaryModel& model, const std::string& path);

}  // namespace printing
