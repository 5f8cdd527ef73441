// The preview's menus: a zoom item for each zoom row, and back.
#include "printing/preview_layouts.h"

#include <gtest/gtest.h>

#include "printing/core/preview_grid.h"

namespace {

using namespace printing::preview;

TEST(PreviewLayouts, ZoomItemsAreNumberedFrom201ForRowOne) {
    const std::vector<std::pair<int, int>> rows = {{1, -201}, {4, -204}, {7, -207}};
    for (const auto& [row, item] : rows) {
        EXPECT_EQ(printing::preview::ZoomMenuItem(row), item);
        EXPECT_EQ(printing::preview::ZoomRowOfItem(item), row);
    }
    for (int other : {-200, -208, 0, 201, control::Next})
        EXPECT_EQ(printing::preview::ZoomRowOfItem(other), 0);
}

TEST(PreviewLayouts, TheZoomMenuHoldsTheSevenRowsWithTheirStatusTexts) {
    const rt::Layout layout = printing::preview::PreviewLayout();
    EXPECT_EQ(layout.title, "Report Preview");
    int row = 1;
    for (const printing::ZoomRow& zoom : printing::ZoomTable()) {
        const auto item = std::find_if(
            layout.menu.begin(), layout.menu.end(),
            [&](const rt::MenuDef& d) { return d.number == printing::preview::ZoomMenuItem(row); });
        ASSERT_NE(item, layout.menu.end());
        EXPECT_EQ(item->parent, control::ZoomMenu);
        EXPECT_EQ(item->text, zoom.MENUTEXT);
        EXPECT_EQ(item->help, zoom.STATUSTEXT);
        ++row;
    }
}

}  // namespace
