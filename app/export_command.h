// The command that asks the IDE to export a dictionary as text.
#pragma once

#include <string>
#include <string_view>

namespace app {

// "[ExportDct(" dictionary "," textFile ")]", the paths exactly as given.
std::string ExportDctCommand(std::string_view dictionary, std::string_view textFile);

// Whether the IDE reads `path` back unchanged as an argument of that command.
// The IDE takes an argument up to the next "," or ")" and does not expect
// blanks or quotes, so a path holding a blank or another control character, a
// comma, a bracket of any kind or a quote cannot be sent; neither can "".
bool IsCommandSafePath(std::string_view path);

}  // namespace app
