// Registration in the Velmora IDE's user menu, done at every start: the IDE's
// settings file gets a user application entry that runs this program and, if
// it is not there yet, a user menu entry for it.
#pragma once

#include <string_view>

namespace app {

// The program's entry in "User Menus": the menu path, "|", the application key.
inline constexpr std::string_view kIdeMenuEntry = "&Utilities/&Kestrian|KEST";

// When "Environment"/"autopick" is not blank (the IDE is installed): writes
// "User Applications"/"KEST" (the current directory's short form followed by
// "\KESTRIAN %a"), then reads "User Menus" entries "1", "2", ... up to the
// first blank one or the program's own entry, and writes the program's entry
// at the blank one. Failures are ignored; nothing is shown.
void RegisterIdeMenu();

}  // namespace app
