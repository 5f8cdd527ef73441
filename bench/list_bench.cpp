// The dictionary window's list builds on a large dictionary: the first build
// (5,000 files and their aliases) and selecting a file of 500 fields and 50
// keys among 20,000 relations.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "bench/txd_generator.h"
#include "dictionary/txd_parser.h"
#include "display/core/dictionary_lists.h"

namespace {

int CharacterWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 4;
}

// Parsed once for all runs, per number of files: 40 fields each, a first
// file of 500 fields and 50 keys, four relations a file.
const dictionary::DictionaryModel& LargeModel(std::size_t files) {
    static std::map<std::size_t, std::unique_ptr<dictionary::DictionaryModel>> models;
    auto& model = models[files];
    if (!model) {
        bench::TxdShape shape;
        shape.files = files;
        shape.fieldsPerFile = 40;
        shape.relations = 4 * files;
        shape.firstFileFields = 500;
        shape.firstFileKeys = 50;
        model = std::make_unique<dictionary::DictionaryModel>();
        const std::string_view bytes = model->storage.Adopt(bench::GenerateTxd(shape));
        dictionary::ParseAll(*model, bytes, "BENCH.TXD");
    }
    return *model;
}

void BM_FirstBuild(benchmark::State& state) {
    const dictionary::DictionaryModel& model = LargeModel(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        display::DictionaryLists lists(model, "BENCH.TXD", CharacterWidth);
        lists.Build(0);
        benchmark::DoNotOptimize(lists.Files().rows.data());
    }
}
BENCHMARK(BM_FirstBuild)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_SelectLargeFile(benchmark::State& state) {
    const dictionary::DictionaryModel& model = LargeModel(static_cast<std::size_t>(state.range(0)));
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
BENCHMARK(BM_SelectLargeFile)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
