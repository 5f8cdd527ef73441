#include "app/frame_clock.h"

#include <string_view>

#include "runtime/core/date_pictures.h"

namespace app {

std::string FrameDateText(std::int32_t date) {
    const int index = ((date % 7) + 7) % 7;
    std::string_view name(kWeekdayNames + index * 9, 9);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return std::string(name) + ", " + rt::FormatDate(date, 4);
}

std::string FrameTimeText(std::int32_t time) {
    return rt::FormatTime(time, 3);
}

}  // namespace app
