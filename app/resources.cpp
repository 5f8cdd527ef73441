#include "app/resources.h"

#include <QtGlobal>

// The resource initialiser must be called from the global namespace.
static void InitKestrianResources() {
    Q_INIT_RESOURCE(kestrian);
}

namespace app {

void RegisterResources() {
    static const bool registered = [] {
        InitKestrianResources();
        return true;
    }();
    (void)registered;
}

}  // namespace app
