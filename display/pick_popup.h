// The pick popup: every Files row in a popup menu below the pick button.
#pragma once

#include <string>

#include "runtime/window.h"

namespace display {

// Shows `pickText` at the lower left corner of the pick button and returns
// the chosen item (1-based Files row), 0 when the menu was dismissed.
int ShowPickPopup(const rt::WindowRef& window, const std::string& pickText);

}  // namespace display
