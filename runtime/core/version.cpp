#include "runtime/core/version.h"

namespace rt {

std::string_view ProgramVersion() {
    return KESTRIAN_VERSION;
}

}  // namespace rt
