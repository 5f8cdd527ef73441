// What the print options show about the report printer: its name and port,
// and its paper, paper source and resolution codes turned into names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace printing {

// The printer as the platform reports it; codes are the Windows device-mode
// values (paper DMPAPER_*, source DMBIN_*, quality DMRES_* or dots per inch).
struct PrinterInfo {
    std::string deviceName;
    std::string port;
    std::int32_t paperCode = 0;
    std::int32_t binCode = 0;
    std::int32_t resolution = 0;
};

// The name of a paper code (Windows-1252); nullopt when the code is unknown.
std::optional<std::string_view> PaperName(std::int32_t code);
// The name of a paper-source code; nullopt when the code is unknown.
std::optional<std::string_view> BinName(std::int32_t code);
// "Draft", "Low", "Medium", "High" for -1 to -4; otherwise the number and " dpi".
std::string ResolutionText(std::int32_t code);

// The five texts of the "Printer" group.
struct PrinterTexts {
    std::string name;
    std::string port;
    std::string paper;
    std::string bin;
    std::string resolution;
};

// Refills the texts from the printer; a paper or bin code that no table
// knows leaves that text as it was.
void FillPrinterTexts(const PrinterInfo& printer, PrinterTexts& texts);

}  // namespace printing
