// Parse throughput over an export held in memory, and the file layer's read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench/bench_exports.h"
#include "dictionary/export_file.h"
#include "dictionary/model_json.h"
#include "dictionary/release_model.h"
#include "dictionary/txd_parser.h"
#include "dictionary/writeback_file.h"

namespace {

void BM_ParseExport(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        // Building the model and freeing it again: both are what a parse costs.
        auto model = std::make_unique<dictionary::DictionaryModel>();
        dictionary::ParseAll(*model, text, "BENCH.TXD");
        benchmark::DoNotOptimize(model->FILE);
        model.reset();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseExport)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// As kestrian-doc and the program parse: the model adopts the export, so its
// texts point into it; then the model is released (written back to nowhere
// and freed) or only freed. The copy of the export the model adopts is made
// outside the timing.
void BM_ParseAdoptedExport(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    const bool release = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<dictionary::DictionaryModel>();
        const std::string_view bytes = model->storage.Adopt(text);
        state.ResumeTiming();
        dictionary::ParseAll(*model, bytes, "BENCH.TXD");
        if (release) {
            dictionary::WritebackFile nowhere;
            nowhere.Create("/dev/null");
            dictionary::ReleaseModelInto(*model, nowhere);
            nowhere.Close();
        }
        model.reset();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseAdoptedExport)
    ->ArgsProduct({{20}, {0, 1}})
    ->ArgNames({"MB", "release"})
    ->Unit(benchmark::kMillisecond);

void BM_ReadExport(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    std::filesystem::path path = std::filesystem::temp_directory_path() / "kestrian-bench-read.TXD";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    for (auto _ : state) {
        dictionary::ExportRead read = dictionary::ReadExport(path.string());
        benchmark::DoNotOptimize(read.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadExport)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ModelJson(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    dictionary::DictionaryModel model;
    dictionary::ParseAll(model, text, "BENCH.TXD");
    std::size_t bytes = 0;
    for (auto _ : state) {
        dictionary::WriteModelJson(model,
                                   [&bytes](std::string_view piece) { bytes += piece.size(); });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ModelJson)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
