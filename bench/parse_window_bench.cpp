// The parse window end to end, in the real program under the offscreen
// platform: File > Open of a 100,000-line export (with no dictionary loaded)
// to the hand-over to the dictionary window and to that window painted with
// its lists, how soon an Esc in the middle of a parse is obeyed, and the
// memory the program takes for the export.
//   bench_parse_window [LINES [RUNS [MEGABYTES]]]
// With MEGABYTES, only the memory is measured instead, on one open of an
// export of that size: the peak resident against the resident just before.
#include <stdlib.h>

#include <QLabel>
#include <Qt>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/layouts.h"
#include "bench/paint_watch.h"
#include "bench/txd_generator.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/window.h"
#include "tests/e2e/program_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// A field of /proc/self/status in KiB ("VmHWM:", the peak resident memory
// so far; "VmRSS:", the resident memory now); 0 when it is not there.
long StatusKilobytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field)) return std::atol(line.c_str() + field.size());
    return 0;
}

long PeakKilobytes() {
    return StatusKilobytes("VmHWM:");
}

long ResidentKilobytes() {
    return StatusKilobytes("VmRSS:");
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The dictionary window of the thread that holds DisplayThread as its first
// display leaves it: a file selected (the heading names it) and the Files
// list holding rows.
bool ShowsLists(rt::gui::GuiWindow& window) {
    if (window.OwnerThread() != framework::DisplayThread.load()) return false;
    auto* heading = qobject_cast<QLabel*>(window.Control(display::kHeadingText));
    auto* files = qobject_cast<rt::gui::ListControl*>(window.Control(display::kFilesList));
    if (heading == nullptr || files == nullptr || files->RowCount() == 0) return false;
    const QString text = heading->text();
    return text.contains(QStringLiteral("    FILE: ")) ||
           text.contains(QStringLiteral("    ALIAS: "));
}

// File > Open of `path` with no dictionary loaded, until the dictionary
// window has been painted with its lists.
void OpenUntilPainted(e2e::ProgramHarness& h, bench::PaintWatch& watch, const std::string& path,
                      std::vector<double>* handOver, std::vector<double>* painted,
                      long* peakAtHandOver = nullptr) {
    if (framework::Model() != nullptr) {
        h.Choose(app::frame_menu::Close);
        e2e::WaitUntil(
            [] { return framework::Model() == nullptr && framework::DisplayThread.load() == 0; },
            std::chrono::seconds(120));
    }
    h.Dialogs().QueueOpenFile(path);
    watch.Arm(display::kDictionaryWindowLabel, ShowsLists);
    const auto start = Clock::now();
    h.Choose(app::frame_menu::Open);
    e2e::WaitUntil([] { return framework::DisplayThread.load() != 0; }, std::chrono::seconds(120));
    if (handOver != nullptr) handOver->push_back(Milliseconds(Clock::now() - start));
    if (peakAtHandOver != nullptr) *peakAtHandOver = PeakKilobytes();
    const auto end = watch.WaitPainted();
    if (painted != nullptr) painted->push_back(Milliseconds(end.value_or(Clock::now()) - start));
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::size_t largeMegabytes = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 0;
    bench::TxdStats stats;
    bench::TxdStats largeStats;
    e2e::ProgramHarness harness;
    const auto exportPath = harness.Root() / "BENCH.TXD";
    const auto largePath = harness.Root() / "LARGE.TXD";
    {
        const std::string text = bench::GenerateTxd(bench::TxdShape{0, lines, 1}, &stats);
        std::ofstream(exportPath, std::ios::binary) << text;
    }
    if (largeMegabytes > 0) {
        bench::TxdShape shape;
        shape.targetBytes = largeMegabytes * 1000 * 1000;
        const std::string text = bench::GenerateTxd(shape, &largeStats);
        std::ofstream(largePath, std::ios::binary) << text;
    }
    // What the process holds before the program starts: the peak is compared with it.
    const long baseline = PeakKilobytes();

    std::vector<double> handOver;
    std::vector<double> painted;
    std::vector<double> escLatency;
    long peakAfterOpens = 0;
    long residentBeforeLarge = 0;
    long peakAfterLarge = 0;
    long peakAtHandOver = 0;
    harness.Run([&](e2e::ProgramHarness& h) {
        h.WaitForFrame();
        bench::PaintWatch watch;
        if (largeMegabytes > 0) {
            residentBeforeLarge = ResidentKilobytes();
            OpenUntilPainted(h, watch, largePath.string(), nullptr, nullptr, &peakAtHandOver);
            peakAfterLarge = PeakKilobytes();
            h.Choose(app::frame_menu::Exit);
            return;
        }
        for (int run = 0; run < runs; ++run)
            OpenUntilPainted(h, watch, exportPath.string(), &handOver, &painted);
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
            e2e::WaitUntil(
                [] { return std::atoi(framework::FrameWindow().Status(2).c_str()) >= 20; });
            const auto pressed = Clock::now();
            parse.PressKey(Qt::Key_Escape);
            e2e::WaitUntil([] { return framework::Model() == nullptr; });
            escLatency.push_back(Milliseconds(Clock::now() - pressed));
        }
        h.Choose(app::frame_menu::Exit);
    });
    if (largeMegabytes > 0) {
        // Only what the open added: the program's own base (Qt, fonts) left out.
        const double added = (peakAfterLarge - residentBeforeLarge) * 1024.0;
        std::printf(
            "export: %zu bytes; resident before File > Open %.1f MiB, peak after %.1f MiB; "
            "(peak - before) / export = %.2f; peak / export = %.2f\n"
            "  of which the parse, up to the hand-over: (peak - before) / export = %.2f\n",
            largeStats.bytes, residentBeforeLarge / 1024.0, peakAfterLarge / 1024.0,
            added / static_cast<double>(largeStats.bytes),
            peakAfterLarge * 1024.0 / static_cast<double>(largeStats.bytes),
            (peakAtHandOver - residentBeforeLarge) * 1024.0 /
                static_cast<double>(largeStats.bytes));
        return 0;
    }
    std::printf("export: %zu lines, %zu bytes, %zu files\n", stats.lines, stats.bytes, stats.files);
    std::printf("open to hand-over: median %.1f ms, best %.1f ms over %d runs\n", Median(handOver),
                *std::min_element(handOver.begin(), handOver.end()), runs);
    std::printf("open to dictionary window painted: median %.1f ms, best %.1f ms over %d runs\n",
                Median(painted), *std::min_element(painted.begin(), painted.end()), runs);
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
