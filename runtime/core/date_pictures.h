// Dates and times as text through the numbered pictures: date pictures 1 to 20
// and time pictures 1 to 8, each of fixed width.
//
// Date pictures 17 and 18 and time pictures 7 and 8 follow the regional
// settings. They are read from "WIN.INI" once, on the first use of a picture,
// unless LoadRegionalSettings or UseRegionalSettings ran before.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/core/regional_settings.h"

namespace rt {

// `date` through date picture `picture` (1 to 20). A value outside 4 to
// 2994626 prints blanks in its digit positions. An unknown picture gives "".
std::string FormatDate(int32_t date, int picture);

// `time` through time picture `picture` (1 to 8). A value outside 1 to 8640000
// (including 0, no time) prints blanks in its digit and AM/PM positions. An
// unknown picture gives "".
std::string FormatTime(int32_t time, int picture);

// Reads the regional settings again and uses them from now on.
void LoadRegionalSettings();
// Uses `settings` from now on (tests, or settings obtained elsewhere).
void UseRegionalSettings(const RegionalSettings& settings);

}  // namespace rt
