// Time to release a parsed model: writing the export back and freeing it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/bench_exports.h"
#include "dictionary/release_model.h"
#include "dictionary/txd_parser.h"

namespace {

void BM_ReleaseModel(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kestrian-bench-release";
    std::filesystem::create_directories(folder);
    std::string target = (folder / "TEST.TXD").string();
    for (auto _ : state) {
        state.PauseTiming();
        dictionary::DictionaryModel model;
        dictionary::ParseAll(model, text, "BENCH.TXD");
        state.ResumeTiming();
        dictionary::ReleaseModelTo(model, target);
    }
    state.counters["export_MB"] = static_cast<double>(text.size()) / (1 << 20);
    state.counters["written_MB"] =
        static_cast<double>(std::filesystem::file_size(target)) / (1 << 20);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReleaseModel)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// Freeing a parsed model alone, without the write-back.
void BM_FreeModel(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<dictionary::DictionaryModel>();
        dictionary::ParseAll(*model, text, "BENCH.TXD");
        state.ResumeTiming();
        model.reset();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FreeModel)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
