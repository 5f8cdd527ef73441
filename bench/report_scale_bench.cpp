// The report and the print options on very large dictionaries: a full
// report of 100,000 files and 10,000 aliases (pages per second), the print
// options' list of 200,000 files, and a one-page report of a 200,000-file
// dictionary against `kestrian-doc lists` of the same export.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/bench_exports.h"
#include "bench/txd_generator.h"
#include "dictionary/txd_parser.h"
#include "printing/core/dictionary_report.h"

namespace {

bench::TxdShape Shape(std::size_t files) {
    bench::TxdShape shape;
    shape.files = files;
    shape.fieldsPerFile = 8;
    shape.relations = files / 2;
    return shape;
}

// Parsed once for all runs, per size.
const dictionary::DictionaryModel& ModelOf(std::size_t files) {
    static std::map<std::size_t, std::unique_ptr<dictionary::DictionaryModel>> models;
    auto& model = models[files];
    if (!model) {
        model = std::make_unique<dictionary::DictionaryModel>();
        const std::string_view bytes = model->storage.Adopt(bench::GenerateTxd(Shape(files)));
        dictionary::ParseAll(*model, bytes, "BENCH.TXD");
    }
    return *model;
}

void BM_FullReport(benchmark::State& state) {
    const dictionary::DictionaryModel& model = ModelOf(static_cast<std::size_t>(state.range(0)));
    printing::PrintFlags flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(model, flags, entries);
    printing::ReportSettings settings;
    settings.dictionaryPath = "BENCH.TXD";
    std::int64_t pages = 0;
    for (auto _ : state) {
        printing::RunReport(model, entries, {}, settings, [&](printing::ReportPage&& page) {
            benchmark::DoNotOptimize(page.drawing.ops.data());
            ++pages;
        });
    }
    state.counters["entries"] = static_cast<double>(entries.size());
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FillFilesToPrint(benchmark::State& state) {
    const dictionary::DictionaryModel& model = ModelOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        printing::PrintFlags flags;
        printing::FilesToPrint entries;
        printing::FillFilesToPrint(model, flags, entries);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_FillFilesToPrint)->Arg(200000)->Unit(benchmark::kMillisecond);

#ifdef KESTRIAN_DOC_PATH
// Both commands whole, parse included: the report of one entry, without
// title page or summary, and the lists.
void BM_OnePageReportAgainstLists(benchmark::State& state) {
    const std::size_t files = static_cast<std::size_t>(state.range(0));
    const auto made = bench::FolderWithExport(bench::GenerateTxd(Shape(files)));
    if (!made) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder = *made;
    const std::string label(dictionary::Rows(ModelOf(files).FILE)[files / 2].LABEL.view());
    const std::string in = "cd '" + folder.string() + "' && '" KESTRIAN_DOC_PATH "' ";
    const std::string report =
        in + "report BENCH.TXD --select " + label + " --no-title-page --no-summary -o one.pdf";
    const std::string lists = in + "lists BENCH.TXD >/dev/null";
    auto seconds = [&](const std::string& command) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) state.SkipWithError(command.c_str());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    double reportTime = 0;
    double listsTime = 0;
    for (auto _ : state) {
        reportTime += seconds(report);
        listsTime += seconds(lists);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["report s"] = reportTime / runs;
    state.counters["lists s"] = listsTime / runs;
    state.counters["report/lists"] = reportTime / listsTime;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_OnePageReportAgainstLists)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
#endif

}  // namespace
