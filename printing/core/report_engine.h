// A small band report engine: bands of drawing operations placed down the
// page area, a new page when a band does not fit, a page footer with the
// page number, and group headers printed when a group's value changes.
//
//     ReportEngine engine(area, footer, sink);
//     engine.SetGroups({{nameOf, entryHeading}, {headingOf, tableHeading}});
//     engine.Print(rowBand, 2);   // a detail inside both groups
//     engine.Finish();
//
// Pages are handed to the sink as they are completed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/core/page_drawing.h"

namespace printing {

// The sheet and the report's areas on it, in thousandths of an inch of the
// layout; the layout is drawn `scale` times its size on the sheet.
struct PageMetrics {
    int sheetWidth = rt::kA4Width;
    int sheetHeight = rt::kA4Height;
    int left = 1000;
    int top = 500;
    int width = 6750;
    int height = 10490;
    int footerTop = 10990;  // from the top of the sheet
    int footerHeight = 698;
    double scale = 1.0;
};

// The report's areas on a sheet of `sheetWidth` by `sheetHeight` as it lies
// (landscape: the wider side first). An A4 sheet upright gets the areas
// above. On any other sheet the footer keeps its distance from the sheet's
// bottom edge and the body runs down to it; the columns keep their places
// from the left edge. A sheet narrower than A4 gets that layout drawn
// smaller as a whole (`scale` below 1), the body as long as the sheet then
// allows, so that nothing is ever cut off at the right.
PageMetrics MetricsForSheet(int sheetWidth, int sheetHeight);

// One band: its height and its operations, placed relative to the band's
// top-left corner; `text` is the band's printed text as plain lines.
struct Band {
    int height = 0;
    std::vector<rt::DrawOp> ops;
    std::vector<std::string> text;
};

// A finished page: its number as printed, its drawing, and the text lines of
// its bands in order, the footer's last.
struct ReportPage {
    std::int32_t number = 0;
    rt::Page drawing;
    std::vector<std::string> text;
};

using PageSink = std::function<void(ReportPage&& page)>;

// A group: the value that starts a new group when it changes, and the header
// band printed then.
struct Group {
    std::function<std::string()> value;
    std::function<Band()> header;
};

class ReportEngine {
  public:
    // `footer` builds the footer band for a page number when a page ends.
    ReportEngine(PageMetrics metrics, std::function<Band(std::int32_t page)> footer, PageSink sink);

    // Groups, outermost first. Forgets the values seen so far.
    void SetGroups(std::vector<Group> groups);

    // Prints a band inside the `depth` outermost groups: the header of each
    // of those groups whose value changed (and of every group inside one
    // that changed) is printed first. Depth 0 is outside every group.
    void Print(const Band& band, std::size_t depth = 0);

    // Ends the current page when something is on it.
    void PageBreak();
    // The number the next page (or the current one, when it is still empty
    // of bands) gets.
    void SetPageNumber(std::int32_t number);
    // Completes the last page.
    void Finish();

    std::int32_t PageNumber() const noexcept { return pageNumber_; }
    std::int32_t PagesDone() const noexcept { return pagesDone_; }
    // Where the next band would go, from the top of the page area.
    int Position() const noexcept { return y_; }

  private:
    void Place(const Band& band);
    void EndPage();

    PageMetrics metrics_;
    std::function<Band(std::int32_t)> footer_;
    PageSink sink_;
    std::vector<Group> groups_;
    std::vector<std::string> lastValues_;
    std::vector<bool> seen_;

    ReportPage page_;
    bool pageOpen_ = false;
    int y_ = 0;
    std::int32_t pageNumber_ = 1;
    std::int32_t pagesDone_ = 0;
};

}  // namespace printing
