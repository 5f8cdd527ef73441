#include "printing/core/preview_grid.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace printing {

namespace {

constexpr std::array<ZoomRow, 7> kZoomRows = {{
    {-2, "Tile pages", "Zoom: Tile Pages"},
    {-1, "Page Width", "Zoom: Page Width"},
    {50, "50% Zoom", "Zoom: 50%"},
    {75, "75% Zoom", "Zoom: 75%"},
    {100, "100% Zoom", "Zoom: 100%"},
    {200, "200% Zoom", "Zoom: 200%"},
    {300, "300% Zoom", "Zoom: 300%"},
}};

int Clamp(int value, int low, int high) {
    return std::clamp(value, low, high);
}

double FourDecimals(double value) {
    return std::round(value * 10000.0) / 10000.0;
}

}  // namespace

std::span<const ZoomRow> ZoomTable() {
    return kZoomRows;
}

std::string ZoomItemName(int row) {
    return "ZoomItem" + std::to_string(row);
}

Rect FitPage(const Rect& cell, double aspectRatio) {
    if (cell.width <= 0 || cell.height <= 0 || !(aspectRatio > 0)) return {cell.x, cell.y, 0, 0};
    Rect fitted = cell;
    if (static_cast<double>(cell.width) / cell.height < aspectRatio) {
        fitted.height = static_cast<int>(cell.width / aspectRatio);
    } else {
        fitted.width = static_cast<int>(cell.height * aspectRatio);
    }
    return fitted;
}

double ScreenAspect(int width, int height, const rt::UnitsPerInch& units) {
    if (width <= 0 || height <= 0 || !(units.x > 0) || !(units.y > 0)) return 0;
    return FourDecimals(width * units.x / (height * units.y));
}

GridLayout LayoutGrid(int width, int height, int across, int down, std::int32_t firstPage,
                      std::int32_t pageCount, const PageAspects& aspectOf) {
    across = Clamp(across, 1, kMaxThumbnails);
    down = Clamp(down, 1, kMaxThumbnails);
    GridLayout grid;
    grid.cellWidth = std::max(0, (width - (across + 1) * kGridGap) / across);
    grid.cellHeight = std::max(0, (height - kGridToolbarHeight - (down + 1) * kGridGap) / down);
    std::int32_t page = std::max<std::int32_t>(firstPage, 1);
    int y = kGridGap;
    for (int row = 0; row < down && page <= pageCount; ++row) {
        int x = kGridGap;
        int rowHeight = 0;
        for (int column = 0; column < across && page <= pageCount; ++column, ++page) {
            const Rect fitted =
                FitPage({x, y, grid.cellWidth, grid.cellHeight}, aspectOf ? aspectOf(page) : 0);
            grid.cells.push_back({page, fitted});
            x += kGridGap + fitted.width;
            rowHeight = std::max(rowHeight, fitted.height);
        }
        y += rowHeight + kGridGap;
    }
    return grid;
}

PageView SinglePage(int zoom, int windowWidth, int imageWidth, int imageHeight) {
    PageView view;
    if (imageWidth <= 0 || imageHeight <= 0) return view;
    if (zoom == kZoomPageWidth) {
        view.scale = FourDecimals(static_cast<double>(std::max(windowWidth, 0)) / imageWidth);
    } else {
        view.scale = FourDecimals(std::max(zoom, 0) / 100.0);
    }
    view.width = static_cast<int>(imageWidth * view.scale);
    view.height = static_cast<int>(imageHeight * view.scale);
    return view;
}

std::optional<int> ReadUserZoom(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long long value = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), 1000000);
        ++digits;
    }
    if (digits == 0 || value <= 0) return std::nullopt;
    return static_cast<int>(std::min<long long>(value, kMaxUserZoom));
}

PreviewState::PreviewState(std::int32_t pageCount, std::int32_t firstPage, int across, int down)
    : pageCount_(std::max<std::int32_t>(pageCount, 0)),
      currentPage_(std::clamp<std::int32_t>(firstPage, 1, std::max<std::int32_t>(pageCount_, 1))),
      firstPage_(currentPage_),
      across_(Clamp(across, 1, kMaxThumbnails)),
      down_(Clamp(down, 1, kMaxThumbnails)) {}

int PreviewState::Zoom() const {
    if (zoomIndex_ >= 1 && zoomIndex_ <= static_cast<int>(kZoomRows.size())) {
        return kZoomRows[static_cast<std::size_t>(zoomIndex_ - 1)].PERCENTILE;
    }
    return userPercentile_;
}

std::int32_t PreviewState::LastGridPage() const {
    const std::int64_t last = static_cast<std::int64_t>(firstPage_) + across_ * down_ - 1;
    return static_cast<std::int32_t>(std::min<std::int64_t>(last, pageCount_));
}

bool PreviewState::InGrid(std::int32_t page) const {
    return page >= firstPage_ && page <= LastGridPage();
}

bool PreviewState::Next() {
    if (!NextEnabled()) return false;
    AcceptPage(currentPage_ + 1);
    return true;
}

bool PreviewState::Previous() {
    if (!PreviousEnabled()) return false;
    AcceptPage(currentPage_ - 1);
    return true;
}

bool PreviewState::AcceptPage(std::int32_t page) {
    if (pageCount_ < 1) return false;
    currentPage_ = std::clamp<std::int32_t>(page, 1, pageCount_);
    if (ShowingGrid() && InGrid(currentPage_)) return false;
    firstPage_ = currentPage_;
    while (firstPage_ > 1 &&
           static_cast<std::int64_t>(firstPage_) + across_ * down_ - 1 > pageCount_) {
        --firstPage_;
    }
    return true;
}

void PreviewState::Lower(int& value) {
    while (value > 1 && static_cast<std::int64_t>(firstPage_) + across_ * down_ - 1 > pageCount_) {
        --value;
    }
}

void PreviewState::AcceptAcross(int across) {
    across_ = Clamp(across, 1, kMaxThumbnails);
    Lower(across_);
}

void PreviewState::AcceptDown(int down) {
    down_ = Clamp(down, 1, kMaxThumbnails);
    Lower(down_);
}

void PreviewState::ChangeDisplay(int across, int down) {
    across_ = Clamp(across, 1, kMaxThumbnails);
    down_ = Clamp(down, 1, kMaxThumbnails);
    currentPage_ = pageCount_ > 0 ? 1 : currentPage_;
    firstPage_ = currentPage_;
}

bool PreviewState::ChooseZoom(int row) {
    if (row < 1 || row > static_cast<int>(kZoomRows.size())) return false;
    zoomIndex_ = row;
    return true;
}

std::string PreviewState::AcceptZoomText(std::string_view text) {
    for (std::size_t r = 0; r < kZoomRows.size(); ++r) {
        if (text == kZoomRows[r].MENUTEXT) {
            zoomIndex_ = static_cast<int>(r + 1);
            return std::string(text);
        }
    }
    if (auto zoom = ReadUserZoom(text)) {
        userPercentile_ = *zoom;
        zoomIndex_ = 0;
    }
    if (zoomIndex_ != 0)
        return std::string(kZoomRows[static_cast<std::size_t>(zoomIndex_ - 1)].MENUTEXT);
    return std::to_string(userPercentile_) + "% Zoom";
}

std::string PreviewState::PageStatus() const {
    const std::string total = " of " + std::to_string(pageCount_);
    if (ShowingGrid() && LastGridPage() > firstPage_) {
        return "Page " + std::to_string(firstPage_) + "-" + std::to_string(LastGridPage()) + total;
    }
    return "Page " + std::to_string(currentPage_) + total;
}

std::string PreviewState::ZoomStatus() const {
    if (zoomIndex_ == 0) return "Zoom: " + std::to_string(userPercentile_) + "%";
    return std::string(kZoomRows[static_cast<std::size_t>(zoomIndex_ - 1)].STATUSTEXT);
}

std::string PreviewState::PageFieldHelp() const {
    return "Enter a page number from 1 to " + std::to_string(pageCount_);
}

}  // namespace printing
