// The dictionary report as a pure layout: from the model, the entries to
// print and the flags to pages of drawing operations. One entry is printed
// per Step, so a window can pace the work with a timer and stop it early.
//
//     DictionaryReport report(model, entries, flags, settings, sink);
//     if (report.Start())
//         while (report.Step()) { show report.Percent(); }
//     report.Finish();           // completes the last page
//
// The model and the entries must outlive the report.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/scanner.h"
#include "printing/core/print_options.h"
#include "printing/core/report_engine.h"
#include "printing/core/report_tables.h"

namespace printing {

struct ReportSettings {
    std::string dictionaryPath;  // DictionaryPath
    std::string printedAt;       // today's date (picture 7), a blank, the time (picture 6)
    std::string titleText;       // the program's title line
    PageMetrics metrics;
};

// The status bar while printing: zone 1 "Printing: " and a bar of `percent`
// characters "|", zone 2 the percentage and "% printed".
struct ProgressStatus {
    std::string bar;
    std::string percent;
};
ProgressStatus ProgressStatusOf(int percent);

class DictionaryReport {
  public:
    DictionaryReport(const dictionary::DictionaryModel& model, const FilesToPrint& entries,
                     PrintFlags flags, ReportSettings settings, PageSink sink);
    // The engine's footer and groups refer back to the report.
    DictionaryReport(const DictionaryReport&) = delete;
    DictionaryReport& operator=(const DictionaryReport&) = delete;

    // Builds the working lists and prints the title page and the summary.
    // False when the dictionary has no files: nothing is printed.
    bool Start();
    // Prints the next entry; false when there is none left (the report is
    // then complete).
    bool Step();
    // The whole percentage of the entry printed last (0 before the first).
    int Percent() const noexcept { return percent_; }
    // The last entry was printed, or only the summary was asked for.
    bool Complete() const noexcept { return complete_; }
    // Completes the last page. Pages are numbered from the first one handed
    // to the sink.
    void Finish();

    std::int32_t PagesDone() const noexcept { return engine_.PagesDone(); }
    std::size_t EntryCount() const noexcept { return printList_.size(); }

  private:
    void PrintTitlePage();
    void PrintSummary();
    void PrintEntry(const FilesToPrintRow& entry);
    void PrintTable(const ReportTable& table);
    void PrintTextLine(const std::string& text);

    Band EntryHeadingBand() const;
    Band TableHeadingBand() const;
    Band FooterBand(std::int32_t page) const;

    const dictionary::DictionaryModel& model_;
    const FilesToPrint& entries_;
    PrintFlags flags_;
    ReportSettings settings_;
    ReportEngine engine_;
    dictionary::Scanner scanner_;

    // The entry of printList_ for the file labelled `label`; null when that
    // file is not printed.
    const FilesToPrintRow* PrintedFile(std::string_view label) const;

    FilesToPrint printList_;                                        // PrintList
    std::vector<std::pair<std::int32_t, std::string>> aliasIndex_;  // AliasIndex (REF, LABEL)
    std::optional<dictionary::RelationIndex> relationIndex_;        // RelationIndex

    std::size_t next_ = 0;  // index in printList_ of the entry to print next
    int percent_ = 0;
    bool complete_ = false;
    bool started_ = false;

    // The report's text variables.
    std::string entryKind_;
    std::string name_;
    std::string tableHeading_;
    std::vector<std::string> tableHeadingLines_;  // tableHeading_ as it is printed
    std::string footerText_;
};

// Runs a whole report at once (the batch tool, benchmarks), handing each
// page to the sink as it is completed; `onEntry` gets the percentage after
// each entry. False when the dictionary has no files (no page at all).
bool RunReport(const dictionary::DictionaryModel& model, const FilesToPrint& entries,
               PrintFlags flags, ReportSettings settings, PageSink sink,
               const std::function<void(int percent)>& onEntry = {});

// RunReport, collecting the pages.
std::vector<ReportPage> BuildReport(const dictionary::DictionaryModel& model,
                                    const FilesToPrint& entries, PrintFlags flags,
                                    ReportSettings settings,
                                    const std::function<void(int percent)>& onEntry = {});

// The pages as plain text: each band's lines in order, trailing blanks
// removed and control bytes made visible (rt::ShowControlBytes), a form
// feed line after each page.
std::string ReportText(const std::vector<ReportPage>& pages);

}  // namespace printing
