// The weekday, date and time texts of the frame's status bar.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Seven names of nine characters each, space-padded, Sunday first.
inline constexpr char kWeekdayNames[] =
    "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ";

// "Saturday, December  5, 1998" for the date value of that day.
std::string FrameDateText(std::int32_t date);
// " 2:07PM" for the time value of 14:07.
std::string FrameTimeText(std::int32_t time);

}  // namespace app
