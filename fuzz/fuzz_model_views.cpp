// Fuzz target: the dictionary window's list builds and the report layout on
// the model parsed from an export of any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dictionary/txd_parser.h"
#include "display/core/dictionary_lists.h"
#include "printing/core/dictionary_report.h"
#include "printing/core/print_options.h"

namespace {

// Builds at most this many selections and report entries per input, so that
// one large input cannot take the fuzzer's whole time.
constexpr std::int32_t kMaxSelections = 16;

int CharacterWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 4;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dictionary::DictionaryModel model;
    dictionary::ParseAll(model, bytes, "FUZZ.TXD");

    display::DictionaryLists lists(model, "FUZZ.TXD", CharacterWidth);
    if (lists.Build(0)) {
        const auto rows = static_cast<std::int32_t>(lists.Files().rows.size());
        for (std::int32_t row = 1; row <= rows && row <= kMaxSelections; ++row) lists.Build(row);
        lists.Pick(rows);
        lists.Build(rows + 1);
    }
    (void)lists.PickText();

    printing::PrintFlags flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(model, flags, entries);
    for (std::size_t i = kMaxSelections; i < entries.size(); ++i) entries[i].SELECTED = 0;
    printing::PrintFlags reportFlags = flags;
    reportFlags.PrintPreview = false;
    printing::ReportSettings settings;
    settings.dictionaryPath = "FUZZ.TXD";
    settings.printedAt = "01/02/2026 12:00";
    settings.titleText = "KESTRIAN";
    (void)printing::ReportText(printing::BuildReport(model, entries, reportFlags, settings));
    return 0;
}
