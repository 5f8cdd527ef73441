#include "app/dictionary_commands.h"
#include "app/frame_services.h"
#include "app/globals.h"
#include "runtime/events.h"
#include "runtime/program_threads.h"

namespace app {

void CloseDictionary() {
    ReleaseLoadedModel();
    UpdateFrameMenu();
    if (const int display = DisplayThread.load(); display != 0)
        rt::Post(rt::event::CloseWindow, 0, display);
    DisplayThread.store(0);
}

}  // namespace app
