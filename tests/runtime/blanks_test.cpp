// The two trims: both ends of every blank, and trailing spaces only.
#include "runtime/core/blanks.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct TrimCase {
    std::string_view text;
    std::string_view both;      // TrimBlanks
    std::string_view trailing;  // TrimTrailingSpaces
};

class Blanks : public testing::TestWithParam<TrimCase> {};

TEST_P(Blanks, TrimAsDocumented) {
    const TrimCase& c = GetParam();
    EXPECT_EQ(rt::TrimBlanks(c.text), c.both);
    EXPECT_EQ(rt::TrimTrailingSpaces(c.text), c.trailing);
}

INSTANTIATE_TEST_SUITE_P(Texts, Blanks,
                         testing::Values(TrimCase{"", "", ""}, TrimCase{"   ", "", ""},
                                         TrimCase{"ORDERS  ", "ORDERS", "ORDERS"},
                                         TrimCase{"  ORDERS", "ORDERS", "  ORDERS"},
                                         TrimCase{"A B  ", "A B", "A B"},
                                         TrimCase{"TAB\t ", "TAB", "TAB\t"},
                                         TrimCase{"\tX \r\n", "X", "\tX \r\n"}));

}  // namespace
