// A page-image control: a thumbnail fills its box, a zoomed page scrolls,
// the scroll stays in proportion when the control is resized, and the page
// is read from its file once however often it is painted.
#include "runtime/gui/page_image_control.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include "runtime/page_images.h"
#include "tests/support/gui_program.h"
#include "tests/support/letter_sheet.h"

namespace {

rt::Page Letter() {
    rt::Page page;
    page.width = testsupport::kLetterWidth;
    page.height = testsupport::kLetterHeight;
    page.ops.push_back(rt::TextOp(500, 500, "Letter", {rt::FontFace::Sans, 12, false}));
    return page;
}

TEST(PageImageControl, ThumbnailsFillTheirBoxAndZoomedPagesScroll) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        ASSERT_TRUE(pages.Add(Letter()));
        rt::gui::GuiInvoke([&] {
            rt::gui::PageImageControl control(nullptr, {});
            control.resize(200, 300);
            control.SetPage(&pages, 1);
            control.show();
            EXPECT_EQ(control.ContentSize(), control.viewport()->size());
            EXPECT_EQ(control.verticalScrollBar()->maximum(), 0);

            control.SetScale(2.0);
            const QSize content = control.ContentSize();
            EXPECT_EQ(content.width(), static_cast<int>(8.5 * control.logicalDpiX() * 2));
            EXPECT_GT(control.verticalScrollBar()->maximum(), 0);
            EXPECT_GT(control.horizontalScrollBar()->maximum(), 0);

            // The bottom of the page in view: the scroll bar at its end.
            control.ScrollTo(QPointF(0.5, 1.0));
            EXPECT_EQ(control.verticalScrollBar()->value(), control.verticalScrollBar()->maximum());

            // Half way down, then a taller control: still about half way.
            control.ScrollTo(QPointF(0.5, 0.5));
            const auto middle = [&] {
                return (control.verticalScrollBar()->value() + control.viewport()->height() / 2.0) /
                       content.height();
            };
            EXPECT_NEAR(middle(), 0.5, 0.01);
            control.resize(200, 500);
            EXPECT_NEAR(middle(), 0.5, 0.01);

            for (int paint = 0; paint < 3; ++paint) control.grab();
            EXPECT_EQ(control.Loads(), 1);
        });
    });
}

}  // namespace
