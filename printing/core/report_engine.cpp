#include "printing/core/report_engine.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace printing {

PageMetrics MetricsForSheet(int sheetWidth, int sheetHeight) {
    PageMetrics metrics;
    if (sheetWidth <= 0 || sheetHeight <= 0) return metrics;
    const PageMetrics a4;
    metrics.sheetWidth = sheetWidth;
    metrics.sheetHeight = sheetHeight;
    // The layout is as wide as an A4 sheet: on a narrower one it shrinks.
    int layoutHeight = sheetHeight;
    if (sheetWidth < a4.sheetWidth) {
        metrics.scale = static_cast<double>(sheetWidth) / a4.sheetWidth;
        layoutHeight = static_cast<int>(std::lround(sheetHeight / metrics.scale));
    }
    const int belowFooter = a4.sheetHeight - a4.footerTop;
    metrics.footerTop = std::max(layoutHeight - belowFooter, metrics.top + metrics.footerHeight);
    metrics.height = metrics.footerTop - metrics.top;
    return metrics;
}

ReportEngine::ReportEngine(PageMetrics metrics, std::function<Band(std::int32_t)> footer,
                           PageSink sink)
    : metrics_(metrics), footer_(std::move(footer)), sink_(std::move(sink)) {}

void ReportEngine::SetGroups(std::vector<Group> groups) {
    groups_ = std::move(groups);
    lastValues_.assign(groups_.size(), std::string());
    seen_.assign(groups_.size(), false);
}

void ReportEngine::Print(const Band& band, std::size_t depth) {
    if (depth > groups_.size()) depth = groups_.size();
    bool outerBroke = false;
    for (std::size_t g = 0; g < depth; ++g) {
        std::string value = groups_[g].value();
        if (outerBroke || !seen_[g] || value != lastValues_[g]) {
            lastValues_[g] = std::move(value);
            seen_[g] = true;
            outerBroke = true;
            // The groups inside start over with this one.
            for (std::size_t inner = g + 1; inner < groups_.size(); ++inner) seen_[inner] = false;
            Place(groups_[g].header());
        }
    }
    Place(band);
}

void ReportEngine::Place(const Band& band) {
    // A band that does not fit goes to a new page; one taller than the page
    // area still gets a page of its own rather than none.
    if (pageOpen_ && y_ > 0 && y_ + band.height > metrics_.height) EndPage();
    if (!pageOpen_) {
        page_ = ReportPage{};
        page_.number = pageNumber_;
        page_.drawing.width = metrics_.sheetWidth;
        page_.drawing.height = metrics_.sheetHeight;
        page_.drawing.scale = metrics_.scale;
        pageOpen_ = true;
        y_ = 0;
    }
    const int dx = metrics_.left;
    const int dy = metrics_.top + y_;
    for (const rt::DrawOp& op : band.ops) page_.drawing.ops.push_back(rt::Moved(op, dx, dy));
    page_.text.insert(page_.text.end(), band.text.begin(), band.text.end());
    y_ += band.height;
}

void ReportEngine::EndPage() {
    if (!pageOpen_) return;
    Band footer = footer_ ? footer_(page_.number) : Band{};
    for (const rt::DrawOp& op : footer.ops) {
        page_.drawing.ops.push_back(rt::Moved(op, metrics_.left, metrics_.footerTop));
    }
    page_.text.insert(page_.text.end(), footer.text.begin(), footer.text.end());
    pageOpen_ = false;
    y_ = 0;
    ++pagesDone_;
    pageNumber_ = page_.number + 1;
    if (sink_) sink_(std::move(page_));
    page_ = ReportPage{};
}

void ReportEngine::PageBreak() {
    EndPage();
}

void ReportEngine::SetPageNumber(std::int32_t number) {
    pageNumber_ = number;
    if (pageOpen_ && page_.text.empty() && page_.drawing.ops.empty()) page_.number = number;
}

void ReportEngine::Finish() {
    EndPage();
}

}  // namespace printing
