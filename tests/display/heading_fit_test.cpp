// The heading fitted to its room: the path loses its middle to an ellipsis,
// the file's name stays; with no room for the path, the name alone.
#include "display/core/heading_fit.h"

#include <gtest/gtest.h>

namespace {

using display::FitHeading;

// One unit per character.
int Count(std::string_view text) {
    return static_cast<int>(text.size());
}

struct Case {
    const char* what;
    const char* before;
    const char* path;
    const char* after;
    int width;
    const char* expected;
};

const Case kCases[] = {
    {"fits whole, trailing blanks dropped", "", "/d/x.txd", "    FILE: Customer    ", 30,
     "/d/x.txd    FILE: Customer"},
    {"exactly the width", "", "/d/x.txd", "    FILE: A", 19, "/d/x.txd    FILE: A"},
    {"middle of the path cut, the end keeps the odd one", "", "/home/user/data/shop.txd",
     "    FILE: Customer", 30, "/hom...p.txd    FILE: Customer"},
    {"only the ellipsis left of the path", "", "/home/user/shop.txd", "    FILE: Customer", 21,
     "...    FILE: Customer"},
    {"no room for the path: the name alone", "", "/home/user/shop.txd", "    FILE: Customer", 16,
     "FILE: Customer"},
    {"no room for the whole name: cut at its end", "", "/p.txd", "    ALIAS: Orphan", 9,
     "ALIAS:..."},
    {"the dictionary heading keeps its word", "DICTIONARY: ", "/home/user/data/shop.txd", "", 24,
     "DICTIONARY: /hom...p.txd"},
    {"no room at all", "", "/p", "    FILE: X", 2, ""},
};

class HeadingFit : public testing::TestWithParam<Case> {};

TEST_P(HeadingFit, KeepsTheNameAndShortensThePathInItsMiddle) {
    const Case& c = GetParam();
    const std::string text = FitHeading(c.before, c.path, c.after, c.width, Count);
    EXPECT_EQ(text, c.expected) << c.what;
    EXPECT_LE(Count(text), c.width) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, HeadingFit, testing::ValuesIn(kCases));

}  // namespace
