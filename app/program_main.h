// The program's start-up and shut-down sequence, run on program thread 1.
#pragma once

#include <string>

namespace app {

// `startDictionary`, when not empty, is opened once the frame is up, as
// File > Open would open it once chosen.
void Main(const std::string& startDictionary = {});

}  // namespace app
