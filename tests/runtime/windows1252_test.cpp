#include "runtime/windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(rt::ToWindows1252(rt::FromWindows1252(all)), all);
}

TEST(Windows1252, HighControlsAreTheWindowsCharacters) {
    EXPECT_EQ(rt::FromWindows1252("\x80\x93\xE9"), QString::fromUtf8("\u20AC\u201C\u00E9"));
    EXPECT_EQ(rt::ToWindows1252(QString::fromUtf8("\u2026 \u0153")), "\x85 \x9C");
}

TEST(Windows1252, CharactersOutsideTheTableBecomeQuestionMarks) {
    EXPECT_EQ(rt::ToWindows1252(QString::fromUtf8("a\u4E2Db\U0001F600c")), "a?b?c");
}

}  // namespace
