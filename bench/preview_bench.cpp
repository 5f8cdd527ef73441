// The print preview of a 2,000-page report in the real window (offscreen):
// from Display to the first grid on screen, a page change that moves the
// grid, a move of the focus inside it, and a zoom change through the popup.
// Each figure includes painting every page on screen. Median of the runs.
#include <stdlib.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "printing/preview_layouts.h"
#include "printing/preview_manager.h"
#include "runtime/application.h"
#include "runtime/gui/gui_thread.h"
#include "tests/printing/preview/preview_driver.h"
#include "tests/support/scripted_dialogs.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace printing::preview;

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Paints every visible window now, so that a figure includes the drawing.
void PaintNow() {
    rt::gui::GuiInvoke([] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible()) top->repaint();
    });
}

// Polls finely (the tests' helper polls every 10 ms, too coarse to time).
template <typename Condition>
void WaitFor(Condition condition) {
    const auto end = Clock::now() + std::chrono::seconds(30);
    while (!condition() && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

bool StatusIs(const rt::WindowRef& w, int zone, const std::string& text) {
    return w.Status(zone) == text;
}

std::string GridStatus(int first, int count, int pages) {
    return "Page " + std::to_string(first) + "-" + std::to_string(first + count - 1) + " of " +
           std::to_string(pages);
}

}  // namespace

int main(int argc, char** argv) {
    const int pageCount = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testsupport::ScopedDialogs dialogs;
    std::vector<double> open, pageChange, focusMove, zoomChange;
    double making = 0;
    rt::RunApplication(
        [&] {
            rt::PageImages pages;
            const auto madeFrom = Clock::now();
            previewtest::AddPages(pages, pageCount);
            making = Milliseconds(Clock::now() - madeFrom);
            for (int run = 0; run < runs; ++run) {
                printing::PreviewManager preview(pages);
                preview.MAXIMIZE = 1;
                std::atomic<Clock::rep> started{0};
                previewtest::Driver driver([&](rt::WindowRef w) {
                    WaitFor([&] {
                        return StatusIs(w, printing::preview::kPageZone,
                                        GridStatus(1, 4, pageCount));
                    });
                    PaintNow();
                    open.push_back(Milliseconds(
                        Clock::now() - Clock::time_point(Clock::duration(started.load()))));
                    for (int step = 1; step <= 5; ++step) {
                        const int page = step * (pageCount / 6);
                        auto from = Clock::now();
                        w.SetText(control::CurrentPage, std::to_string(page));
                        w.PostEvent(rt::event::Accepted, control::CurrentPage);
                        WaitFor([&] {
                            return StatusIs(w, printing::preview::kPageZone,
                                            GridStatus(page, 4, pageCount));
                        });
                        PaintNow();
                        pageChange.push_back(Milliseconds(Clock::now() - from));

                        from = Clock::now();
                        w.PostEvent(rt::event::Accepted, control::Next);
                        WaitFor([&] {
                            return w.Text(control::CurrentPage) == std::to_string(page + 1);
                        });
                        PaintNow();
                        focusMove.push_back(Milliseconds(Clock::now() - from));

                        for (int row : {5, 1}) {
                            from = Clock::now();
                            (*dialogs).QueuePopupChoice(row);
                            w.PostEvent(rt::event::Accepted, control::TbarZoom);
                            WaitFor([&] {
                                return StatusIs(w, printing::preview::kZoomZone,
                                                row == 5 ? "Zoom: 100%" : "Zoom: Tile Pages");
                            });
                            PaintNow();
                            zoomChange.push_back(Milliseconds(Clock::now() - from));
                        }
                    }
                });
                started = Clock::now().time_since_epoch().count();
                preview.Display(1, 2, 2);
            }
        },
        /*keepDialogService=*/true);
    std::printf("pages made (not part of the preview): %d in %.0f ms\n", pageCount, making);
    std::printf("open to first grid painted:  median %.1f ms over %zu runs\n", Median(open),
                open.size());
    std::printf("page change (grid moves):    median %.1f ms, worst %.1f ms\n", Median(pageChange),
                pageChange.empty() ? 0 : *std::max_element(pageChange.begin(), pageChange.end()));
    std::printf("focus move inside the grid:  median %.1f ms\n", Median(focusMove));
    std::printf("zoom change (popup):         median %.1f ms, worst %.1f ms\n", Median(zoomChange),
                zoomChange.empty() ? 0 : *std::max_element(zoomChange.begin(), zoomChange.end()));
    return 0;
}
