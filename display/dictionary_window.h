// The dictionary window: the loaded dictionary in four lists, shown on a
// thread of its own once a parse has completed.
#pragma once

namespace display {

// The application event that Window > Tile sends to the dictionary window.
inline constexpr int kTileEvent = 900;

// Runs the dictionary window until it closes. Started by the frame's
// dictionary lifecycle on a new program thread; it clears DisplayThread when
// it ends while still registered there.
void KESTR009();

}  // namespace display
