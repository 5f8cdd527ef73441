// Parse throughput over an export held in memory, and the file layer's read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench/bench_exports.h"
#include "dictionary/export_file.h"
#include "dictionary/model_json.h"
#include "dictionary/txd_parser.h"

namespace {

void BM_ParseExport(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        // Building the model and freeing it again: both are what a parse costs.
        auto model = std::make_unique<dict::DictionaryModel>();
        dict::ParseAll(*model, text, "BENCH.TXD");
        benchmark::DoNotOptimize(model->FILE);
        model.reset();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseExport)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ReadExport(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    std::filesystem::path path = std::filesystem::temp_directory_path() / "kestrian-bench-read.TXD";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    for (auto _ : state) {
        dict::ExportRead read = dict::ReadExport(path.string());
        benchmark::DoNotOptimize(read.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadExport)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ModelJson(benchmark::State& state) {
    const std::string& text = bench::ExportOfMegabytes(static_cast<std::size_t>(state.range(0)));
    dict::DictionaryModel model;
    dict::ParseAll(model, text, "BENCH.TXD");
    std::size_t bytes = 0;
    for (auto _ : state) {
        dict::WriteModelJson(model, [&bytes](std::string_view piece) { bytes += piece.size(); });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ModelJson)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
