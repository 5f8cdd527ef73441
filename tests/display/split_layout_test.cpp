// The splitter layout's arithmetic, with a window whose size the test sets.
#include "display/core/split_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace display {
namespace {

constexpr int kPanelHeight = 10;  // grid starts at 13; MINY 63

class SplitLayoutTest : public testing::Test {
  protected:
    WindowSize size{400, 300};
    SplitLayout layout{[this] { return size; }};

    LayoutResult Restore(std::optional<std::string> v = std::nullopt,
                         std::optional<std::string> h = std::nullopt) {
        return layout.Restore(v, h, kPanelHeight);
    }
    Placement At(const LayoutResult& r, int control) {
        const Placement* p = r.Find(control);
        EXPECT_NE(p, nullptr) << control;
        return p ? *p : Placement{};
    }
};

TEST_F(SplitLayoutTest, FirstRunCentresBothBarsAndPlacesTheGrid) {
    LayoutResult r = Restore();
    EXPECT_EQ(layout.YORIGIN(), 13);
    EXPECT_EQ(layout.MINX(), 50);
    EXPECT_EQ(layout.MINY(), 63);
    EXPECT_EQ(layout.XPOS(), 200);
    EXPECT_EQ(layout.YPOS(), 156);  // (300 - 13) / 2 + 13 = 156.5
    EXPECT_TRUE(r.bandRepositioned);
    EXPECT_TRUE(r.barsEnabled);
    EXPECT_FALSE(r.showDropList);
    // lw 197, rw 197, th 140, bh 141
    EXPECT_EQ(At(r, kHeadingPanel), (Placement{kHeadingPanel, 2, 3, 396, std::nullopt}));
    EXPECT_EQ(At(r, kHeadingText), (Placement{kHeadingText, 4, 4, 394, std::nullopt}));
    EXPECT_EQ(At(r, kTopLineLight), (Placement{kTopLineLight, 0, 1, std::nullopt, std::nullopt}));
    EXPECT_EQ(At(r, kVSplitUpper), (Placement{kVSplitUpper, 199, 15, 2, 140}));
    EXPECT_EQ(At(r, kVSplitLower), (Placement{kVSplitLower, 199, 157, 2, 141}));
    EXPECT_EQ(At(r, kHSplitLeft), (Placement{kHSplitLeft, 2, 155, 197, 2}));
    EXPECT_EQ(At(r, kHSplitRight), (Placement{kHSplitRight, 201, 155, 197, 2}));
    EXPECT_EQ(At(r, kCrossing), (Placement{kCrossing, 199, 155, 2, 2}));
    EXPECT_EQ(At(r, kFilesList), (Placement{kFilesList, 2, 15, 197, 140}));
    EXPECT_EQ(At(r, kFieldsList), (Placement{kFieldsList, 201, 15, 197, 140}));
    EXPECT_EQ(At(r, kKeysList), (Placement{kKeysList, 2, 157, 197, 141}));
    EXPECT_EQ(At(r, kRelationsList), (Placement{kRelationsList, 201, 157, 197, 141}));
    SavedSplits saved = layout.Save();
    EXPECT_EQ(saved.vsplit, 200);
    EXPECT_EQ(saved.hsplit, 156);
}

TEST_F(SplitLayoutTest, SavedValuesAreReadAndLimited) {
    struct Case {
        std::optional<std::string> v, h;
        double x, y;
    };
    const Case cases[] = {
        {"120", "100", 120, 100},      {"142.9", " 99 ", 142, 99},
        {"abc", "", 50, 63},         // not numbers: 0, raised to the limits
        {"5000", "5000", 350, 250},  // from a larger window: W - 50, H - 63 + 13
        {std::nullopt, "70", 200, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Restore(c.v, c.h);
        EXPECT_EQ(layout.XPOS(), c.x);
        EXPECT_EQ(layout.YPOS(), c.y);
    }
}

TEST_F(SplitLayoutTest, DraggingStopsAtTheLimitsAndSkipsUnchangedPositions) {
    Restore();
    EXPECT_EQ(layout.DragTo('V', 3, 0)->Find(kVSplitUpper)->x, 49);
    EXPECT_EQ(layout.XPOS(), 50);
    EXPECT_FALSE(layout.DragTo('V', 10, 0).has_value());  // still 50: no layout
    layout.DragTo('V', 399, 0);
    EXPECT_EQ(layout.XPOS(), 350);
    layout.DragTo('H', 0, 0);
    EXPECT_EQ(layout.YPOS(), 63);
    layout.DragTo('D', 1000, 1000);
    EXPECT_EQ(layout.XPOS(), 350);
    EXPECT_EQ(layout.YPOS(), 250);
    EXPECT_FALSE(layout.DragTo(' ', 100, 100).has_value());
    // A drag layout does not move the heading band.
    EXPECT_FALSE(layout.DragTo('D', 100, 100)->bandRepositioned);
}

TEST_F(SplitLayoutTest, DoubleClicksCentreOneBarOrRetile) {
    Restore("100", "100");
    layout.DoubleClick(kVSplitLower);
    EXPECT_EQ(layout.XPOS(), 200);
    EXPECT_EQ(layout.YPOS(), 100);
    layout.DoubleClick(kHSplitLeft);
    EXPECT_EQ(layout.YPOS(), 156);
    layout.SetSplit(100, 100, false);
    layout.SetFullView(kKeysList);
    std::optional<LayoutResult> r = layout.DoubleClick(kCrossing);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(layout.FULLSCREENON(), 0);
    EXPECT_EQ(layout.XPOS(), 200);
    EXPECT_EQ(layout.YPOS(), 156);
    EXPECT_EQ(layout.SAVEXPOS(), 0);
    EXPECT_EQ(r->hidden, (std::array<bool, 4>{}));
}

TEST_F(SplitLayoutTest, FullViewEnterSwitchAndLeave) {
    Restore("120", "100");
    layout.SetFilesColumnWidth(60);
    struct Step {
        int list;
        int fullscreen;
        double x, y;
        std::array<bool, 4> hidden;
        bool dropList;
    };
    const Step steps[] = {
        {kFieldsList, kFieldsList, 1, 299, {true, false, true, true}, true},
        {kKeysList, kKeysList, 399, 14, {true, true, false, true}, true},
        {kKeysList, 0, 120, 100, {false, false, false, false}, false},
        {kFilesList, kFilesList, 399, 299, {false, true, true, true}, false},
        {kRelationsList, kRelationsList, 1, 14, {true, true, true, false}, true},
        {0, 0, 120, 100, {false, false, false, false}, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.list);
        LayoutResult r = layout.SetFullView(step.list);
        EXPECT_EQ(layout.FULLSCREENON(), step.fullscreen);
        EXPECT_EQ(layout.XPOS(), step.x);
        EXPECT_EQ(layout.YPOS(), step.y);
        EXPECT_EQ(r.hidden, step.hidden);
        EXPECT_EQ(r.showDropList, step.dropList);
        EXPECT_EQ(r.barsEnabled, step.fullscreen == 0);
        EXPECT_EQ(r.Find(kFileDropList) != nullptr, step.dropList);
        for (int list = kFilesList; list <= kRelationsList; ++list) {
            EXPECT_EQ(r.Find(list) == nullptr, step.hidden[list - kFilesList]) << list;
        }
        if (step.dropList) {
            EXPECT_EQ(*r.Find(kFileDropList), (Placement{kFileDropList, 2, 3, 70, 10}));
        }
    }
}

TEST_F(SplitLayoutTest, FullViewFillsTheGridArea) {
    Restore();
    LayoutResult r = layout.SetFullView(kFieldsList);
    // x = 1: the list starts at 2 and is W - 4 wide; y = H - 1.
    EXPECT_EQ(*r.Find(kFieldsList), (Placement{kFieldsList, 2, 15, 396, 283}));
}

TEST_F(SplitLayoutTest, SaveKeepsTheGridPositionDuringAFullView) {
    Restore("130", "90");
    layout.SetFullView(kFieldsList);
    layout.SetFullView(kKeysList);  // switching keeps the first saved position
    SavedSplits saved = layout.Save();
    EXPECT_EQ(saved.vsplit, 130);
    EXPECT_EQ(saved.hsplit, 90);
}

TEST_F(SplitLayoutTest, ResizeKeepsProportionsInTheGridAndFullnessInAView) {
    Restore("100", "150");
    size = {800, 600};
    LayoutResult r = layout.OnSized();
    EXPECT_EQ(layout.XPOS(), 200);
    EXPECT_EQ(layout.YPOS(), 300);
    EXPECT_TRUE(r.bandRepositioned);
    layout.SetFullView(kKeysList);
    size = {500, 200};
    layout.OnSized();
    EXPECT_EQ(layout.XPOS(), 499);
    EXPECT_EQ(layout.YPOS(), 14);
    layout.SetFullView(kKeysList);
    EXPECT_EQ(layout.XPOS(), 200);  // back to the grid, limits apply again
    EXPECT_EQ(layout.YPOS(), 150);  // H - 63 + 13
}

TEST_F(SplitLayoutTest, TinyWindowNeverGivesNegativeSizes) {
    size = {60, 40};
    LayoutResult r = Restore();
    for (const Placement& p : r.placements) {
        SCOPED_TRACE(p.control);
        EXPECT_GE(p.width.value_or(0), 0);
        EXPECT_GE(p.height.value_or(0), 0);
    }
    size = {0, 0};
    r = layout.OnSized();
    for (const Placement& p : r.placements) {
        EXPECT_GE(p.width.value_or(0), 0);
        EXPECT_GE(p.height.value_or(0), 0);
    }
    // The proportions survive a window with no extent.
    size = {400, 300};
    layout.OnSized();
    EXPECT_GT(layout.XPOS(), 0);
}

TEST(SplitSettingValueTest, NumbersTruncatedOthersZero) {
    const std::pair<const char*, int> cases[] = {
        {"142", 142}, {"142.5", 142}, {"-3.7", -3}, {"+8", 8}, {"", 0}, {"12px", 0}, {"x", 0},
    };
    for (auto [text, value] : cases) EXPECT_EQ(SplitSettingValue(text), value) << text;
}

}  // namespace
}  // namespace display
