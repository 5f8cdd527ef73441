#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "runtime/core/error_state.h"

namespace {

int CountTexts(int first, int last) {
    int count = 0;
    for (int code = first; code <= last; ++code) {
        if (!rt::RuntimeErrorText(code).empty()) ++count;
    }
    return count;
}

TEST(RuntimeErrorTexts, FileErrorGroup) {
    EXPECT_EQ(rt::RuntimeErrorText(2), "File Not Found");
    EXPECT_EQ(rt::RuntimeErrorText(5), "Access Denied");
    EXPECT_EQ(rt::RuntimeErrorText(30), "Entry Not Found");
    EXPECT_EQ(rt::RuntimeErrorText(33), "Record Not Available");
    EXPECT_EQ(rt::RuntimeErrorText(56), "LOGOUT Already Active");
    EXPECT_EQ(rt::RuntimeErrorText(65), "Unable To ROLLBACK Transaction");
    EXPECT_EQ(rt::RuntimeErrorText(89), "Record Changed By Another Station");
    EXPECT_EQ(rt::RuntimeErrorText(90), "File System Error");
    EXPECT_EQ(rt::RuntimeErrorText(93), "BUILD Cancelled");
    EXPECT_EQ(CountTexts(1, 99), 42);
}

TEST(RuntimeErrorTexts, TrailingBlanksArePartOfTheText) {
    EXPECT_EQ(rt::RuntimeErrorText(78), "Invalid Number Of Parameters ");
    EXPECT_EQ(rt::RuntimeErrorText(350), "Not Supported ");
    EXPECT_EQ(rt::RuntimeErrorText(403),
              "Termination caused by signal.  (User break or Floating point)");
}

TEST(RuntimeErrorTexts, OperatingSystemGroup) {
    EXPECT_EQ(rt::RuntimeErrorText(301), "Invalid Function");
    EXPECT_EQ(rt::RuntimeErrorText(316), "Invalid Operation For Current Directory");
    EXPECT_EQ(rt::RuntimeErrorText(357), "Adapter/Hardware Failure");
    EXPECT_EQ(rt::RuntimeErrorText(372), "Network Redirection Paused");
    EXPECT_EQ(rt::RuntimeErrorText(380), "File Already Exists");
    EXPECT_EQ(rt::RuntimeErrorText(391), "Unknown Error");
    EXPECT_EQ(CountTexts(300, 399), 72);
}

TEST(RuntimeErrorTexts, RunTimeFaultGroup) {
    EXPECT_EQ(rt::RuntimeErrorText(401), "Stack overflow");
    EXPECT_EQ(rt::RuntimeErrorText(402), "Null pointer de-reference");
    EXPECT_EQ(rt::RuntimeErrorText(410), "Pure Virtual Function Called");
    EXPECT_EQ(CountTexts(400, 499), 10);
}

TEST(RuntimeErrorTexts, WindowAndReportGroup) {
    EXPECT_EQ(rt::RuntimeErrorText(501), "Internal error 01");
    EXPECT_EQ(rt::RuntimeErrorText(515), "Internal error 15");
    EXPECT_EQ(rt::RuntimeErrorText(520), "Mismatch with VWVBX.DLL detected");
    EXPECT_EQ(rt::RuntimeErrorText(532), "Unable to open MDI window on APPLICATION's thread");
    EXPECT_EQ(rt::RuntimeErrorText(544), "Too Many VBX Hooks");
    EXPECT_EQ(CountTexts(500, 599), 40);
}

TEST(RuntimeErrorTexts, DdeAndExpressionGroups) {
    EXPECT_EQ(rt::RuntimeErrorText(601), "Invalid DDE channel");
    EXPECT_EQ(rt::RuntimeErrorText(602), "DDE channel is not open");
    EXPECT_EQ(rt::RuntimeErrorText(603), "DDEexecute - invalid command");
    EXPECT_EQ(rt::RuntimeErrorText(604), "DDEpoke - invalid command");
    EXPECT_EQ(rt::RuntimeErrorText(605), "DDE transaction timed out");
    EXPECT_EQ(rt::RuntimeErrorText(800), "Invalid expression for EVALUATE");
    EXPECT_EQ(rt::RuntimeErrorText(801), "No BIND on variable");
    EXPECT_EQ(rt::RuntimeErrorText(802), "Mismatched PUSHSCOPE/POPSCOPE");
    EXPECT_EQ(CountTexts(600, 899), 8);
}

TEST(RuntimeErrorTexts, CodesWithoutEntryHaveNoText) {
    for (int code : {-1,  0,   1,   6,   9,   31,  94,  300, 314, 340,
                     389, 392, 400, 411, 516, 545, 606, 799, 803, 65535}) {
        EXPECT_TRUE(rt::RuntimeErrorText(code).empty()) << code;
    }
    EXPECT_EQ(CountTexts(-100, 100000), 172);
}

}  // namespace
