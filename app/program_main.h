// The program's start-up and shut-down sequence, run on program thread 1.
#pragma once

namespace app {

void Main();

}  // namespace app
