#include "runtime/core/error_state.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

class ErrorStateTest : public ::testing::Test {
  protected:
    void SetUp() override { rt::ClearError(); }
    void TearDown() override { rt::ClearError(); }
};

TEST_F(ErrorStateTest, StartsCleared) {
    EXPECT_EQ(rt::ErrorCode(), 0);
    EXPECT_EQ(rt::ErrorText(), "");
    EXPECT_EQ(rt::FileErrorCode(), "");
    EXPECT_EQ(rt::FileErrorText(), "");
}

TEST_F(ErrorStateTest, SetErrorTakesTheRuntimeText) {
    rt::SetError(605);
    EXPECT_EQ(rt::ErrorCode(), 605);
    EXPECT_EQ(rt::ErrorText(), "DDE transaction timed out");
    rt::SetError(314);
    EXPECT_EQ(rt::ErrorCode(), 314);
    EXPECT_EQ(rt::ErrorText(), "");
}

TEST_F(ErrorStateTest, FileErrorKeepsTheDriversCodeAndText) {
    rt::SetFileError(90, "1205", "Disk quota exceeded");
    EXPECT_EQ(rt::ErrorCode(), 90);
    EXPECT_EQ(rt::ErrorText(), "File System Error");
    EXPECT_EQ(rt::FileErrorCode(), "1205");
    EXPECT_EQ(rt::FileErrorText(), "Disk quota exceeded");
}

TEST_F(ErrorStateTest, SetErrorAndClearErrorForgetTheDriversError) {
    rt::SetFileError(90, "17", "Exists");
    rt::SetError(2);
    EXPECT_EQ(rt::ErrorText(), "File Not Found");
    EXPECT_EQ(rt::FileErrorCode(), "");
    EXPECT_EQ(rt::FileErrorText(), "");

    rt::SetFileError(90, "17", "Exists");
    rt::ClearError();
    EXPECT_EQ(rt::ErrorCode(), 0);
    EXPECT_EQ(rt::FileErrorCode(), "");
    EXPECT_EQ(rt::FileErrorText(), "");
}

TEST_F(ErrorStateTest, EachThreadHasItsOwnError) {
    rt::SetFileError(90, "5", "main thread");
    int otherCodeBefore = -1;
    int otherCodeAfter = -1;
    std::string otherDriverText;
    std::thread other([&] {
        otherCodeBefore = rt::ErrorCode();
        rt::SetFileError(603, "7", "other thread");
        otherCodeAfter = rt::ErrorCode();
        otherDriverText = rt::FileErrorText();
    });
    other.join();
    EXPECT_EQ(otherCodeBefore, 0);
    EXPECT_EQ(otherCodeAfter, 603);
    EXPECT_EQ(otherDriverText, "other thread");
    EXPECT_EQ(rt::ErrorCode(), 90);
    EXPECT_EQ(rt::FileErrorCode(), "5");
    EXPECT_EQ(rt::FileErrorText(), "main thread");
}

}  // namespace
