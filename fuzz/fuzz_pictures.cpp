// Fuzz target: date and time pictures built from any picture text and
// rendered for any values, and the numbered pictures for any number.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "runtime/core/date_pictures.h"
#include "runtime/core/picture_layout.h"

// The regional pictures follow fixed settings, not the settings folder.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    rt::UseRegionalSettings(rt::RegionalSettings{});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t numbers[4] = {};
    const std::size_t head = std::min(size, sizeof numbers);
    std::memcpy(numbers, data, head);
    const std::string_view pattern(reinterpret_cast<const char*>(data) + head, size - head);

    rt::PictureValues values;
    values.valid = (numbers[0] & 1) != 0;
    values.year = numbers[1];
    values.month = numbers[2] % 100;
    values.day = numbers[3] % 100;
    values.hours = numbers[2] >> 8;
    values.minutes = numbers[3] >> 8;
    values.seconds = numbers[1] >> 16;
    (void)rt::RenderPicture(rt::DatePattern(pattern, (numbers[0] & 2) != 0), values);
    (void)rt::RenderPicture(rt::TimePattern(pattern), values);
    (void)rt::PatternText(rt::DatePattern(pattern, false));

    (void)rt::FormatDate(numbers[1], numbers[0] % 32);
    (void)rt::FormatTime(numbers[2], numbers[0] % 16);
    return 0;
}
