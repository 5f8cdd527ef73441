#include "runtime/core/ide_settings.h"

#include "runtime/core/paths.h"

namespace rt {

std::string IdeSettingsPath() {
    return ResolveDrivePath(kIdeSettingsFile);
}

}  // namespace rt
