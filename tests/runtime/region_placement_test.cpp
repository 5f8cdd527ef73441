// Regions (cursor, drag events, double-click, the mouse position while a drag
// goes on) and the placement of controls in dialog units, in a window under
// the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "runtime/gui/region_control.h"
#include "tests/support/gui_program.h"

namespace {

using guitest::OnControl;
using guitest::RunProgram;
using guitest::WaitForEvent;
using rt::gui::RegionControl;

constexpr int kBar = 9;
constexpr int kCross = 13;
constexpr int kLabel = 3;

rt::Layout RegionWindow() {
    rt::Layout layout;
    layout.label = "REGIONS";
    layout.kind = rt::WindowKind::Popup;
    layout.width = 200;
    layout.height = 120;
    rt::ControlDef bar;
    bar.number = kBar;
    bar.kind = rt::ControlKind::Region;
    bar.x = 100, bar.y = 10, bar.width = 2, bar.height = 100;
    bar.cursor = rt::ControlCursor::SizeWestEast;
    rt::ControlDef cross = bar;
    cross.number = kCross;
    cross.y = 60, cross.height = 2;
    cross.cursor = rt::ControlCursor::SizeNorthWestSouthEast;
    rt::ControlDef label;
    label.number = kLabel;
    label.kind = rt::ControlKind::String;
    label.x = 4, label.y = 4, label.width = 50, label.height = 8;
    label.text = "Heading";
    layout.controls = {bar, cross, label};
    return layout;
}

// Sends a left-button mouse event to the region at a point of the window's
// client area given in pixels.
void Mouse(const rt::Window& window, int region, QEvent::Type type, QPoint client) {
    OnControl<RegionControl>(window, region, [&](RegionControl& widget) {
        const QPoint global = widget.parentWidget()->mapToGlobal(client);
        const QPoint local = widget.mapFromGlobal(global);
        QMouseEvent mouse(type, QPointF(local), QPointF(global), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&widget, &mouse);
    });
}

int PixelsX(const rt::Window& window, int du) {
    return rt::gui::GuiCall<int>([&] { return rt::gui::Find(window.Ref().Id())->DuToPixelsX(du); });
}
int PixelsY(const rt::Window& window, int du) {
    return rt::gui::GuiCall<int>([&] { return rt::gui::Find(window.Ref().Id())->DuToPixelsY(du); });
}

TEST(Region, ShowsItsSizingCursorOnlyWhileEnabled) {
    RunProgram([] {
        rt::Window window(RegionWindow());
        window.Open();
        OnControl<RegionControl>(window, kBar, [](RegionControl& region) {
            EXPECT_EQ(region.cursor().shape(), Qt::SizeHorCursor);
        });
        OnControl<RegionControl>(window, kCross, [](RegionControl& region) {
            EXPECT_EQ(region.cursor().shape(), Qt::SizeFDiagCursor);
        });
        window.Ref().Enable(kBar, false);
        OnControl<RegionControl>(window, kBar, [](RegionControl& region) {
            EXPECT_EQ(region.cursor().shape(), Qt::ArrowCursor);
        });
    });
}

TEST(Region, ADragPostsDraggingThenDragAndTheMouseIsFollowedOutsideTheRegion) {
    RunProgram([] {
        rt::Window window(RegionWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        Mouse(window, kBar, QEvent::MouseButtonPress,
              QPoint(PixelsX(window, 101), PixelsY(window, 30)));
        ASSERT_TRUE(WaitForEvent(window, rt::event::Dragging, kBar).has_value());
        // The mouse leaves the region: the grab keeps reporting it.
        Mouse(window, kBar, QEvent::MouseMove, QPoint(PixelsX(window, 150), PixelsY(window, 40)));
        EXPECT_EQ(ref.MousePosition(), (rt::UnitPoint{150, 40}));
        Mouse(window, kBar, QEvent::MouseMove, QPoint(PixelsX(window, 20), PixelsY(window, 90)));
        EXPECT_EQ(ref.MousePosition(), (rt::UnitPoint{20, 90}));
        Mouse(window, kBar, QEvent::MouseButtonRelease,
              QPoint(PixelsX(window, 20), PixelsY(window, 90)));
        EXPECT_TRUE(WaitForEvent(window, rt::event::Drag, kBar).has_value());
        // A move after the release is no longer part of a drag.
        OnControl<RegionControl>(window, kBar,
                                 [](RegionControl& region) { EXPECT_FALSE(region.Dragging()); });
    });
}

TEST(Region, ADoubleClickPostsMouseUpWithTheDoubleClickKey) {
    RunProgram([] {
        // The window alerts the double-click (for its lists): the region
        // still reports its own.
        rt::Layout layout = RegionWindow();
        layout.alertKeys = {rt::key::MouseLeftDouble};
        rt::Window window(layout);
        window.Open();
        const QPoint at(PixelsX(window, 101), PixelsY(window, 61));
        Mouse(window, kCross, QEvent::MouseButtonPress, at);
        Mouse(window, kCross, QEvent::MouseButtonRelease, at);
        Mouse(window, kCross, QEvent::MouseButtonDblClick, at);
        Mouse(window, kCross, QEvent::MouseButtonRelease, at);
        EXPECT_EQ(WaitForEvent(window, rt::event::MouseUp, kCross), rt::key::MouseLeftDouble);
    });
}

TEST(Region, ADisabledRegionIgnoresTheMouse) {
    RunProgram([] {
        rt::Window window(RegionWindow());
        window.Open();
        window.Ref().Enable(kBar, false);
        Mouse(window, kBar, QEvent::MouseButtonPress,
              QPoint(PixelsX(window, 101), PixelsY(window, 30)));
        EXPECT_FALSE(WaitForEvent(window, rt::event::Dragging, kBar, std::chrono::milliseconds(300))
                         .has_value());
    });
}

TEST(Placements, ABatchMovesSizesHidesAndDisablesInDialogUnits) {
    RunProgram([] {
        rt::Window window(RegionWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        EXPECT_EQ(ref.ClientWidth(), 200);
        EXPECT_EQ(ref.ClientHeight(), 120);
        EXPECT_EQ(ref.ControlPosition(kBar), (rt::ControlBox{100, 10, 2, 100}));

        ref.ApplyPlacements({rt::ControlPlacement::Box(kBar, 37, 13, 2, 55),
                             rt::ControlPlacement::Enable(kBar, false),
                             rt::ControlPlacement::Hide(kCross, true),
                             rt::ControlPlacement::Move(kLabel, 0, 1),  // size kept
                             rt::ControlPlacement::Move(99, 1, 1)});    // no such control
        EXPECT_EQ(ref.ControlPosition(kBar), (rt::ControlBox{37, 13, 2, 55}));
        EXPECT_FALSE(ref.IsEnabled(kBar));
        EXPECT_FALSE(ref.IsHidden(kBar));
        EXPECT_TRUE(ref.IsHidden(kCross));
        EXPECT_EQ(ref.ControlPosition(kCross), (rt::ControlBox{100, 60, 2, 2}));
        EXPECT_EQ(ref.ControlPosition(kLabel), (rt::ControlBox{0, 1, 50, 8}));

        ref.SetControlPosition(kLabel, 7, 9, 33, 10);
        EXPECT_EQ(ref.ControlPosition(kLabel), (rt::ControlBox{7, 9, 33, 10}));
        // A screen point of the client area is the client origin plus the offset.
        const rt::UnitPoint origin = ref.ToScreen(0, 0);
        const rt::UnitPoint point = ref.ToScreen(40, 16);
        EXPECT_EQ(point.x - origin.x, PixelsX(window, 40));
        EXPECT_EQ(point.y - origin.y, PixelsY(window, 16));
    });
}

class DialogUnits : public testing::TestWithParam<int> {};

TEST_P(DialogUnits, ReadBackAsSet) {
    RunProgram([] {
        rt::Window window(RegionWindow());
        window.Open();
        const int du = GetParam();
        window.Ref().SetControlPosition(kLabel, du, du, du, du);
        EXPECT_EQ(window.Ref().ControlPosition(kLabel), (rt::ControlBox{du, du, du, du}));
    });
}

INSTANTIATE_TEST_SUITE_P(Values, DialogUnits, testing::Values(1, 3, 7, 10, 33, 142, 283));

}  // namespace

namespace {

TEST(Placements, AStringWithoutASizeTakesTheWidthOfItsText) {
    guitest::RunProgram([] {
        rt::Layout layout = RegionWindow();
        rt::ControlDef measure;
        measure.number = 4;
        measure.kind = rt::ControlKind::String;
        measure.x = 10, measure.y = 10;  // no size: sized to its text
        measure.hidden = true;
        layout.controls.push_back(measure);
        rt::Window window(layout);
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ref.SetText(4, "Attributes");
        const int shortWidth = ref.ControlPosition(4).width;
        ref.SetText(4, "Attributes and a good deal more text");
        const int longWidth = ref.ControlPosition(4).width;
        EXPECT_GT(shortWidth, 0);
        EXPECT_GT(longWidth, shortWidth * 2);
        // A string with a size of its own keeps it.
        ref.SetText(kLabel, "Attributes and a good deal more text");
        EXPECT_EQ(ref.ControlPosition(kLabel).width, 50);
    });
}

}  // namespace
