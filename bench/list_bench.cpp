// The dictionary window's list builds on a large dictionary: the first build
// (5,000 files and their aliases) and selecting a file of 500 fields and 50
// keys among 20,000 relations.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/txd_generator.h"
#include "dictionary/txd_parser.h"
#include "display/core/dictionary_lists.h"

namespace {

int CharacterWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 4;
}

// Parsed once for all runs.
const dict::DictionaryModel& LargeModel() {
    static const std::unique_ptr<dict::DictionaryModel> model = [] {
        bench::TxdShape shape;
        shape.files = 5000;
        shape.fieldsPerFile = 40;
        shape.relations = 20000;
        shape.firstFileFields = 500;
        shape.firstFileKeys = 50;
        auto parsed = std::make_unique<dict::DictionaryModel>();
        dict::ParseAll(*parsed, bench::GenerateTxd(shape), "BENCH.TXD");
        return parsed;
    }();
    return *model;
}

void BM_FirstBuild(benchmark::State& state) {
    const dict::DictionaryModel& model = LargeModel();
    for (auto _ : state) {
        display::DictionaryLists lists(model, "BENCH.TXD", CharacterWidth);
        lists.Build(0);
        benchmark::DoNotOptimize(lists.Files().rows.data());
    }
}
BENCHMARK(BM_FirstBuild)->Unit(benchmark::kMillisecond);

void BM_SelectLargeFile(benchmark::State& state) {
    const dict::DictionaryModel& model = LargeModel();
    display::DictionaryLists lists(model, "BENCH.TXD", CharacterWidth);
    lists.Build(0);
    const std::int32_t row = display::FindFileRow(lists.Files(), model.FILE->front().LABEL.view());
    for (auto _ : state) {
        lists.Build(row);
        benchmark::DoNotOptimize(lists.Fields().rows.data());
    }
    state.counters["fields"] = static_cast<double>(lists.Fields().rows.size());
    state.counters["keyRows"] = static_cast<double>(lists.Keys().rows.size());
    state.counters["relationRows"] = static_cast<double>(lists.Relations().rows.size());
}
BENCHMARK(BM_SelectLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
