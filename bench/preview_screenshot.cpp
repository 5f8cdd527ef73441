// Opens the preview of the bundled sample's dictionary report on the display
// in use, takes a picture of the screen with ImageMagick's `import` once the
// grid is painted, and closes it. Usage (docs/preview.png):
//   xvfb-run -s "-screen 0 1280x860x24" build/bench/preview_screenshot
//       samples/SAMPLE.TXD docs/preview.png [across down [zoom row]]
// (one command line)
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "dictionary/txd_parser.h"
#include "printing/core/dictionary_report.h"
#include "printing/core/print_options.h"
#include "printing/preview_manager.h"
#include "runtime/application.h"
#include "runtime/gui/gui_thread.h"
#include "tests/printing/preview/preview_driver.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: preview_screenshot EXPORT.TXD OUT.png [across down [zoom row]]\n");
        return 2;
    }
    const std::string exportPath = argv[1];
    const std::string picture = argv[2];
    const int across = argc > 4 ? std::atoi(argv[3]) : 3;
    const int down = argc > 4 ? std::atoi(argv[4]) : 1;
    // A zoom row (2 to 7) shows page 2 at that zoom instead of the grid.
    const int zoomRow = argc > 5 ? std::atoi(argv[5]) : 1;
    std::ifstream file(exportPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    dictionary::DictionaryModel model;
    dictionary::ParseAll(model, text.str(), exportPath);
    printing::PrintFlags flags;
    printing::FilesToPrint entries;
    printing::FillFilesToPrint(model, flags, entries);
    printing::ReportSettings settings;
    settings.dictionaryPath = exportPath;
    settings.printedAt = " 8 DEC 26  7:30:00AM";
    settings.titleText = "KESTRIAN";
    std::vector<printing::ReportPage> report = printing::BuildReport(model, entries, {}, settings);
    int status = 1;
    rt::RunApplication(
        [&] {
            rt::PageImages pages;
            for (const printing::ReportPage& page : report) pages.Add(page.drawing);
            printing::PreviewManager preview(pages);
            preview.WINDOWPOSSET = 1;
            preview.WINDOWSIZESET = 1;
            preview.WINWIDTH = 1280;
            preview.WINHEIGHT = 830;
            previewtest::Driver driver([&](rt::WindowRef w) {
                const int shown = std::min(across * down, pages.Count());
                const std::string first =
                    shown > 1 ? "Page 1-" + std::to_string(shown) : std::string("Page 1");
                previewtest::WaitForStatus(w, printing::preview::kPageZone,
                                           first + " of " + std::to_string(pages.Count()));
                rt::gui::GuiInvoke([] {
                    for (QWidget* top : QApplication::topLevelWidgets())
                        if (top->isVisible()) top->repaint();
                });
                w.PostEvent(rt::event::Accepted, printing::preview::control::Next);
                previewtest::WaitForText(w, printing::preview::control::CurrentPage, "2");
                if (zoomRow > 1) {
                    w.PostEvent(rt::event::Accepted, printing::preview::ZoomMenuItem(zoomRow));
                    testsupport::WaitUntil([&] {
                        return w.Status(printing::preview::kPageZone).rfind("Page 2 ", 0) == 0;
                    });
                }
                rt::gui::GuiInvoke([] { QApplication::processEvents(); });
                const std::string command = "import -window root '" + picture + "'";
                status = std::system(command.c_str());
            });
            preview.Display(1, across, down);
        },
        /*keepDialogService=*/false);
    return status == 0 ? 0 : 1;
}
