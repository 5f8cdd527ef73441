#include <cstdio>
#include <string_view>
#include <vector>

#include "app/program_arguments.h"
#include "app/program_main.h"
#include "runtime/application.h"
#include "runtime/core/safe_file.h"

// kestrian [FILE.TXD | FILE.DCT]: the frame, and the dictionary named opened at start.
int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    const app::ProgramArguments arguments = app::ReadProgramArguments(words);
    if (arguments.action != app::ProgramArguments::Action::Run) {
        const bool shown = arguments.action == app::ProgramArguments::Action::Show;
        std::fputs(arguments.text.c_str(), shown ? stdout : stderr);
        return shown ? 0 : 2;
    }
    if (!rt::DisplayAvailable()) {
        std::fputs(
            "kestrian: no display to open windows on (set DISPLAY, or QT_QPA_PLATFORM=offscreen).\n"
            "For batch use run kestrian-doc.\n",
            stderr);
        return 1;
    }
    rt::RemoveTemporariesOnSignals();
    return rt::RunApplication([dictionary = arguments.dictionary] { app::Main(dictionary); });
}
