// The parse window end to end, in the real program under the offscreen
// platform: from File > Open of a 100,000-line export to the hand-over to the
// dictionary window, and how soon an Esc in the middle of a parse is obeyed.
#include <stdlib.h>

#include <Qt>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/layouts.h"
#include "bench/txd_generator.h"
#include "framework/globals.h"
#include "runtime/window.h"
#include "tests/e2e/program_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// The process's peak resident memory so far, in KiB.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    bench::TxdStats stats;
    e2e::ProgramHarness harness;
    const auto exportPath = harness.Root() / "BENCH.TXD";
    {
        const std::string text = bench::GenerateTxd(bench::TxdShape{0, lines, 1}, &stats);
        std::ofstream(exportPath, std::ios::binary) << text;
    }
    // What the process holds before the program starts: the peak is compared with it.
    const long baseline = PeakKilobytes();

    std::vector<double> handOver;
    std::vector<double> escLatency;
    long peakAfterOpens = 0;
    harness.Run([&](e2e::ProgramHarness& h) {
        h.WaitForFrame();
        for (int run = 0; run < runs; ++run) {
            h.Dialogs().QueueOpenFile(exportPath.string());
            const int before = app::DisplayThread.load();
            const auto start = Clock::now();
            h.Choose(app::frame_menu::Open);
            e2e::WaitUntil(
                [&] {
                    const int display = app::DisplayThread.load();
                    return display != 0 && display != before;
                },
                std::chrono::seconds(120));
            handOver.push_back(Milliseconds(Clock::now() - start));
        }
        peakAfterOpens = PeakKilobytes();
        for (int run = 0; run < runs; ++run) {
            h.Dialogs().QueueOpenFile(exportPath.string());
            h.Choose(app::frame_menu::Open);
            rt::WindowRef parse;
            e2e::WaitUntil([&] {
                for (const auto& info : rt::OpenWindows())
                    if (info.label == "KESTR003") parse = rt::WindowRef(info.id, info.thread);
                return !parse.IsNull();
            });
            e2e::WaitUntil([] { return std::atoi(app::FrameWindow().Status(2).c_str()) >= 20; });
            const auto pressed = Clock::now();
            parse.PressKey(Qt::Key_Escape);
            e2e::WaitUntil([] { return app::Model() == nullptr; });
            escLatency.push_back(Milliseconds(Clock::now() - pressed));
        }
        h.Choose(app::frame_menu::Exit);
    });
    std::printf("export: %zu lines, %zu bytes, %zu files\n", stats.lines, stats.bytes, stats.files);
    std::printf("open to hand-over: median %.1f ms, best %.1f ms over %d runs\n", Median(handOver),
                *std::min_element(handOver.begin(), handOver.end()), runs);
    std::printf("Esc to model released (mid-parse): median %.1f ms over %d runs\n",
                Median(escLatency), runs);
    const auto report = [&](const char* what, long kib) {
        std::printf("peak resident memory %s: %.1f MiB (%.2f x export)\n", what, kib / 1024.0,
                    kib * 1024.0 / static_cast<double>(stats.bytes));
    };
    std::printf("resident before the program started: %.1f MiB\n", baseline / 1024.0);
    report("after the opens", peakAfterOpens);
    report("at the end", PeakKilobytes());
    return 0;
}
