#include "printing/core/printer_info.h"

#include <array>

namespace printing {

namespace {

constexpr std::array<std::string_view, 41> kPaperNames = {
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive 7 1/4 x 10 1/2 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 Small 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 250 x 354",
    "B5 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Envelope #9 3 7/8 x 8 7/8",
    "Envelope #10 4 1/8 x 9 1/2",
    "Envelope #11 4 1/2 x 10 3/8",
    "Envelope #12 4 \xBE x 11",
    "Envelope #14 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Envelope DL 110 x 220mm",
    "Envelope C5 162 x 229 mm",
    "Envelope C3  324 x 458 mm",
    "Envelope C4  229 x 324 mm",
    "Envelope C6  114 x 162 mm",
    "Envelope C65 114 x 229 mm",
    "Envelope B4  250 x 353 mm",
    "Envelope B5  176 x 250 mm",
    "Envelope B6  176 x 125 mm",
    "Envelope 110 x 230 mm",
    "Envelope Monarch 3.875 x 7.5 in",
    "6 3/4 Envelope 3 5/8 x 6 1/2 in",
    "US Std Fanfold 14 7/8 x 11 in",
    "German Std Fanfold 8 1/2 x 12 in",
    "German Legal Fanfold 8 1/2 x 13 in",
};

// Codes 1 to 14; 12 and 13 have no name.
constexpr std::array<std::string_view, 14> kBinNames = {
    "Upper",           "Lower", "Middle",  "Manual",       "Envelope",
    "Envelope Manual", "Auto",  "Tractor", "Small Format", "Large Format",
    "Large Capacity",  "",      "",        "Cassette",
};

}  // namespace

std::optional<std::string_view> PaperName(std::int32_t code) {
    if (code < 1 || code > static_cast<std::int32_t>(kPaperNames.size())) return std::nullopt;
    return kPaperNames[static_cast<std::size_t>(code - 1)];
}

std::optional<std::string_view> BinName(std::int32_t code) {
    if (code < 1 || code > static_cast<std::int32_t>(kBinNames.size())) return std::nullopt;
    std::string_view name = kBinNames[static_cast<std::size_t>(code - 1)];
    if (name.empty()) return std::nullopt;
    return name;
}

std::string ResolutionText(std::int32_t code) {
    switch (code) {
        case -1:
            return "Draft";
        case -2:
            return "Low";
        case -3:
            return "Medium";
        case -4:
            return "High";
        default:
            return std::to_string(code) + " dpi";
    }
}

void FillPrinterTexts(const PrinterInfo& printer, PrinterTexts& texts) {
    texts.name = printer.deviceName;
    texts.port = printer.port;
    if (auto paper = PaperName(printer.paperCode)) texts.paper = std::string(*paper);
    if (auto bin = BinName(printer.binCode)) texts.bin = std::string(*bin);
    texts.resolution = ResolutionText(printer.resolution);
}

}  // namespace printing
