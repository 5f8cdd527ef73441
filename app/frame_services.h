// Services other threads use to write to the frame: its status bar and menu.
#pragma once

#include <string>

namespace app {

// Writes a message in the frame's status zone 1; an empty one clears it.
// Callable from any thread.
void ShowStatus(const std::string& message);
// Sets the frame's title and enables Close and Print only while a dictionary
// is loaded. Callable from any thread.
void UpdateFrameMenu();

}  // namespace app
