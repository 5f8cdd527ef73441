// GROUPs nested 1,000, 8,000 and 32,000 deep in one file: the dictionary
// window's lists (as `lists` and the window build them) and the report's
// layout. The cost per group stays flat as the depth grows (Complexity
// reports the fit), because indentation stops growing past a fixed depth.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "dictionary/txd_parser.h"
#include "display/core/dictionary_lists.h"
#include "printing/core/dictionary_report.h"

namespace {

// One file whose record holds `depth` GROUPs, each inside the one before,
// with a field at the bottom.
std::string NestedExport(int depth) {
    std::string out =
        "[DICTIONARY]\r\nVERSION '1'\r\n[FILES]\r\nDeep  FILE,PRE(DEE)\r\n"
        "!!> IDENT(1)\r\nRecord  RECORD,PRE()\r\n";
    for (int level = 0; level < depth; ++level) out += "G" + std::to_string(level) + "  GROUP\r\n";
    out += "Leaf  LONG\r\n";
    for (int level = 0; level < depth; ++level) out += "  END\r\n";
    out += "  END\r\nEND\r\n";
    return out;
}

std::unique_ptr<dictionary::DictionaryModel> NestedModel(int depth) {
    auto model = std::make_unique<dictionary::DictionaryModel>();
    const std::string_view bytes = model->storage.Adopt(NestedExport(depth));
    dictionary::ParseAll(*model, bytes, "DEEP.TXD");
    return model;
}

void Depths(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond)->Complexity();
}

void BM_NestedGroupsLists(benchmark::State& state) {
    const auto model = NestedModel(static_cast<int>(state.range(0)));
    const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 4; };
    for (auto _ : state) {
        display::DictionaryLists lists(*model, "DEEP.TXD", width);
        lists.Build(0);
        benchmark::DoNotOptimize(lists.Fields().rows.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NestedGroupsLists)->Apply(Depths);

void BM_NestedGroupsReport(benchmark::State& state) {
    const auto model = NestedModel(static_cast<int>(state.range(0)));
    printing::PrintFlags flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(*model, flags, entries);
    printing::ReportSettings settings;
    settings.dictionaryPath = "DEEP.TXD";
    std::int64_t pages = 0;
    for (auto _ : state) {
        printing::RunReport(*model, entries, {}, settings,
                            [&](printing::ReportPage&&) { ++pages; });
    }
    state.counters["pages"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kAvgIterations);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NestedGroupsReport)->Apply(Depths);

}  // namespace
