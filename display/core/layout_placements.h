// Turns one splitter layout into the batch of control moves the window
// applies at once: positions, the lists shown or hidden, the bars enabled or
// not, the heading or the drop-down list, and the pick button kept at the
// right end of the heading band.
#pragma once

#include <vector>

#include "display/core/split_layout.h"
#include "runtime/core/control_placement.h"

namespace display {

// The pick button sits at the right end of the heading band.
struct PickButtonPlace {
    int control = 0;
    int width = 0;
    int height = 0;  // the band's height
};

// Every move of `layout`, in its order, then the visibility of the lists,
// the drop-down list, the panel and the heading, and the bars' enabled
// state. When the band is repositioned the button goes to its right end and
// the heading stops short of it. No size is ever negative.
std::vector<rt::ControlPlacement> LayoutPlacements(const LayoutResult& layout,
                                                   const PickButtonPlace& button);

}  // namespace display
