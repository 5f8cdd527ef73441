// Puts the dictionary window on the screen for a screenshot: the real
// program opens the bundled sample through a scripted open-file dialog,
// Orders is selected, and the command given runs against the display. With
// --print-options, File > Print is chosen first and the picture shows the
// print options window over the dictionary window. With --long-path the
// sample is opened from a deep folder in a narrower window; with --chooser
// a dictionary of 300 files is opened, F4 pressed and "File29" typed into the
// searchable chooser.
//
//     xvfb-run -s "-screen 0 1024x700x24" kestrian-screen [MODE] "import ..."
#include <stdlib.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/layouts.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "printing/print_options.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/qt_dialog_service.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/large_export.h"

namespace {

rt::WindowRef FindWindow(const std::string& label) {
    for (const rt::OpenWindowInfo& info : rt::OpenWindows())
        if (info.label == label) return rt::WindowRef(info.id, info.thread);
    return {};
}

// A click on a button, as the mouse gives it.
void Click(const rt::WindowRef& window, int control) {
    rt::gui::GuiInvoke([&] {
        rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
        if (auto* button = gui ? qobject_cast<QAbstractButton*>(gui->Control(control)) : nullptr)
            button->click();
    });
}

// Types `text` into whatever has the keyboard, as the keyboard would.
void Type(const std::string& text) {
    rt::gui::GuiInvoke([&] {
        for (char c : text) {
            QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr) return;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
            QApplication::sendEvent(focus, &press);
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    const bool printOptions = mode == "--print-options";
    const bool longPath = mode == "--long-path";
    const bool chooser = mode == "--chooser";
    if (argc < 2 || (argc > 2 && !printOptions && !longPath && !chooser)) {
        std::fprintf(stderr,
                     "usage: kestrian-screen [--print-options|--long-path|--chooser] COMMAND\n");
        return 2;
    }
    const std::string command = argv[argc - 1];
    e2e::ProgramHarness harness;
    // The harness runs offscreen; the picture needs the real display.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 1;
    std::filesystem::path dictionary = e2e::SamplePath();
    if (longPath || chooser) {
        const std::filesystem::path folder =
            harness.WorkFolder() /
            (longPath ? "customers/north-region/archive/2024/quarterly-exports/dictionaries"
                      : "large");
        std::filesystem::create_directories(folder);
        dictionary = folder / (longPath ? "SAMPLE.TXD" : "LARGE.TXD");
        if (longPath)
            std::filesystem::copy_file(e2e::SamplePath(), dictionary);
        else
            std::ofstream(dictionary, std::ios::binary) << dict_test::LargeExport(300, 2);
    }
    harness.Dialogs().QueueOpenFile(dictionary.string());
    harness.Run([&](e2e::ProgramHarness& h) {
        rt::WindowRef frame = h.WaitForFrame();
        frame.SetX(0);
        frame.SetY(0);
        frame.SetWidth(1000);
        frame.SetHeight(660);
        h.Choose(app::frame_menu::Open);
        rt::WindowRef window;
        e2e::WaitUntil([&] {
            window = FindWindow(display::kDictionaryWindowLabel);
            return !window.IsNull() && window.ControlPosition(display::kFilesList).x == 2;
        });
        window.SetWidth(longPath ? 620 : 940);
        window.SetHeight(longPath ? 400 : 540);
        h.Choose(app::frame_menu::Tile);  // both bars in the middle of the new size
        window.SetListSelection(display::kFilesList, 3);
        window.PostEvent(rt::event::NewSelection, display::kFilesList);
        e2e::WaitUntil([&] { return window.ListSelection(display::kFileDropList) == 3; });
        rt::WindowRef options;
        if (printOptions) {
            h.Choose(app::frame_menu::Print);
            e2e::WaitUntil([&] {
                options = FindWindow("KESTR004");
                // The resolution is the last text the window fills.
                return !options.IsNull() &&
                       !options.Text(printing::print_options::Resolution).empty();
            });
        }
        std::shared_ptr<rt::DialogService> scripted;
        if (chooser) {
            // The real chooser, reached with F4 as the user would.
            scripted = rt::SetDialogService(std::make_shared<rt::gui::QtDialogService>());
            window.PressKey(Qt::Key_F4);
            e2e::WaitUntil([] {
                return rt::gui::GuiCall<bool>(
                    [] { return QApplication::activeModalWidget() != nullptr; });
            });
            Type("File29");
        }
        // Let the windows paint before the picture is taken.
        e2e::WaitUntil([] { return false; }, std::chrono::milliseconds(1500));
        result = std::system(command.c_str());
        if (chooser) {
            rt::gui::GuiInvoke([] {
                if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            });
            rt::SetDialogService(std::move(scripted));
        }
        if (!options.IsNull()) {
            Click(options, printing::print_options::Close);
            e2e::WaitUntil([&] { return !h.WindowOpen("KESTR004"); });
        }
        h.Choose(app::frame_menu::Exit);
    });
    return result == 0 ? 0 : 1;
}
