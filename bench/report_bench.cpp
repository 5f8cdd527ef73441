// The dictionary report on a synthetic dictionary of 5,000 files: the layout
// into pages, the layout written as a PDF, and kestrian-doc report to PDF as
// a separate process. Counters give pages per second.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/bench_exports.h"
#include "bench/txd_generator.h"
#include "dictionary/txd_parser.h"
#include "printing/core/dictionary_report.h"
#include "runtime/core/pdf_writer.h"

namespace {

bench::TxdShape ReportShape() {
    bench::TxdShape shape;
    shape.files = 5000;
    return shape;
}

// Parsed once for all runs.
const dictionary::DictionaryModel& LargeModel() {
    static const std::unique_ptr<dictionary::DictionaryModel> model = [] {
        auto parsed = std::make_unique<dictionary::DictionaryModel>();
        dictionary::ParseAll(*parsed, bench::GenerateTxd(ReportShape()), "BENCH.TXD");
        return parsed;
    }();
    return *model;
}

// Every entry marked, as the print options list them.
const printing::FilesToPrint& AllEntries() {
    static const printing::FilesToPrint entries = [] {
        printing::PrintFlags flags;
        printing::FilesToPrint rows;
        printing::FillFilesToPrint(LargeModel(), flags, rows);
        return rows;
    }();
    return entries;
}

printing::ReportSettings Settings() {
    printing::ReportSettings settings;
    settings.dictionaryPath = "BENCH.TXD";
    settings.printedAt = " 8 DEC 26  6:00:00AM";
    settings.titleText = "KESTRIAN";
    return settings;
}

void BM_ReportLayout(benchmark::State& state) {
    // Made before the clock starts.
    const dictionary::DictionaryModel& model = LargeModel();
    const printing::FilesToPrint& entries = AllEntries();
    std::int64_t pages = 0;
    for (auto _ : state) {
        printing::RunReport(model, entries, {}, Settings(), [&](printing::ReportPage&& page) {
            benchmark::DoNotOptimize(page.drawing.ops.data());
            ++pages;
        });
    }
    state.counters["pages"] = static_cast<double>(pages) / static_cast<double>(state.iterations());
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportLayout)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReportToPdf(benchmark::State& state) {
    const dictionary::DictionaryModel& model = LargeModel();
    const printing::FilesToPrint& entries = AllEntries();
    std::int64_t pages = 0;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        rt::PdfWriter pdf([&](std::string_view chunk) {
            bytes += chunk.size();
            return true;
        });
        printing::RunReport(model, entries, {}, Settings(), [&](printing::ReportPage&& page) {
            pdf.AddPage(page.drawing);
            ++pages;
        });
        pdf.Finish();
    }
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
    state.counters["MB"] =
        static_cast<double>(bytes) / 1e6 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef KESTRIAN_DOC_PATH
// The whole command, parse included, writing the PDF to a file.
void BM_KestrianDocReportPdf(benchmark::State& state) {
    const auto made = bench::FolderWithExport(bench::GenerateTxd(ReportShape()));
    if (!made) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder = *made;
    const std::string command =
        "cd '" + folder.string() + "' && '" KESTRIAN_DOC_PATH "' report BENCH.TXD -o BENCH.pdf";
    std::int64_t pages = 0;
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("kestrian-doc report failed");
            break;
        }
    }
    // The page count of the layout, once.
    printing::RunReport(LargeModel(), AllEntries(), {}, Settings(),
                        [&](printing::ReportPage&&) { ++pages; });
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["PDF MB"] =
        static_cast<double>(std::filesystem::file_size(folder / "BENCH.pdf")) / 1e6;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_KestrianDocReportPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
#endif

}  // namespace
