// The print options window ("Print Dictionary"), opened by File > Print.
#pragma once

namespace app {

// Runs the print options on the calling thread (the frame's) until they close.
void KESTR004();

}  // namespace app
