// Pagination, page footers and group breaks of the band engine.
#include "printing/core/report_engine.h"

#include <gtest/gtest.h>

#include <tuple>

namespace printing {
namespace {

Band TextBand(std::string text, int height) {
    Band band;
    band.height = height;
    band.ops.push_back(rt::TextOp(0, 0, text, {}));
    band.text.push_back(std::move(text));
    return band;
}

PageMetrics SmallArea() {
    PageMetrics metrics;
    metrics.left = 100;
    metrics.top = 50;
    metrics.height = 1000;
    metrics.footerTop = 1100;
    return metrics;
}

struct Collected {
    std::vector<ReportPage> pages;
    ReportEngine engine{
        SmallArea(), [](std::int32_t page) { return TextBand("Page " + std::to_string(page), 50); },
        [this](ReportPage&& page) { pages.push_back(std::move(page)); }};
};

TEST(ReportEngineTest, PaginatesOverThePageArea) {
    struct Case {
        int bands, height;
        std::vector<std::size_t> linesPerPage;  // footer included
    };
    const Case cases[] = {
        {10, 100, {11}},     // exactly full
        {11, 100, {11, 2}},  // one more goes to page 2
        {3, 400, {3, 2}},    // 800 fits, 1200 does not
        {2, 1500, {2, 2}},   // taller than the area: a page each, never none
        {0, 100, {}},        // nothing printed, no page
    };
    for (const Case& c : cases) {
        Collected run;
        for (int i = 0; i < c.bands; ++i) run.engine.Print(TextBand("b", c.height));
        run.engine.Finish();
        std::vector<std::size_t> lines;
        for (const ReportPage& page : run.pages) lines.push_back(page.text.size());
        EXPECT_EQ(lines, c.linesPerPage) << c.bands << " x " << c.height;
        for (std::size_t p = 0; p < run.pages.size(); ++p) {
            EXPECT_EQ(run.pages[p].number, static_cast<std::int32_t>(p + 1));
            EXPECT_EQ(run.pages[p].text.back(), "Page " + std::to_string(p + 1));
        }
    }
}

TEST(ReportEngineTest, PlacesBandsInTheAreaAndTheFooterBelowIt) {
    Collected run;
    run.engine.Print(TextBand("a", 300));
    run.engine.Print(TextBand("b", 300));
    run.engine.Finish();
    ASSERT_EQ(run.pages.size(), 1u);
    const auto& ops = run.pages[0].drawing.ops;
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].x, 100);
    EXPECT_EQ(ops[0].y, 50);
    EXPECT_EQ(ops[1].y, 350);
    EXPECT_EQ(ops[2].y, 1100);
    EXPECT_EQ(run.pages[0].drawing.width, rt::kA4Width);
}

TEST(ReportEngineTest, PageNumberSetBackAfterABreak) {
    Collected run;
    run.engine.Print(TextBand("title", 100));
    run.engine.PageBreak();
    run.engine.SetPageNumber(1);
    run.engine.Print(TextBand("body", 100));
    run.engine.PageBreak();  // a break on an empty page adds nothing
    run.engine.PageBreak();
    run.engine.Finish();
    ASSERT_EQ(run.pages.size(), 2u);
    EXPECT_EQ(run.pages[0].number, 1);
    EXPECT_EQ(run.pages[1].number, 1);
}

TEST(ReportEngineTest, GroupHeadersOnChangingValuesNested) {
    Collected run;
    std::string name, heading;
    run.engine.SetGroups(
        {{[&] { return name; }, [&] { return TextBand("H1 " + name, 10); }},
         {[&] { return heading; }, [&] { return TextBand("H2 " + heading, 10); }}});
    struct Step {
        std::string name, heading;
        std::size_t depth;
        std::string text;
    };
    const Step steps[] = {
        {"A", "", 0, "outside"},  // depth 0: no group header
        {"A", "", 1, "a1"},       // H1 A
        {"A", "k", 2, "row"},     // H2 k
        {"A", "k", 2, "row"},     // no header
        {"A", "f", 2, "row"},     // H2 f
        {"B", "f", 1, "b1"},      // H1 B (the nested group starts over)
        {"B", "f", 2, "row"},     // H2 f again, although the heading did not change
        {"B", "f", 1, "b2"},      // nothing
    };
    for (const Step& s : steps) {
        name = s.name;
        heading = s.heading;
        run.engine.Print(TextBand(s.text, 10), s.depth);
    }
    run.engine.Finish();
    ASSERT_EQ(run.pages.size(), 1u);
    EXPECT_EQ(run.pages[0].text,
              (std::vector<std::string>{"outside", "H1 A", "a1", "H2 k", "row", "row", "H2 f",
                                        "row", "H1 B", "b1", "H2 f", "row", "b2", "Page 1"}));
}

// The page's areas on each sheet: A4 upright as it always was; elsewhere the
// body and the footer's text lie on the sheet, the footer just below the
// body, nothing past the right edge.
TEST(ReportEngineTest, TheLayoutFitsEverySheet) {
    const PageMetrics a4;
    struct Case {
        const char* name;
        int width, height;
        double scale;
    };
    const Case cases[] = {
        {"A4", 8268, 11693, 1.0},           {"Letter", 8500, 11000, 1.0},
        {"Legal", 8500, 14000, 1.0},        {"A3", 11693, 16535, 1.0},
        {"A4 landscape", 11693, 8268, 1.0}, {"A5", 5827, 8268, 5827.0 / 8268},
        {"A5 landscape", 8268, 5827, 1.0},
    };
    constexpr int kFooterText = 265;  // the footer's two lines of text
    for (const Case& c : cases) {
        const PageMetrics m = MetricsForSheet(c.width, c.height);
        EXPECT_EQ(m.sheetWidth, c.width) << c.name;
        EXPECT_EQ(m.sheetHeight, c.height) << c.name;
        EXPECT_NEAR(m.scale, c.scale, 1e-9) << c.name;
        EXPECT_EQ(std::tie(m.left, m.top, m.width), std::tie(a4.left, a4.top, a4.width)) << c.name;
        EXPECT_EQ(m.footerTop, m.top + m.height) << c.name;
        EXPECT_LE((m.footerTop + kFooterText) * m.scale, c.height) << c.name;
        EXPECT_LE((m.left + m.width) * m.scale, c.width) << c.name;
        // The body uses the sheet: no more than the A4 gap is left under the footer.
        EXPECT_GE((m.footerTop + a4.sheetHeight - a4.footerTop) * m.scale, c.height - 1) << c.name;
    }
    const PageMetrics same = MetricsForSheet(8268, 11693);
    EXPECT_EQ(same.height, a4.height);
    EXPECT_EQ(same.footerTop, a4.footerTop);
    EXPECT_EQ(same.footerHeight, a4.footerHeight);

    std::vector<ReportPage> pages;
    ReportEngine engine(MetricsForSheet(5827, 8268), nullptr,
                        [&](ReportPage&& page) { pages.push_back(std::move(page)); });
    engine.Print(TextBand("a", 300));
    engine.Finish();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].drawing.width, 5827);
    EXPECT_EQ(pages[0].drawing.height, 8268);
    EXPECT_NEAR(pages[0].drawing.scale, 5827.0 / 8268, 1e-9);
}

}  // namespace
}  // namespace printing
