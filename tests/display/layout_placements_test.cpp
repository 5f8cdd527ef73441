// One splitter layout as the batch of moves the dictionary window applies.
#include "display/core/layout_placements.h"

#include <gtest/gtest.h>

#include <optional>

namespace display {
namespace {

constexpr PickButtonPlace kButton{5, 55, 10};

class LayoutPlacementsTest : public testing::Test {
  protected:
    WindowSize size{400, 300};
    SplitLayout layout{[this] { return size; }};

    std::vector<rt::ControlPlacement> Moves(const LayoutResult& result) {
        return LayoutPlacements(result, kButton);
    }
    // The last move of `control` that sets what `field` picks out.
    template <typename Field>
    std::optional<rt::ControlPlacement> Last(const std::vector<rt::ControlPlacement>& moves,
                                             int control, Field field) {
        std::optional<rt::ControlPlacement> found;
        for (const auto& move : moves)
            if (move.control == control && field(move)) found = move;
        return found;
    }
    static bool Placed(const rt::ControlPlacement& m) { return m.x != rt::ControlPlacement::kKeep; }
    static bool Shown(const rt::ControlPlacement& m) { return m.hidden.has_value(); }
    static bool Enabled(const rt::ControlPlacement& m) { return m.enabled.has_value(); }
};

TEST_F(LayoutPlacementsTest, GridPlacesTheButtonAtTheBandsEndAndShowsTheHeading) {
    const auto moves = Moves(layout.Restore(std::nullopt, std::nullopt, 10));
    // Panel 2 at x 2 with width 396: the button ends where it ends.
    EXPECT_EQ(*Last(moves, 5, Placed), rt::ControlPlacement::Box(5, 343, 3, 55, 10));
    EXPECT_EQ(Last(moves, 3, Placed)->width, 394 - 55 - 2);
    EXPECT_EQ(*Last(moves, 14, Placed), rt::ControlPlacement::Box(14, 2, 15, 197, 140));
    for (int list : {14, 15, 16, 17}) EXPECT_FALSE(*Last(moves, list, Shown)->hidden) << list;
    EXPECT_TRUE(*Last(moves, 8, Shown)->hidden);
    EXPECT_FALSE(*Last(moves, 2, Shown)->hidden);
    EXPECT_FALSE(*Last(moves, 3, Shown)->hidden);
    for (int bar : {9, 10, 11, 12, 13}) EXPECT_TRUE(*Last(moves, bar, Enabled)->enabled) << bar;
}

TEST_F(LayoutPlacementsTest, FullViewOfADetailListShowsTheDropListAndDisablesTheBars) {
    layout.Restore(std::nullopt, std::nullopt, 10);
    layout.SetFilesColumnWidth(40);
    const auto moves = Moves(layout.SetFullView(kKeysList));
    EXPECT_EQ(*Last(moves, 8, Placed), rt::ControlPlacement::Box(8, 2, 3, 50, 10));
    EXPECT_FALSE(*Last(moves, 8, Shown)->hidden);
    EXPECT_TRUE(*Last(moves, 2, Shown)->hidden);
    EXPECT_TRUE(*Last(moves, 3, Shown)->hidden);
    EXPECT_FALSE(*Last(moves, 16, Shown)->hidden);
    for (int list : {14, 15, 17}) EXPECT_TRUE(*Last(moves, list, Shown)->hidden) << list;
    // The crossing point too: it would drag an invisible corner.
    for (int bar : {9, 10, 11, 12, 13}) EXPECT_FALSE(*Last(moves, bar, Enabled)->enabled) << bar;
}

TEST_F(LayoutPlacementsTest, NoSizeIsNegativeInAWindowSmallerThanTheMargins) {
    for (WindowSize tiny : {WindowSize{0, 0}, WindowSize{20, 10}, WindowSize{60, 70}}) {
        size = tiny;
        const auto moves = Moves(layout.Restore(std::nullopt, std::nullopt, 10));
        for (const auto& move : moves) {
            if (move.width != rt::ControlPlacement::kKeep) {
                EXPECT_GE(move.width, 0) << move.control;
            }
            if (move.height != rt::ControlPlacement::kKeep) {
                EXPECT_GE(move.height, 0) << move.control;
            }
        }
        EXPECT_GE(Last(moves, 5, Placed)->x, 2);  // the button never leaves the band's start
    }
}

}  // namespace
}  // namespace display
