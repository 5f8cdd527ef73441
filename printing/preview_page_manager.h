// The preview's page-image manager: one node, with its image control, for
// each page that is on screen, and none for any other. Placing a set of
// pages takes down the nodes of pages no longer wanted, makes the missing
// ones, and places and draws them all in one batch per kind of call.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "runtime/window.h"

namespace rt {
class PageImages;
}

namespace printing {

struct PageNode {
    double ASPECTRATIO = 0;  // page width / page height, four decimals
    int IMAGEFEQ = 0;        // the image control; it also draws the focus border
    int BORDERFEQ = 0;       // the same control (its focus border)
    int IMAGEWIDTH = 0;      // natural size in window units
    int IMAGEHEIGHT = 0;
    int XPOS = 0, YPOS = 0, WIDTH = 0, HEIGHT = 0;  // the page's box on screen
    std::int32_t PAGENO = 0;
    std::int16_t ZOOMSTATE = 0;  // the zoom the page is shown in
};

// Where a page goes and how it is drawn (window units).
struct PagePlacement {
    std::int32_t page = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::int16_t zoom = 0;
    double scale = 0;  // 0: the page fills its box
    bool focus = false;
    bool scroll = false;  // scroll to the point below
    double scrollX = 0, scrollY = 0;
};

class PageImageManager {
  public:
    PageImageManager(rt::WindowRef window, const rt::PageImages& pages, int firstControl);
    ~PageImageManager();
    PageImageManager(const PageImageManager&) = delete;
    PageImageManager& operator=(const PageImageManager&) = delete;

    // Shows exactly these pages.
    void Show(const std::vector<PagePlacement>& placements);
    // Takes every node and its control down.
    void Release();

    const PageNode* Find(std::int32_t page) const;
    std::size_t Count() const { return nodes_.size(); }
    // The page whose image control is `control`; 0 for none.
    std::int32_t PageOfControl(int control) const;
    // A page's natural size and aspect ratio, without a node.
    PageNode Measure(std::int32_t page);

  private:
    rt::WindowRef window_;
    const rt::PageImages& pages_;
    int firstControl_;
    std::map<std::int32_t, PageNode> nodes_;  // by page number
    // Natural sizes by page size (thousandths of an inch): reports seldom
    // mix sizes, so the window is asked once per size.
    std::map<std::pair<int, int>, rt::UnitPoint> units_;
};

}  // namespace printing
