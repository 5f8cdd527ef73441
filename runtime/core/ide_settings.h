// Where the Velmora IDE keeps its settings.
#pragma once

#include <string>

namespace rt {

// The IDE's settings file as the IDE names it: "\Velmora4\BIN\Velmora4.INI" on
// the current drive. Profile functions take this name as it is.
inline constexpr const char* kIdeSettingsFile = "\\Velmora4\\BIN\\Velmora4.INI";

// The path of this system that the IDE's settings file stands for.
std::string IdeSettingsPath();

}  // namespace rt
