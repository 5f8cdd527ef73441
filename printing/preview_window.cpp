#include "printing/preview_window.h"

#include "printing/preview_manager.h"
#include "runtime/page_images.h"

namespace printing {

bool PreviewPages(const rt::PageImages& pages, int firstPage, int across, int down) {
    if (pages.Count() < 1) return false;
    PreviewManager preview(pages);
    preview.MAXIMIZE = 1;
    return preview.Display(firstPage, across, down);
}

}  // namespace printing
