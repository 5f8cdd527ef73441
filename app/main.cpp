#include <cstdio>

#include "app/program_main.h"
#include "runtime/application.h"
#include "runtime/core/safe_file.h"

// The program takes no arguments; whatever is on its command line is ignored.
int main() {
    if (!rt::DisplayAvailable()) {
        std::fputs(
            "kestrian: no display to open windows on (set DISPLAY, or QT_QPA_PLATFORM=offscreen).\n"
            "For batch use run kestrian-doc.\n",
            stderr);
        return 1;
    }
    rt::RemoveTemporariesOnSignals();
    return rt::RunApplication(app::Main);
}
