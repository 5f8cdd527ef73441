// File > Print on a very large dictionary, in the real program under the
// offscreen platform: from the menu choice to the print options window open
// with its list of every file and alias and its printer texts filled.
//   bench_print_window [FILES [RUNS]]   (200,000 files, 5 runs)
#include <QAbstractButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/layouts.h"
#include "bench/txd_generator.h"
#include "framework/globals.h"
#include "printing/print_options.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/window.h"
#include "tests/e2e/program_harness.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace opt = printing::print_options;

rt::WindowRef OptionsWindow() {
    for (const rt::OpenWindowInfo& info : rt::OpenWindows())
        if (info.label == "KESTR004") return rt::WindowRef(info.id, info.thread);
    return {};
}

// Rows the options window's list shows.
int ListRows(const rt::WindowRef& window) {
    return rt::gui::GuiCall<int>([&] {
        rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
        auto* list = gui ? qobject_cast<rt::gui::ListControl*>(gui->Control(opt::List)) : nullptr;
        return list ? list->RowCount() : 0;
    });
}

template <typename Condition>
bool Await(Condition condition) {
    const auto end = Clock::now() + std::chrono::minutes(2);
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bench::TxdShape shape;
    shape.files = argc > 1 ? static_cast<std::size_t>(std::atol(argv[1])) : 200000;
    shape.fieldsPerFile = 5;
    shape.relations = shape.files / 2;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    bench::TxdStats stats;
    e2e::ProgramHarness harness;
    const auto exportPath = harness.Root() / "BENCH.TXD";
    std::ofstream(exportPath, std::ios::binary) << bench::GenerateTxd(shape, &stats);
    const int entries = static_cast<int>(stats.files + stats.aliases);

    std::vector<double> shown;
    harness.Run([&](e2e::ProgramHarness& h) {
        h.WaitForFrame();
        h.Dialogs().QueueOpenFile(exportPath.string());
        h.Choose(app::frame_menu::Open);
        Await([&] { return h.DictionaryWindowOpen(); });
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            h.Choose(app::frame_menu::Print);
            rt::WindowRef options;
            Await([&] {
                options = OptionsWindow();
                return !options.IsNull() && !options.Text(opt::Resolution).empty() &&
                       ListRows(options) == entries;
            });
            shown.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            rt::gui::GuiInvoke([&] {
                rt::gui::GuiWindow* gui = rt::gui::Find(options.Id());
                if (auto* close =
                        gui ? qobject_cast<QAbstractButton*>(gui->Control(opt::Close)) : nullptr)
                    close->click();
            });
            Await([&] { return OptionsWindow().IsNull(); });
        }
        h.Choose(app::frame_menu::Exit);
    });
    std::sort(shown.begin(), shown.end());
    std::printf(
        "File > Print of %zu files and %zu aliases, to the window shown: median %.0f ms, "
        "best %.0f ms (%d runs)\n",
        stats.files, stats.aliases, shown[shown.size() / 2], shown.front(), runs);
    return 0;
}
