#include "display/core/split_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace display {

namespace {

constexpr std::array<int, 4> kLists = {kFilesList, kFieldsList, kKeysList, kRelationsList};

// Drops the fraction toward zero, within the range of int.
int Trunc(double value) noexcept {
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), kLow, kHigh));
}

// The middle of the grid's extent along one axis.
double Middle(int extent, int origin) noexcept {
    return (extent - origin) / 2.0 + origin;
}

bool IsList(int control) noexcept {
    return std::find(kLists.begin(), kLists.end(), control) != kLists.end();
}

}  // namespace

const Placement* LayoutResult::Find(int control) const {
    for (const Placement& placement : placements) {
        if (placement.control == control) return &placement;
    }
    return nullptr;
}

int SplitSettingValue(std::string_view text) noexcept {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.starts_with('+')) text.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return Trunc(value);
}

SplitLayout::SplitLayout(SizeSource size) : size_(std::move(size)) {}

LayoutResult SplitLayout::Restore(const std::optional<std::string>& vsplit,
                                  const std::optional<std::string>& hsplit, int panelHeight) {
    const WindowSize size = size_();
    panelHeight_ = panelHeight;
    xorigin_ = 0;
    yorigin_ = panelHeight + 3;
    minx_ = xorigin_ + kMargin;
    miny_ = yorigin_ + kMargin;
    const int v = vsplit ? SplitSettingValue(*vsplit) : Trunc(Middle(size.width, xorigin_));
    const int h = hsplit ? SplitSettingValue(*hsplit) : Trunc(Middle(size.height, yorigin_));
    ShowGrid();
    return *SetSplit(v, h, true);
}

SavedSplits SplitLayout::Save() const {
    return {savexpos_ > 0 ? Trunc(savexpos_) : Trunc(xpos_),
            saveypos_ > 0 ? Trunc(saveypos_) : Trunc(ypos_)};
}

int SplitLayout::LimitX(int x, const WindowSize& size) const noexcept {
    if (fullscreenon_ != 0) return x;
    x = std::max(x, minx_);
    return std::min(x, size.width - minx_ + xorigin_);
}

int SplitLayout::LimitY(int y, const WindowSize& size) const noexcept {
    if (fullscreenon_ != 0) return y;
    y = std::max(y, miny_);
    return std::min(y, size.height - miny_ + yorigin_);
}

std::optional<LayoutResult> SplitLayout::SetSplit(int x, int y, bool force) {
    const WindowSize size = size_();
    x = LimitX(x, size);
    y = LimitY(y, size);
    if (x == xpos_ && y == ypos_ && !force) return std::nullopt;
    xpos_ = x;
    ypos_ = y;
    return Layout(force);
}

std::optional<LayoutResult> SplitLayout::SetVertical(int x) {
    x = LimitX(x, size_());
    if (x == xpos_) return std::nullopt;
    xpos_ = x;
    return Layout(false);
}

std::optional<LayoutResult> SplitLayout::SetHorizontal(int y) {
    y = LimitY(y, size_());
    if (y == ypos_) return std::nullopt;
    ypos_ = y;
    return Layout(false);
}

std::optional<LayoutResult> SplitLayout::CenterVertical() {
    if (fullscreenon_ != 0) return std::nullopt;
    return SetVertical(Trunc(Middle(size_().width, xorigin_)));
}

std::optional<LayoutResult> SplitLayout::CenterHorizontal() {
    if (fullscreenon_ != 0) return std::nullopt;
    return SetHorizontal(Trunc(Middle(size_().height, yorigin_)));
}

void SplitLayout::ShowGrid() noexcept {
    savexpos_ = 0;
    saveypos_ = 0;
    fullscreenon_ = 0;
    hidden_.fill(false);
}

LayoutResult SplitLayout::Retile() {
    const WindowSize size = size_();
    ShowGrid();
    xpos_ = Middle(size.width, xorigin_);
    ypos_ = Middle(size.height, yorigin_);
    return *SetSplit(Trunc(xpos_), Trunc(ypos_), true);
}

std::pair<int, int> SplitLayout::FullViewSplit(int list, const WindowSize& size) const noexcept {
    const int right = size.width - 1;
    const int bottom = size.height - 1;
    switch (list) {
        case kFilesList:
            return {right, bottom};
        case kFieldsList:
            return {xorigin_ + 1, bottom};
        case kKeysList:
            return {right, yorigin_ + 1};
        default:
            return {xorigin_ + 1, yorigin_ + 1};
    }
}

LayoutResult SplitLayout::SetFullView(int list) {
    if (fullscreenon_ == 0) {
        savexpos_ = xpos_;
        saveypos_ = ypos_;
    }
    hidden_.fill(true);
    int x = 0;
    int y = 0;
    if (!IsList(list) || list == fullscreenon_) {
        x = Trunc(savexpos_);
        y = Trunc(saveypos_);
        ShowGrid();
        list = 0;
    } else {
        std::tie(x, y) = FullViewSplit(list, size_());
        hidden_[static_cast<std::size_t>(list - kFilesList)] = false;
    }
    fullscreenon_ = list;
    // The lists shown have changed even when the bars stay where they are.
    if (auto result = SetSplit(x, y, false)) return *std::move(result);
    return Layout(false);
}

LayoutResult SplitLayout::OnSized() {
    const WindowSize size = size_();
    if (fullscreenon_ == 0) {
        xpos_ = size.width * xposr_;
        ypos_ = size.height * yposr_;
    } else {
        std::tie(xpos_, ypos_) = FullViewSplit(fullscreenon_, size);
    }
    return Layout(true, true);
}

LayoutResult SplitLayout::Layout(bool force, bool sizedEvent) {
    const WindowSize size = size_();
    // A window with no extent keeps the proportions of the last real one.
    if (size.width > 0) xposr_ = xpos_ / size.width;
    if (size.height > 0) yposr_ = ypos_ / size.height;
    // Never negative, however small the window.
    const int lw = std::max(0, Trunc(xpos_ - xorigin_ - 3));
    const int rw = std::max(0, Trunc(size.width - xpos_ - 3));
    const int th = std::max(0, Trunc(ypos_ - yorigin_ - 3));
    const int bh = std::max(0, Trunc(size.height - ypos_ - 3));

    LayoutResult result;
    auto& moves = result.placements;
    if (sizedEvent || force) {
        moves.push_back({kTopLineLight, 0, 1, std::nullopt, std::nullopt});
        moves.push_back({kTopLineDark, 0, 1, std::nullopt, std::nullopt});
        moves.push_back({kHeadingPanel, 2, 3, lw + rw + 2, std::nullopt});
        moves.push_back({kHeadingText, 4, 4, lw + rw, std::nullopt});
        panelX_ = 2;
        panelY_ = 3;
        result.bandRepositioned = true;
    }
    result.showDropList = fullscreenon_ != 0 && fullscreenon_ != kFilesList;
    if (result.showDropList) {
        moves.push_back(
            {kFileDropList, panelX_, panelY_, filesColumnWidth_ + panelHeight_, panelHeight_});
    }
    result.barsEnabled = fullscreenon_ == 0;

    const int barX = Trunc(xpos_ - 1);
    const int barY = Trunc(ypos_ - 1);
    const int right = Trunc(xpos_ + 1);
    const int below = Trunc(ypos_ + 1);
    moves.push_back({kVSplitUpper, barX, yorigin_ + 2, 2, th});
    moves.push_back({kVSplitLower, barX, below, 2, bh});
    moves.push_back({kHSplitLeft, xorigin_ + 2, barY, lw, 2});
    moves.push_back({kHSplitRight, right, barY, rw, 2});
    moves.push_back({kCrossing, barX, barY, 2, 2});

    result.hidden = hidden_;
    const Placement lists[] = {
        {kFilesList, xorigin_ + 2, yorigin_ + 2, lw, th},
        {kFieldsList, right, yorigin_ + 2, rw, th},
        {kKeysList, xorigin_ + 2, below, lw, bh},
        {kRelationsList, right, below, rw, bh},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        if (!hidden_[i]) moves.push_back(lists[i]);
    }
    return result;
}

char SplitLayout::DragModeFor(int region) noexcept {
    switch (region) {
        case kVSplitUpper:
        case kVSplitLower:
            return 'V';
        case kHSplitLeft:
        case kHSplitRight:
            return 'H';
        case kCrossing:
            return 'D';
        default:
            return ' ';
    }
}

std::optional<LayoutResult> SplitLayout::DragTo(char mode, int mouseX, int mouseY) {
    switch (mode) {
        case 'V':
            return SetVertical(mouseX);
        case 'H':
            return SetHorizontal(mouseY);
        case 'D':
            return SetSplit(mouseX, mouseY, false);
        default:
            return std::nullopt;
    }
}

std::optional<LayoutResult> SplitLayout::DoubleClick(int region) {
    switch (DragModeFor(region)) {
        case 'V':
            return CenterVertical();
        case 'H':
            return CenterHorizontal();
        case 'D':
            return Retile();
        default:
            return std::nullopt;
    }
}

}  // namespace display
