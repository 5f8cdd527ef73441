#include "runtime/core/regional_settings.h"

#include "runtime/core/profile.h"

namespace rt {
namespace {

constexpr std::string_view kFile = "WIN.INI";
constexpr std::string_view kSection = "intl";

std::string ReadText(std::string_view key, const std::string& defaultValue) {
    std::string value = GetProfileString(kSection, key, defaultValue, kFile);
    return value.empty() ? defaultValue : value;
}

}  // namespace

RegionalSettings ReadRegionalSettings() {
    RegionalSettings settings;
    settings.iTime = GetProfileInt(kSection, "iTime", settings.iTime, kFile);
    settings.iTLzero = GetProfileInt(kSection, "iTLzero", settings.iTLzero, kFile);
    settings.sTime = ReadText("sTime", settings.sTime).substr(0, 1);
    settings.s1159 = GetProfileString(kSection, "s1159", settings.s1159, kFile).substr(0, 2);
    settings.s2359 = GetProfileString(kSection, "s2359", settings.s2359, kFile).substr(0, 2);
    settings.sShortDate = ReadText("sShortDate", settings.sShortDate);
    settings.sLongDate = ReadText("sLongDate", settings.sLongDate);
    return settings;
}

}  // namespace rt
