// The dictionary window's layout: the heading band, the pick button, the
// file drop-down list, the splitter regions and the four lists.
#pragma once

#include <string>

#include "runtime/layout.h"

namespace display {

inline constexpr const char* kDictionaryWindowLabel = "P1$DCTWINDOW";
inline constexpr int kMeasureText = 4;  // hidden string control
inline constexpr int kPickButton = 5;
inline constexpr int kPickButtonWidth = 55;

// Formats the lists carry until their first build: one empty column each.
inline constexpr const char* kFilesDesignFormat = "L(1)~Files~";
inline constexpr const char* kFieldsDesignFormat = "L(1)~Fields~";
inline constexpr const char* kKeysDesignFormat = "L(1)~Keys~";
inline constexpr const char* kRelationsDesignFormat = "L(1)~Relations~";
inline constexpr const char* kDropListFormat = "120L(2)@s40@";
// Room the drop-down list takes beside the name it shows: its arrow and frame.
inline constexpr int kDropListFrame = 16;
// The smallest the window gets: the heading keeps the button and a name
// beside it, each list a few columns and rows.
inline constexpr int kMinimumWidth = 240;
inline constexpr int kMinimumHeight = 150;
// Between the heading and the pick button.
inline constexpr int kHeadingGap = 4;

// The window titled `title`, with controls 2 to 17 at their design positions.
rt::Layout DictionaryWindowLayout(const std::string& title);

}  // namespace display
