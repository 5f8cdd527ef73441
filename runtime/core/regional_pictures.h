// The four pictures that follow the regional settings: time pictures 7
// (short) and 8 (long), date pictures 17 (short) and 18 (long).
#pragma once

#include "runtime/core/picture_layout.h"
#include "runtime/core/regional_settings.h"

namespace rt {

Picture ShortTimePicture(const RegionalSettings& settings);
Picture LongTimePicture(const RegionalSettings& settings);
Picture ShortDatePicture(const RegionalSettings& settings);
Picture LongDatePicture(const RegionalSettings& settings);

}  // namespace rt
