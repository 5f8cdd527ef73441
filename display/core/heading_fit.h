// The dictionary window's heading fitted to the room it has: a path too long
// for it loses characters from its middle, where an ellipsis stands for them,
// so that what follows the path (the selected file's name) stays in view.
#pragma once

#include <string>
#include <string_view>

#include "display/core/list_cells.h"

namespace display {

inline constexpr std::string_view kEllipsis = "...";

// `before` & `path` & `after` (trailing blanks dropped) when it is at most
// `width` wide by `measure`. Otherwise the path keeps as much of its start
// and end as fits around the ellipsis; when not even the ellipsis fits,
// `after` alone (leading blanks dropped), cut at its end with the ellipsis.
std::string FitHeading(std::string_view before, std::string_view path, std::string_view after,
                       int width, const TextWidth& measure);

}  // namespace display
