// The preview's grid, zoom and navigation arithmetic.
#include "printing/core/preview_grid.h"

#include <gtest/gtest.h>

#include "runtime/core/page_drawing.h"
#include "tests/support/letter_sheet.h"

namespace printing {
namespace {

constexpr double kA4Aspect = 8268.0 / 11693.0;

// Every page with the same aspect.
PageAspects Uniform(double aspect) {
    return [aspect](std::int32_t) { return aspect; };
}

// Window units as a 96 dpi screen gives them with a font 7 pixels wide on
// average and 15 high: 7% taller than wide.
constexpr rt::UnitsPerInch kUnits{96 * 4 / 7.0, 96 * 8 / 15.0};

struct Sheet {
    const char* name;
    int width, height;  // thousandths of an inch
};
constexpr Sheet kSheets[] = {
    {"A4", rt::kA4Width, rt::kA4Height},
    {"Letter", testsupport::kLetterWidth, testsupport::kLetterHeight},
    {"A4 landscape", rt::kA4Height, rt::kA4Width},
    {"A5", 5827, 8268},
};

TEST(PreviewGridTest, PageFieldJumpsKeepTheGridFull) {
    struct Case {
        std::int32_t pages;
        int across, down;
        std::int32_t page;
        std::int32_t first;
        bool redraw;
    };
    const Case cases[] = {
        {20, 2, 2, 20, 17, true},  // not 20: the grid ends at the last page
        {20, 2, 2, 3, 1, false},   // already in the grid 1-4
        {20, 2, 2, 7, 7, true},   {3, 2, 2, 3, 1, false}, {20, 1, 1, 20, 20, true},
        {20, 2, 2, 99, 17, true},  // a page past the end counts as the last
    };
    for (const Case& c : cases) {
        PreviewState state(c.pages, 1, c.across, c.down);
        EXPECT_EQ(state.AcceptPage(c.page), c.redraw) << c.pages << " " << c.page;
        EXPECT_EQ(state.FirstPage(), c.first) << c.pages << " " << c.page;
    }
}

TEST(PreviewGridTest, AcrossAndDownAreLoweredToThePages) {
    struct Case {
        std::int32_t pages;
        int across, down;  // values typed
        bool typedAcross;
        int wantAcross, wantDown;
    };
    const Case cases[] = {
        {3, 4, 1, true, 3, 1},                               // 3 pages, Across 4: lowered to 3
        {3, 1, 5, false, 1, 3},                              // Down likewise
        {20, 4, 4, true, 4, 4},                              // fits
        {1, 0, 1, true, 1, 1},                               // 0 or less counts as 1
        {5, -3, 1, true, 1, 1}, {500, 250, 1, true, 99, 1},  // two digits at most
    };
    for (const Case& c : cases) {
        PreviewState state(c.pages);
        if (c.typedAcross) {
            state.AcceptDown(c.down);
            state.AcceptAcross(c.across);
        } else {
            state.AcceptAcross(c.across);
            state.AcceptDown(c.down);
        }
        EXPECT_EQ(state.Across(), c.wantAcross) << c.pages << " " << c.across << "x" << c.down;
        EXPECT_EQ(state.Down(), c.wantDown) << c.pages << " " << c.across << "x" << c.down;
    }
}

TEST(PreviewGridTest, GridCellsFitThePages) {
    GridLayout grid = LayoutGrid(603, 624, 2, 2, 1, 3, Uniform(kA4Aspect));
    EXPECT_EQ(grid.cellWidth, (603 - 9) / 2);
    EXPECT_EQ(grid.cellHeight, (624 - 21 - 9) / 2);
    ASSERT_EQ(grid.cells.size(), 3u);  // only three pages exist
    const Rect& first = grid.cells[0].image;
    EXPECT_EQ(first.x, 3);
    EXPECT_EQ(first.y, 3);
    EXPECT_EQ(first.height, 297);                               // full cell height
    EXPECT_EQ(first.width, static_cast<int>(297 * kA4Aspect));  // narrower than the cell
    EXPECT_EQ(grid.cells[1].image.x, 3 + 3 + first.width);
    EXPECT_EQ(grid.cells[2].image.y, 3 + 297 + 3);
    EXPECT_EQ(grid.cells[2].page, 3);
}

TEST(PreviewGridTest, TheGridStartsAsOnePage) {
    const PreviewState state(12);
    EXPECT_EQ(state.Across() * state.Down(), 1);
    EXPECT_EQ(state.PageStatus(), "Page 1 of 12");
}

// A thumbnail measured back in inches has its own sheet's proportions,
// whatever the shape of the window units and the grid, also among pages of
// other sheets (page p is on sheet p of the list, round again).
TEST(PreviewGridTest, ThumbnailsKeepTheirSheetsProportions) {
    const rt::UnitsPerInch unitShapes[] = {kUnits, {64, 51.2}, {60, 60}};
    const std::pair<int, int> grids[] = {{1, 1}, {2, 2}, {4, 1}, {1, 3}};
    const auto sheetOf = [](std::int32_t page) -> const Sheet& {
        return kSheets[static_cast<std::size_t>(page - 1) % std::size(kSheets)];
    };
    for (const rt::UnitsPerInch& units : unitShapes)
        for (const auto& [across, down] : grids)
            for (std::int32_t first = 1; first <= 4; ++first) {
                const GridLayout grid =
                    LayoutGrid(1200, 900, across, down, first, 20, [&](std::int32_t page) {
                        return ScreenAspect(sheetOf(page).width, sheetOf(page).height, units);
                    });
                // One page as large as the window allows.
                if (across * down == 1) {
                    EXPECT_TRUE(grid.cells[0].image.width == grid.cellWidth ||
                                grid.cells[0].image.height == grid.cellHeight);
                }
                for (const GridCell& cell : grid.cells) {
                    const Sheet& sheet = sheetOf(cell.page);
                    const double inches =
                        (cell.image.width / units.x) / (cell.image.height / units.y);
                    EXPECT_NEAR(inches * sheet.height / sheet.width, 1.0, 0.01)
                        << sheet.name << " " << across << "x" << down << " units " << units.x << "/"
                        << units.y;
                    EXPECT_LE(cell.image.y + cell.image.height, 900 - kGridToolbarHeight);
                }
            }
}

TEST(PreviewGridTest, NoDivisionByZeroNorNegativeSizes) {
    struct Case {
        int width, height, across, down;
    };
    const Case cases[] = {{0, 0, 1, 1},     {5, 5, 3, 3},       {-20, -20, 2, 2},
                          {600, 600, 0, 0}, {600, 600, -4, -1}, {1, 30, 1, 1}};
    for (const Case& c : cases) {
        GridLayout grid = LayoutGrid(c.width, c.height, c.across, c.down, 1, 9, Uniform(kA4Aspect));
        EXPECT_GE(grid.cellWidth, 0);
        EXPECT_GE(grid.cellHeight, 0);
        for (const GridCell& cell : grid.cells) {
            EXPECT_GE(cell.image.width, 0);
            EXPECT_GE(cell.image.height, 0);
        }
    }
    EXPECT_EQ(FitPage({0, 0, 100, 0}, kA4Aspect), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(FitPage({0, 0, 100, 100}, 0.0), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(ScreenAspect(0, 100, kUnits), 0);
    EXPECT_EQ(ScreenAspect(100, 100, {}), 0);
    EXPECT_EQ(SinglePage(kZoomPageWidth, 500, 0, 0).width, 0);
    EXPECT_EQ(SinglePage(kZoomPageWidth, -50, 800, 1000).width, 0);
}

TEST(PreviewGridTest, SinglePageScale) {
    EXPECT_DOUBLE_EQ(SinglePage(kZoomPageWidth, 400, 800, 1000).scale, 0.5);
    EXPECT_EQ(SinglePage(kZoomPageWidth, 400, 800, 1000).height, 500);
    EXPECT_DOUBLE_EQ(SinglePage(kZoomPageWidth, 1, 3, 3).scale, 0.3333);
    EXPECT_EQ(SinglePage(200, 400, 800, 1000).width, 1600);
}

TEST(PreviewGridTest, ZoomFieldAndStatus) {
    struct Case {
        std::string_view typed;
        int zoom;
        std::string field, status;
    };
    const Case cases[] = {
        {"Page Width", kZoomPageWidth, "Page Width", "Zoom: Page Width"},
        {"150", 150, "150% Zoom", "Zoom: 150%"},
        {"150% Zoom", 150, "150% Zoom", "Zoom: 150%"},
        {"0", kZoomTilePages, "Tile pages", "Zoom: Tile Pages"},  // not positive: unchanged
        {"-40", kZoomTilePages, "Tile pages", "Zoom: Tile Pages"},
        {"big", kZoomTilePages, "Tile pages", "Zoom: Tile Pages"},
        {"99999999999", kMaxUserZoom, "1000% Zoom", "Zoom: 1000%"},  // capped
    };
    for (const Case& c : cases) {
        PreviewState state(5);
        EXPECT_EQ(state.AcceptZoomText(c.typed), c.field) << c.typed;
        EXPECT_EQ(state.Zoom(), c.zoom) << c.typed;
        EXPECT_EQ(state.ZoomStatus(), c.status) << c.typed;
    }
    PreviewState state(5);
    state.AcceptZoomText("150");
    state.AcceptZoomText("nonsense");
    EXPECT_EQ(state.Zoom(), 150);  // a bad entry leaves the user's zoom
    EXPECT_TRUE(state.ChooseZoom(5));
    EXPECT_EQ(state.ZoomStatus(), "Zoom: 100%");
    EXPECT_FALSE(state.ChooseZoom(8));
}

TEST(PreviewGridTest, NavigationAndPageStatus) {
    PreviewState one(1);
    EXPECT_FALSE(one.NextEnabled());
    EXPECT_FALSE(one.PreviousEnabled());
    EXPECT_FALSE(one.JumpEnabled());
    EXPECT_FALSE(one.Next());
    EXPECT_EQ(one.PageStatus(), "Page 1 of 1");

    PreviewState state(20, 1, 2, 2);
    EXPECT_EQ(state.PageStatus(), "Page 1-4 of 20");
    EXPECT_TRUE(state.GridFieldsEnabled());
    EXPECT_TRUE(state.Next());
    EXPECT_EQ(state.CurrentPage(), 2);
    EXPECT_EQ(state.FirstPage(), 1);
    state.AcceptPage(20);
    EXPECT_EQ(state.PageStatus(), "Page 17-20 of 20");
    EXPECT_FALSE(state.NextEnabled());
    state.ChooseZoom(2);
    EXPECT_FALSE(state.GridFieldsEnabled());
    EXPECT_EQ(state.PageStatus(), "Page 20 of 20");
    state.ChangeDisplay(3, 1);
    EXPECT_EQ(state.CurrentPage(), 1);
    EXPECT_EQ(state.PageFieldHelp(), "Enter a page number from 1 to 20");
}

}  // namespace
}  // namespace printing
