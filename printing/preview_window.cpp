#include "printing/preview_window.h"

#include "runtime/page_images.h"

namespace app {

bool PreviewPages(const rt::PageImages& pages, int, int, int) {
    // Until the preview window exists every report is printed as it is.
    return pages.Count() > 0;
}

}  // namespace app
