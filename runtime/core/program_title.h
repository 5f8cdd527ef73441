// The program's title: the frame's caption and the report's title page.
#pragma once

namespace rt {

inline constexpr const char* kProgramTitle = "KESTRIAN: the Velmora Dictionary Reporter";

}  // namespace rt
