#include "app/ide_menu_registration.h"

#include <string>

#include "runtime/core/ide_settings.h"
#include "runtime/core/paths.h"
#include "runtime/core/profile.h"

namespace app {
namespace {

constexpr std::size_t kBufferLength = 255;  // the menu value buffer holds 256 bytes

std::string ReadIdeSetting(std::string_view section, std::string_view key) {
    std::string value = rt::GetProfileString(section, key, "", rt::kIdeSettingsFile);
    if (value.size() > kBufferLength) value.resize(kBufferLength);
    return value;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

void RegisterIdeMenu() {
    if (IsBlank(rt::GetProfileString("Environment", "autopick", "", rt::kIdeSettingsFile))) return;

    const std::string command = rt::ShortPathName(rt::CurrentDirectory()) + "\\KESTRIAN %a";
    rt::WriteProfileString("User Applications", "KEST", command, rt::kIdeSettingsFile);

    std::string buffer = "*";
    int counter = 0;
    while (!IsBlank(buffer) && buffer != kIdeMenuEntry) {
        ++counter;
        buffer = ReadIdeSetting("User Menus", std::to_string(counter));
    }
    if (IsBlank(buffer)) {
        rt::WriteProfileString("User Menus", std::to_string(counter), kIdeMenuEntry,
                               rt::kIdeSettingsFile);
    }
}

}  // namespace app
