#include "app/ide_autopick.h"

#include "runtime/core/profile.h"

namespace app {
namespace {
constexpr const char* kSection = "Environment";
constexpr const char* kKey = "autopick";
}  // namespace

AutopickSuspension::AutopickSuspension(std::string settingsFile) : file_(std::move(settingsFile)) {
    // The profile read already trims the value, so blank means "".
    saved_ = rt::GetProfileString(kSection, kKey, "", file_);
    if (!saved_.empty()) switchedOff_ = rt::WriteProfileString(kSection, kKey, "off", file_);
}

AutopickSuspension::~AutopickSuspension() {
    Restore();
}

bool AutopickSuspension::Restore() {
    if (!switchedOff_) return true;
    switchedOff_ = false;
    return rt::WriteProfileString(kSection, kKey, saved_, file_);
}

}  // namespace app
