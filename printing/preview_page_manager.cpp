#include "printing/preview_page_manager.h"

#include <cmath>

#include "runtime/page_images.h"

namespace printing {

PageImageManager::PageImageManager(rt::WindowRef window, const rt::PageImages& pages,
                                   int firstControl)
    : window_(window), pages_(pages), firstControl_(firstControl) {}

PageImageManager::~PageImageManager() {
    Release();
}

PageNode PageImageManager::Measure(std::int32_t page) {
    PageNode node;
    node.PAGENO = page;
    const QSizeF size = pages_.PageSize(page);
    if (size.height() > 0) node.ASPECTRATIO = std::round(size.width() / size.height() * 1e4) / 1e4;
    const std::pair<int, int> key{static_cast<int>(size.width()), static_cast<int>(size.height())};
    auto found = units_.find(key);
    if (found == units_.end()) found = units_.emplace(key, window_.PageUnits(pages_, page)).first;
    node.IMAGEWIDTH = found->second.x;
    node.IMAGEHEIGHT = found->second.y;
    return node;
}

void PageImageManager::Show(const std::vector<PagePlacement>& placements) {
    std::map<std::int32_t, const PagePlacement*> wanted;
    for (const PagePlacement& placement : placements) wanted[placement.page] = &placement;

    std::vector<int> gone;
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        if (wanted.count(it->first) == 0) {
            gone.push_back(it->second.IMAGEFEQ);
            it = nodes_.erase(it);
        } else {
            ++it;
        }
    }
    window_.DestroyControls(gone);

    std::vector<rt::ControlDef> made;
    std::vector<rt::ControlPlacement> boxes;
    std::vector<rt::PageImageView> views;
    for (const PagePlacement& placement : placements) {
        auto found = nodes_.find(placement.page);
        if (found == nodes_.end()) {
            PageNode node = Measure(placement.page);
            node.IMAGEFEQ = firstControl_ + placement.page;
            node.BORDERFEQ = node.IMAGEFEQ;
            rt::ControlDef def = rt::MakeControl(
                node.IMAGEFEQ, rt::ControlKind::PageImage, {}, placement.x, placement.y,
                std::max(placement.width, 1), std::max(placement.height, 1));
            def.hidden = placement.width <= 0 || placement.height <= 0;
            made.push_back(def);
            found = nodes_.emplace(placement.page, node).first;
        }
        PageNode& node = found->second;
        node.XPOS = placement.x;
        node.YPOS = placement.y;
        node.WIDTH = placement.width;
        node.HEIGHT = placement.height;
        node.ZOOMSTATE = placement.zoom;
        rt::ControlPlacement box =
            rt::ControlPlacement::Box(node.IMAGEFEQ, placement.x, placement.y,
                                      std::max(placement.width, 0), std::max(placement.height, 0));
        box.hidden = placement.width <= 0 || placement.height <= 0;
        boxes.push_back(box);
        views.push_back({node.IMAGEFEQ, &pages_, placement.page, placement.scale, placement.focus,
                         placement.scroll, placement.scrollX, placement.scrollY});
    }
    window_.CreateControls(made);
    window_.ApplyPlacements(boxes);
    window_.ShowPageImages(views);
}

void PageImageManager::Release() {
    std::vector<int> gone;
    for (const auto& [page, node] : nodes_) gone.push_back(node.IMAGEFEQ);
    nodes_.clear();
    window_.DestroyControls(gone);
}

const PageNode* PageImageManager::Find(std::int32_t page) const {
    auto found = nodes_.find(page);
    return found == nodes_.end() ? nullptr : &found->second;
}

std::int32_t PageImageManager::PageOfControl(int control) const {
    const std::int32_t page = control - firstControl_;
    return nodes_.count(page) != 0 ? page : 0;
}

}  // namespace printing
