// kestrian-doc report: the dictionary report, as if every entry (or those
// named with --select) were marked and Preview unticked, as a PDF or as text.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/labels.h"
#include "printing/core/dictionary_report.h"
#include "printing/core/print_options.h"
#include "runtime/core/date_pictures.h"
#include "runtime/core/dates.h"
#include "runtime/core/paper_sizes.h"
#include "runtime/core/pdf_writer.h"
#include "runtime/core/program_title.h"
#include "runtime/core/safe_file.h"
#include "runtime/core/windows1252.h"
#include "tools/command_output.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// The program's title line, as the frame shows it; the report's footer
// carries it too.

constexpr int kPrintedDatePicture = 7;
constexpr int kPrintedTimePicture = 6;

// Marks only the named entries; false after a message when a name is unknown.
bool SelectNamed(printing::FilesToPrint& entries, const ReportArguments& options) {
    std::vector<std::string_view> names;
    for (printing::FilesToPrintRow& entry : entries) {
        entry.SELECTED = 0;
        names.push_back(entry.NAME.view());
    }
    for (const std::string& name : options.selected) {
        const std::optional<std::size_t> chosen =
            ChooseSelected("report", options.input, names, name);
        if (!chosen) return false;
        const std::string label(dictionary::LabelKey(names[*chosen]));
        for (printing::FilesToPrintRow& entry : entries) {
            if (dictionary::SameLabel(entry.NAME.view(), label)) entry.SELECTED = 1;
        }
    }
    return true;
}

std::string PrintedAt() {
    return rt::FormatDate(rt::Today(), kPrintedDatePicture) + " " +
           rt::FormatTime(rt::Clock(), kPrintedTimePicture);
}

}  // namespace

int RunReport(Args args) {
    const std::optional<ReportArguments> read = ReadReportArguments(args);
    if (!read) return kExitOk;
    const ReportArguments& options = *read;
    auto model = LoadExport(options.input);
    if (!model) return kExitBadInput;
    if (!model->FILE || model->FILE->empty()) {
        // Nothing to print: an existing output file stays as it was.
        std::fprintf(stderr, "kestrian-doc: report: %s has no files; nothing is printed\n",
                     options.input.c_str());
        return kExitOutputFailed;
    }

    printing::PrintFlags flags = options.flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(*model, flags, entries);
    if (!options.selected.empty() && !SelectNamed(entries, options)) return kExitBadInput;

    printing::PrintFlags reportFlags = flags;
    reportFlags.PrintPreview = false;
    printing::ReportSettings settings;
    settings.dictionaryPath = options.input;
    settings.printedAt = PrintedAt();
    settings.titleText = rt::kProgramTitle;
    const rt::SheetSize sheet = options.paper;
    settings.metrics = options.landscape ? printing::MetricsForSheet(sheet.height, sheet.width)
                                         : printing::MetricsForSheet(sheet.width, sheet.height);

    CommandOutput output("report");
    if (!output.Open(options.output)) return kExitOutputFailed;
    bool written = true;
    if (options.text) {
        printing::RunReport(
            *model, entries, reportFlags, settings, [&](printing::ReportPage&& page) {
                std::string text = rt::Windows1252ToUtf8(printing::ReportText({page}));
                written = output.Write(text) && written;
            });
    } else {
        rt::PdfWriter pdf([&](std::string_view bytes) { return output.Write(bytes); });
        printing::RunReport(
            *model, entries, reportFlags, settings,
            [&](printing::ReportPage&& page) { written = pdf.AddPage(page.drawing) && written; });
        written = pdf.Finish() && written;
    }
    return output.Close(written);
}

}  // namespace tools
