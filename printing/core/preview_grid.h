// The print preview's arithmetic without its window: the zoom table, the
// thumbnail grid, a single page's scale, the status texts and the
// navigation rules. Sizes are in window units; pages are 1-based.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/control_placement.h"

namespace printing {

inline constexpr int kZoomTilePages = -2;  // the thumbnail grid
inline constexpr int kZoomPageWidth = -1;  // a page as wide as the window
// The largest zoom percentage a user may type (larger values are capped).
inline constexpr int kMaxUserZoom = 1000;
// The largest grid the Across and Down fields (two digits) can ask for.
inline constexpr int kMaxThumbnails = 99;
inline constexpr int kGridGap = 3;
inline constexpr int kGridToolbarHeight = 21;
inline constexpr int kPageToolbarHeight = 22;

struct ZoomRow {
    int PERCENTILE;
    std::string_view MENUTEXT;
    std::string_view STATUSTEXT;
};
// The seven zoom choices, in menu order (rows 1 to 7).
std::span<const ZoomRow> ZoomTable();
// "ZoomItem" followed by the row number.
std::string ZoomItemName(int row);

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A page of the given aspect ratio (width / height) fitted into the cell,
// at the cell's top-left corner. An empty cell or ratio gives an empty rect.
// Cell and ratio must be in the same units.
Rect FitPage(const Rect& cell, double aspectRatio);

// A sheet of `width` x `height` thousandths of an inch as the window shows
// it: its width / height measured in window units, four decimals. 0 when a
// size is not positive.
double ScreenAspect(int width, int height, const rt::UnitsPerInch& units);

// The screen aspect (ScreenAspect) of each page, by page number.
using PageAspects = std::function<double(std::int32_t page)>;

struct GridCell {
    std::int32_t page = 0;
    Rect image;
};

struct GridLayout {
    int cellWidth = 0;
    int cellHeight = 0;
    std::vector<GridCell> cells;  // THUMBNAILSPRESENT = cells.size()
};

// The thumbnail grid in a window of inner size width x height. Each page is
// fitted into a cell with its own aspect; the next page of a row follows the
// fitted width, the next row the tallest page of the row. Across and down
// below 1 count as 1; a window too small gives empty cells, never negative
// sizes.
GridLayout LayoutGrid(int width, int height, int across, int down, std::int32_t firstPage,
                      std::int32_t pageCount, const PageAspects& aspectOf);

// A single page at a zoom (-1 page width, else a percentage).
struct PageView {
    double scale = 0;  // kept to four decimals
    int width = 0;
    int height = 0;
};
PageView SinglePage(int zoom, int windowWidth, int imageWidth, int imageHeight);

// The zoom field's text read as a user zoom: a whole number from its
// leading digits, capped at kMaxUserZoom; nullopt when it is no positive
// number.
std::optional<int> ReadUserZoom(std::string_view text);

// The preview's state and its rules.
class PreviewState {
  public:
    PreviewState(std::int32_t pageCount, std::int32_t firstPage = 1, int across = 1, int down = 1);

    std::int32_t PageCount() const noexcept { return pageCount_; }
    std::int32_t CurrentPage() const noexcept { return currentPage_; }
    std::int32_t FirstPage() const noexcept { return firstPage_; }
    int Across() const noexcept { return across_; }
    int Down() const noexcept { return down_; }
    // 1 to 7 for a row of the zoom table, 0 for the user's own percentage.
    int ZoomIndex() const noexcept { return zoomIndex_; }
    int UserPercentile() const noexcept { return userPercentile_; }
    // The zoom in force: the row's PERCENTILE or the user's percentage.
    int Zoom() const;
    bool ShowingGrid() const { return Zoom() == kZoomTilePages; }

    // The last page of the grid now shown (not past the last page).
    std::int32_t LastGridPage() const;
    bool InGrid(std::int32_t page) const;

    // Next / Previous: one page on, then the page field is accepted.
    // False (nothing changes) when the command is disabled.
    bool Next();
    bool Previous();
    // The page field (or Jump) accepted with `page`: the focus moves inside
    // the grid, or the grid starts over so that it ends at the last page at
    // the latest. Returns true when the grid must be redrawn.
    bool AcceptPage(std::int32_t page);
    // Across or Down accepted: the value changed is lowered while the grid
    // would reach past the last page.
    void AcceptAcross(int across);
    void AcceptDown(int down);
    // Change Display confirmed: the new grid from page 1.
    void ChangeDisplay(int across, int down);

    // A row of the zoom table chosen (1 to 7); other rows change nothing.
    bool ChooseZoom(int row);
    // The zoom field accepted: a row's MENUTEXT selects that row, a positive
    // number becomes the user's percentage; anything else changes nothing.
    // Returns the text the field shows afterwards.
    std::string AcceptZoomText(std::string_view text);

    bool PreviousEnabled() const { return currentPage_ > 1; }
    bool NextEnabled() const { return currentPage_ < pageCount_; }
    bool JumpEnabled() const { return pageCount_ > 1; }
    bool ChangeDisplayEnabled() const { return pageCount_ > 1; }
    bool GridFieldsEnabled() const { return ShowingGrid(); }

    // Status zone 2 ("Page 1-4 of 20" in a grid of several thumbnails,
    // "Page 3 of 20" otherwise) and zone 3 ("Zoom: Tile Pages", "Zoom: 150%").
    std::string PageStatus() const;
    std::string ZoomStatus() const;
    // "Enter a page number from 1 to " and the count.
    std::string PageFieldHelp() const;

  private:
    void Lower(int& value);

    std::int32_t pageCount_;
    std::int32_t currentPage_;
    std::int32_t firstPage_;
    int across_;
    int down_;
    int zoomIndex_ = 1;
    int userPercentile_ = 100;
};

}  // namespace printing
