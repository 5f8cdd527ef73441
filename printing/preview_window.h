// The print preview: the pages of a finished report on screen, and the
// user's answer whether they go to the printer.
#pragma once

namespace rt {
class PageImages;
}

namespace printing {

// Shows `pages` in "Report Preview", starting at page `firstPage` in a grid
// of `across` x `down` thumbnails (by default one page fitted to the window,
// as the report asks), until the user chooses Print (true) or Exit (false).
// Runs on the calling program thread; an empty page list opens nothing and
// answers false.
bool PreviewPages(const rt::PageImages& pages, int firstPage = 1, int across = 1, int down = 1);

}  // namespace printing
