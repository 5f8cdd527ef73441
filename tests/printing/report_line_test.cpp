#include "printing/core/report_line.h"

#include <gtest/gtest.h>

namespace printing {
namespace {

struct LineCase {
    const char* name;
    void (*fill)(ReportLine&);
    const char* shown;
};

const LineCase kLineCases[] = {
    {"put overwrites only its own characters",
     [](ReportLine& l) {
         l = "abcdefgh";
         l.Put(3, "XY");
     },
     "abXYefgh"},
    {"put past the end writes nothing",
     [](ReportLine& l) {
         l = "abc";
         l.Put(300, "XY");
     },
     "abc"},
    {"put at the last column is cut", [](ReportLine& l) { l.Put(kLineLength, "XYZ"); }, nullptr},
    {"slice pads and cuts",
     [](ReportLine& l) {
         l = "0123456789";
         l.PutSlice(3, 5, "ABCDEFG");
     },
     "01ABC56789"},
    {"slice clears what it does not fill",
     [](ReportLine& l) {
         l = "0123456789";
         l.PutSlice(3, 8, "AB");
     },
     "01AB    89"},
    {"right alignment pads on the left", [](ReportLine& l) { l.PutRight(1, 6, "ab  "); }, "    ab"},
    {"right alignment drops leftmost characters", [](ReportLine& l) { l.PutRight(1, 4, "abcdef"); },
     "cdef"},
    {"right alignment of an exact fit", [](ReportLine& l) { l.PutRight(2, 4, "xyz"); }, " xyz"},
};

TEST(ReportLineTest, Fills) {
    for (const LineCase& c : kLineCases) {
        ReportLine line;
        c.fill(line);
        ASSERT_EQ(line.Value().size(), kLineLength) << c.name;
        if (c.shown != nullptr) {
            EXPECT_EQ(line.Shown(kLineLength), c.shown) << c.name;
        } else {
            EXPECT_EQ(line.Value().back(), 'X') << c.name;
        }
    }
}

TEST(ReportLineTest, ShownCutsAtThePictureWidth) {
    ReportLine line;
    line.Put(99, "ABCD");
    EXPECT_EQ(line.Shown(100), std::string(98, ' ') + "AB");
    EXPECT_EQ(Fixed("abc", 5), "abc  ");
    EXPECT_EQ(Fixed("abcdef", 2), "ab");
}

TEST(ReportLineTest, WrapBreaksAfterSeparators) {
    struct Case {
        std::string_view text;
        std::size_t width;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"A1, A2, A3", 10, {"A1, A2, A3"}},                   // fits: one piece
        {"A1, A2, A3", 7, {"A1, A2,", "A3"}},                 // after the comma, blank dropped
        {"INLIST('a|b|c')", 11, {"INLIST('a|", "b|c')"}},     // after a bar
        {"\\srv\\dir\\F.DAT", 9, {"\\srv\\dir\\", "F.DAT"}},  // after a backslash
        {"ABCDEFGH", 3, {"ABC", "DEF", "GH"}},                // no break: cut where it ends
        {"   ", 5, {}},                                       // blank: nothing
    };
    for (const Case& c : cases) EXPECT_EQ(WrapText(c.text, c.width), c.pieces) << c.text;
}

}  // namespace
}  // namespace printing
