// Until the print options are built, File > Print shows nothing.
#include "printing/print_options.h"

namespace app {

void KESTR004() {}

}  // namespace app
