// Puts the dictionary window on the screen for a screenshot: the real
// program opens the bundled sample through a scripted open-file dialog,
// Orders is selected, and the command given runs against the display.
//
//     xvfb-run -s "-screen 0 1024x700x24" kestrian-screen "import -window root OUT.png"
#include <stdlib.h>

#include <cstdio>
#include <string>

#include "app/layouts.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "tests/e2e/program_harness.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kestrian-screen COMMAND\n");
        return 2;
    }
    const std::string command = argv[1];
    e2e::ProgramHarness harness;
    // The harness runs offscreen; the picture needs the real display.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 1;
    harness.Dialogs().QueueOpenFile(e2e::SamplePath().string());
    harness.Run([&](e2e::ProgramHarness& h) {
        rt::WindowRef frame = h.WaitForFrame();
        frame.SetX(0);
        frame.SetY(0);
        frame.SetWidth(1000);
        frame.SetHeight(660);
        h.Choose(app::frame_menu::Open);
        rt::WindowRef window;
        e2e::WaitUntil([&] {
            for (const rt::OpenWindowInfo& info : rt::OpenWindows())
                if (info.label == display::kDictionaryWindowLabel)
                    window = rt::WindowRef(info.id, info.thread);
            return !window.IsNull() && window.ControlPosition(display::kFilesList).x == 2;
        });
        window.SetWidth(940);
        window.SetHeight(540);
        h.Choose(app::frame_menu::Tile);  // both bars in the middle of the new size
        window.SetListSelection(display::kFilesList, 3);
        window.PostEvent(rt::event::NewSelection, display::kFilesList);
        e2e::WaitUntil([&] { return window.ListSelection(display::kFileDropList) == 3; });
        // Let the windows paint before the picture is taken.
        e2e::WaitUntil([] { return false; }, std::chrono::milliseconds(1500));
        result = std::system(command.c_str());
        h.Choose(app::frame_menu::Exit);
    });
    return result == 0 ? 0 : 1;
}
