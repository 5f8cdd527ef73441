// kestrian-doc's workflow commands on the 14 MB, 300,000-line export, each
// against `model` on the same export, the whole command timed from outside:
// lint and diff (of two such exports) are to stay within twice the time of
// model, docs without diagrams within three times, and the diagram of one
// file's neighbourhood under a second.
#include <benchmark/benchmark.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_exports.h"

namespace {

constexpr std::size_t kMegabytes = 13;  // 14.1 MB, 301,000 lines

// A folder with BENCH.TXD and OTHER.TXD (the same shape, another seed),
// made once.
const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        const auto made = bench::FolderWithExport(bench::ExportOfMegabytes(kMegabytes));
        if (!made) std::abort();
        std::ofstream(*made / "OTHER.TXD", std::ios::binary)
            << bench::GenerateTxd({.targetBytes = kMegabytes << 20, .seed = 7});
        return *made;
    }();
    return folder;
}

// Runs the command each iteration; `untimed` (a shell command) before each.
void RunCommand(benchmark::State& state, const std::string& arguments, int expected,
                const std::string& untimed = {}) {
    const std::string in = "cd '" + Folder().string() + "' && ";
    const std::string command = in + "'" KESTRIAN_DOC_PATH "' " + arguments + " >/dev/null 2>&1";
    for (auto _ : state) {
        if (!untimed.empty()) {
            state.PauseTiming();
            const int cleared = std::system((in + untimed).c_str());
            state.ResumeTiming();
            if (cleared != 0) {
                state.SkipWithError("could not prepare the folder");
                break;
            }
        }
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
            state.SkipWithError(("kestrian-doc " + arguments + " failed").c_str());
            break;
        }
    }
}

void BM_Model(benchmark::State& state) {
    RunCommand(state, "model BENCH.TXD", 0);
}
// The generated relations pair fields of differing types: warnings only.
void BM_Lint(benchmark::State& state) {
    RunCommand(state, "lint BENCH.TXD", 0);
}
void BM_Diff(benchmark::State& state) {
    RunCommand(state, "diff BENCH.TXD OTHER.TXD", 1);
}
// Every page written each time: the folder is removed first, untimed.
void BM_DocsWithoutDiagrams(benchmark::State& state) {
    RunCommand(state, "docs BENCH.TXD -o docs --diagram none", 0, "rm -rf docs");
}
void BM_DiagramOfOneNeighbourhood(benchmark::State& state) {
    RunCommand(state, "diagram BENCH.TXD --select Payment0 --distance 1 --format svg", 0);
}

BENCHMARK(BM_Model)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Lint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Diff)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_DocsWithoutDiagrams)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_DiagramOfOneNeighbourhood)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
