// The pick: every Files row below the pick button, in a popup menu while the
// menu shows them all, else in the searchable chooser.
#pragma once

#include <string>

#include "display/core/file_list.h"
#include "runtime/window.h"

namespace display {

// The most entries the popup menu shows; more would stack it in columns
// taller than the screen.
inline constexpr std::size_t kMenuEntries = 40;

// Shows `pickText` at the lower left corner of the pick button, or the
// chooser of every row of `files` there when the text leaves some out or
// they are more than kMenuEntries; `current` is the selected row. Returns
// the chosen row (1-based), 0 when dismissed.
int ShowPickPopup(const rt::WindowRef& window, const std::string& pickText, const FileList& files,
                  int current);

}  // namespace display
