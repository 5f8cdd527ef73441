#include "runtime/ide_settings.h"

#include "runtime/paths.h"

namespace rt {

std::string IdeSettingsPath() {
    return ResolveDrivePath(kIdeSettingsFile);
}

}  // namespace rt
