#include "display/core/layout_placements.h"

#include <algorithm>
#include <array>

namespace display {
namespace {

constexpr std::array<int, 4> kLists = {kFilesList, kFieldsList, kKeysList, kRelationsList};
constexpr std::array<int, 4> kBars = {kVSplitUpper, kVSplitLower, kHSplitLeft, kHSplitRight};
constexpr int kButtonGap = 2;

int Size(const std::optional<int>& size) {
    return size ? std::max(0, *size) : rt::ControlPlacement::kKeep;
}

}  // namespace

std::vector<rt::ControlPlacement> LayoutPlacements(const LayoutResult& layout,
                                                   const PickButtonPlace& button) {
    std::vector<rt::ControlPlacement> moves;
    moves.reserve(layout.placements.size() + 12);
    const Placement* panel = layout.Find(kHeadingPanel);
    for (const Placement& placement : layout.placements) {
        rt::ControlPlacement move =
            rt::ControlPlacement::Box(placement.control, placement.x, placement.y,
                                      Size(placement.width), Size(placement.height));
        // The heading text leaves room for the button at the band's end.
        if (placement.control == kHeadingText && panel != nullptr && button.control != 0 &&
            placement.width)
            move.width = std::max(0, *placement.width - button.width - kButtonGap);
        moves.push_back(move);
    }
    if (panel != nullptr && button.control != 0 && panel->width) {
        const int right = panel->x + std::max(0, *panel->width);
        moves.push_back(rt::ControlPlacement::Box(
            button.control, std::max(panel->x, right - button.width), panel->y, button.width,
            Size(panel->height.value_or(button.height))));
    }
    for (std::size_t i = 0; i < kLists.size(); ++i)
        moves.push_back(rt::ControlPlacement::Hide(kLists[i], layout.hidden[i]));
    moves.push_back(rt::ControlPlacement::Hide(kFileDropList, !layout.showDropList));
    moves.push_back(rt::ControlPlacement::Hide(kHeadingPanel, layout.showDropList));
    moves.push_back(rt::ControlPlacement::Hide(kHeadingText, layout.showDropList));
    for (int bar : kBars) moves.push_back(rt::ControlPlacement::Enable(bar, layout.barsEnabled));
    // The crossing point drags both bars: nothing to drag while one list fills the window.
    moves.push_back(rt::ControlPlacement::Enable(kCrossing, layout.barsEnabled));
    return moves;
}

}  // namespace display
