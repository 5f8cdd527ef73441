// The frame's File menu commands that load, unload and print a dictionary.
// They run on the frame's thread.
#pragma once

namespace app {

// File > Open: choose a dictionary and start its parse.
void OpenDictionary();
// File > Close: release the loaded dictionary and close its window.
void CloseDictionary();
// File > Print: the print options.
void PrintDictionary();

}  // namespace app
