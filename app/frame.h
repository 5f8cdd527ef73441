// The main frame procedure and the splash / About procedure.
#pragma once

namespace app {

// The MDI frame: menu, status bar with date and time, and the splash at start.
void KESTR001();
// The start-up splash, or the About box once About has been chosen.
void KESTR005();

}  // namespace app
