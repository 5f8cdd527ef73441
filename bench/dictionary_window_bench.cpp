// The dictionary window end to end, in the real program under the offscreen
// platform, on an export of 5,000 files (or as many as given) of 40 fields, a
// first file of 500 fields and 50 keys, and four relations a file, a tenth of
// them the first file's:
//   bench_dictionary_window [RUNS [FILES]]
//   - from the parse window's hand-over to the window painted with all four
//     lists built (the paint is watched for, not forced);
//   - selecting the large file until its detail lists are rebuilt and painted;
//   - one splitter layout while a bar is dragged: the layout, its batch of
//     moves applied and the window painted.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/layouts.h"
#include "bench/paint_watch.h"
#include "bench/txd_generator.h"
#include "dictionary/model.h"
#include "display/core/dictionary_lists.h"
#include "display/core/layout_placements.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "runtime/core/blanks.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/window.h"
#include "tests/e2e/program_harness.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace display;

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Polls closely, so that the poll adds little to what is measured.
template <typename Condition>
bool Await(Condition condition, std::chrono::seconds deadline = std::chrono::seconds(120)) {
    const auto end = Clock::now() + deadline;
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

// Paints the whole window now, lists included.
void Paint(const rt::WindowRef& window) {
    rt::gui::GuiInvoke([id = window.Id()] {
        if (rt::gui::GuiWindow* w = rt::gui::Find(id))
            if (QWidget* outer = w->Outer()) outer->repaint();
    });
}

// The dictionary window of the thread that holds DisplayThread, other than
// `older` (a window about to close), painted with its heading showing
// `heading` exactly; with an empty `heading`, with any file selected and the
// Files list filled.
bench::PaintWatch::State Showing(std::string heading, int older = 0) {
    return [heading = QString::fromLatin1(heading), older](rt::gui::GuiWindow& window) {
        const int thread = window.OwnerThread();
        if (thread != framework::DisplayThread.load() || thread == older) return false;
        auto* label = qobject_cast<QLabel*>(window.Control(kHeadingText));
        auto* files = qobject_cast<rt::gui::ListControl*>(window.Control(kFilesList));
        if (label == nullptr || files == nullptr || files->RowCount() == 0) return false;
        if (!heading.isEmpty()) return label->text() == heading;
        return label->text().contains(QStringLiteral("    FILE: ")) ||
               label->text().contains(QStringLiteral("    ALIAS: "));
    };
}

rt::WindowRef DictionaryWindow() {
    for (const rt::OpenWindowInfo& info : rt::OpenWindows())
        if (info.label == kDictionaryWindowLabel && info.thread == framework::DisplayThread.load())
            return rt::WindowRef(info.id, info.thread);
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    bench::TxdShape shape;
    shape.files = argc > 2 ? static_cast<std::size_t>(std::atol(argv[2])) : 5000;
    shape.fieldsPerFile = 40;
    shape.relations = 4 * shape.files;
    shape.firstFileFields = 500;
    shape.firstFileKeys = 50;
    bench::TxdStats stats;
    e2e::ProgramHarness harness;
    const auto exportPath = harness.Root() / "BENCH.TXD";
    std::ofstream(exportPath, std::ios::binary) << bench::GenerateTxd(shape, &stats);

    std::vector<double> firstDisplay, select, drag;
    harness.Run([&](e2e::ProgramHarness& h) {
        h.WaitForFrame();
        bench::PaintWatch watch;
        for (int run = 0; run < runs; ++run) {
            h.Dialogs().QueueOpenFile(exportPath.string());
            const int before = framework::DisplayThread.load();
            watch.Arm(kDictionaryWindowLabel, Showing({}, before));
            h.Choose(app::frame_menu::Open);
            Await([&] {
                const int display = framework::DisplayThread.load();
                return display != 0 && display != before;
            });
            const auto handOver = Clock::now();
            const auto end = watch.WaitPainted();
            firstDisplay.push_back(Milliseconds(end.value_or(Clock::now()) - handOver));
        }
        const rt::WindowRef window = DictionaryWindow();
        const dictionary::DictionaryModel& model = *framework::Model();
        const std::string large(
            rt::TrimTrailingSpaces(dictionary::Rows(model.FILE).front().LABEL.view()));
        // The large file's row in the Files list, as the window sorts it, and
        // the heading the window shows for each of the two rows.
        DictionaryLists lists(model, framework::DictionaryPath.Get(),
                              [](std::string_view text) { return static_cast<int>(text.size()); });
        lists.Build(0);
        const int largeRow = FindFileRow(lists.Files(), large);
        const int smallRow = largeRow == 1 ? 2 : 1;
        lists.Build(largeRow);
        const std::string largeHeading = std::string(rt::TrimTrailingSpaces(lists.Heading()));
        lists.Build(smallRow);
        const std::string smallHeading = std::string(rt::TrimTrailingSpaces(lists.Heading()));
        // Each selection is waited for until the window has painted it, so
        // that no build is still under way when the next one is asked for.
        const auto choose = [&](int row, const std::string& heading) -> Clock::time_point {
            watch.Arm(kDictionaryWindowLabel, Showing(heading));
            window.SetListSelection(kFilesList, row);
            window.PostEvent(rt::event::NewSelection, kFilesList);
            const auto end = watch.WaitPainted();
            if (!end)
                std::fprintf(stderr, "not painted: row %d, heading [%s], expected [%s]\n", row,
                             window.Text(kHeadingText).c_str(), heading.c_str());
            return end.value_or(Clock::now());
        };
        // The first display selected row 1: the first choice must change it.
        if (smallRow == 1) choose(largeRow, largeHeading);
        for (int run = 0; run < runs * 4; ++run) {
            choose(smallRow, smallHeading);
            const auto start = Clock::now();
            select.push_back(Milliseconds(choose(largeRow, largeHeading) - start));
        }
        // The window's own layout arithmetic, batch and paint for each
        // position a dragged vertical bar passes. Like the window, the layout
        // works from the client size taken when the window was last sized.
        const WindowSize size{window.ClientWidth(), window.ClientHeight()};
        SplitLayout layout([&] { return size; });
        layout.Restore(std::nullopt, std::nullopt, window.ControlPosition(kHeadingPanel).height);
        for (int x = 60; x < size.width - 60; x += 3) {
            const auto start = Clock::now();
            if (auto result = layout.SetVertical(x)) {
                window.ApplyPlacements(
                    LayoutPlacements(*result, PickButtonPlace{kPickButton, kPickButtonWidth, 10}));
                Paint(window);
                drag.push_back(Milliseconds(Clock::now() - start));
            }
        }
        h.Choose(app::frame_menu::Exit);
    });
    std::printf("export: %zu files, %zu aliases, %zu relations, %zu bytes\n", stats.files,
                stats.aliases, stats.relations, stats.bytes);
    std::printf(
        "hand-over to window painted, four lists built: median %.1f ms, best %.1f ms (%d runs)\n",
        Median(firstDisplay), *std::min_element(firstDisplay.begin(), firstDisplay.end()), runs);
    std::printf(
        "select the 500-field file to detail lists painted: median %.2f ms, worst %.2f ms (%zu "
        "runs)\n",
        Median(select), *std::max_element(select.begin(), select.end()), select.size());
    std::printf("one splitter layout while dragging: median %.2f ms, worst %.2f ms (%zu moves)\n",
                Median(drag), *std::max_element(drag.begin(), drag.end()), drag.size());
    return 0;
}
