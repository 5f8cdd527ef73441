// The version of the programs, set in one place: the build's project version.
#pragma once

#include <string_view>

namespace rt {

std::string_view ProgramVersion();

}  // namespace rt
