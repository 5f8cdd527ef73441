#include "app/frame_services.h"

#include "framework/globals.h"
#include "runtime/core/program_title.h"

namespace app {

void ShowStatus(const std::string& message) {
    const rt::WindowRef frame = framework::FrameWindow();
    if (frame.IsNull()) return;
    frame.SetStatus(1, message);
    frame.Display();
}

void UpdateFrameMenu() {
    const rt::WindowRef frame = framework::FrameWindow();
    if (frame.IsNull()) return;
    frame.SetTitle(rt::kProgramTitle);
    const bool loaded = framework::Model() != nullptr;
    frame.Enable(framework::CloseItem.load(), loaded);
    frame.Enable(framework::PrintItem.load(), loaded);
}

}  // namespace app
