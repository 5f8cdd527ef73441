#include "runtime/core/date_pictures.h"

#include <gtest/gtest.h>

#include <limits>

#include "runtime/core/dates.h"
#include "runtime/core/picture_layout.h"
#include "tests/support/scoped_settings.h"

namespace rt {
namespace {

constexpr int32_t kDec5th1998 = 72295;
constexpr int32_t kMar5th1998 = 72020;
constexpr int32_t k140709 = 5082901;
constexpr int32_t kNoon = 12 * 360000 + 1;

class DatePicturesTest : public ::testing::Test {
  protected:
    void SetUp() override { UseRegionalSettings(RegionalSettings{}); }
    void TearDown() override { UseRegionalSettings(RegionalSettings{}); }
};

TEST_F(DatePicturesTest, PicturesTheProgramUses) {
    EXPECT_EQ(FormatDate(kDec5th1998, 4), "December  5, 1998");
    EXPECT_EQ(FormatTime(k140709, 3), " 2:07PM");
    EXPECT_EQ(FormatDate(kDec5th1998, 7), " 5 DEC 98");
    EXPECT_EQ(FormatTime(k140709, 6), " 2:07:09PM");
}

TEST_F(DatePicturesTest, EveryFixedDatePicture) {
    const char* expected[] = {"12/05/98",
                              "12/05/1998",
                              "DEC  5, 1998",
                              "December  5, 1998",
                              " 5/12/98",
                              " 5/12/1998",
                              " 5 DEC 98",
                              " 5 DEC 1998",
                              "98/12/05",
                              "1998/12/05",
                              "981205",
                              "19981205",
                              "12/98",
                              "12/1998",
                              "98/12",
                              "1998/12",
                              "",
                              "",
                              " 5 DECEMBER 1998",
                              "DECEMBER  5 1998"};
    for (int picture = 1; picture <= 20; ++picture) {
        if (picture == 17 || picture == 18) continue;
        EXPECT_EQ(FormatDate(kDec5th1998, picture), expected[picture - 1]) << picture;
    }
}

TEST_F(DatePicturesTest, ZeroDigitsAtUpperCasePositionsAreBlank) {
    EXPECT_EQ(FormatDate(kMar5th1998, 7), " 5 MAR 98");
    EXPECT_EQ(FormatDate(kMar5th1998, 6), " 5/03/1998");
    EXPECT_EQ(FormatDate(kMar5th1998, 10), "1998/03/05");
    EXPECT_EQ(FormatDate(kMar5th1998, 1), " 3/05/98");
    EXPECT_EQ(FormatDate(*MakeDate(2000, 10, 10, 1998), 1), "10/10/00");
    EXPECT_EQ(FormatDate(*MakeDate(2000, 10, 10, 1998), 3), "OCT 10, 2000");
}

TEST_F(DatePicturesTest, ShortMonthNamesDropSurplusPositions) {
    EXPECT_EQ(FormatDate(*MakeDate(1998, 5, 1, 1998), 4), "May  1, 1998");
    EXPECT_EQ(FormatDate(*MakeDate(1998, 5, 1, 1998), 19), " 1 MAY 1998");
    EXPECT_EQ(FormatDate(*MakeDate(1998, 9, 30, 1998), 20), "SEPTEMBER 30 1998");
}

TEST_F(DatePicturesTest, InvalidDatesPrintBlanksInDigitPositions) {
    EXPECT_EQ(FormatDate(3, 1), "  /  /  ");
    EXPECT_EQ(FormatDate(2994627, 10), "    /  /  ");
    EXPECT_EQ(FormatDate(0, 12), "        ");
    EXPECT_EQ(FormatDate(0, 4), "   ,     ");
    EXPECT_EQ(FormatDate(4, 2), " 1/01/1801");
    EXPECT_EQ(FormatDate(2994626, 2), "12/31/9999");
}

TEST_F(DatePicturesTest, TimePictures) {
    EXPECT_EQ(FormatTime(1, 1), "00:00");
    EXPECT_EQ(FormatTime(1, 3), "12:00AM");
    EXPECT_EQ(FormatTime(kNoon, 3), "12:00PM");
    EXPECT_EQ(FormatTime(k140709, 1), "14:07");
    EXPECT_EQ(FormatTime(k140709, 2), "1407");
    EXPECT_EQ(FormatTime(k140709, 4), "14:07:09");
    EXPECT_EQ(FormatTime(k140709, 5), "140709");
    EXPECT_EQ(FormatTime(8640000, 6), "11:59:59PM");
    EXPECT_EQ(FormatTime(*MakeTime(9, 5, 0, 0), 4), "09:05:00");
}

TEST_F(DatePicturesTest, InvalidTimesPrintBlanks) {
    EXPECT_EQ(FormatTime(0, 1), "  :  ");
    EXPECT_EQ(FormatTime(8640001, 3), "  :    ");
    EXPECT_EQ(FormatTime(-1, 5), "      ");
}

TEST_F(DatePicturesTest, UnknownPictureNumbersGiveEmptyText) {
    EXPECT_EQ(FormatDate(kDec5th1998, 0), "");
    EXPECT_EQ(FormatDate(kDec5th1998, 21), "");
    EXPECT_EQ(FormatTime(k140709, 0), "");
    EXPECT_EQ(FormatTime(k140709, 9), "");
}

TEST_F(DatePicturesTest, RegionalPicturesWithDefaults) {
    EXPECT_EQ(FormatDate(kDec5th1998, 17), "12/05/98");
    EXPECT_EQ(FormatDate(kDec5th1998, 18), "December 05, 1998");
    EXPECT_EQ(FormatTime(k140709, 7), "02:07 PM");
    EXPECT_EQ(FormatTime(k140709, 8), "02:07:09 PM");
    EXPECT_EQ(FormatTime(1, 7), "12:00 AM");
}

TEST_F(DatePicturesTest, RegionalPicturesFollowInjectedSettings) {
    RegionalSettings settings;
    settings.iTime = 1;
    settings.iTLzero = 0;
    settings.sTime = ".";
    settings.sShortDate = "d.M.yyyy";
    settings.sLongDate = "dddd, d. MMMM yyyy";
    UseRegionalSettings(settings);
    EXPECT_EQ(FormatTime(*MakeTime(9, 5, 3, 0), 7), " 9.05");
    EXPECT_EQ(FormatTime(k140709, 8), "14.07.09");
    EXPECT_EQ(FormatDate(kMar5th1998, 17), " 5. 3.1998");
    EXPECT_EQ(FormatDate(kMar5th1998, 18), " 5. March 1998");
}

TEST_F(DatePicturesTest, RegionalSettingsAreReadFromWinIni) {
    testsupport::TempFolder temp;
    testsupport::ScopedEnv xdg("XDG_CONFIG_HOME", temp.Path());
    testsupport::WriteFile(
        temp / "kestrian/win.ini",
        "[Intl]\r\niTime=0\r\ns1159=am\r\ns2359=pmx\r\nsShortDate=yyyy-MM-dd\r\n");
    LoadRegionalSettings();
    EXPECT_EQ(FormatTime(k140709, 7), "02:07 pm");
    EXPECT_EQ(FormatTime(kNoon - 100, 8), "11:59:59 am");
    EXPECT_EQ(FormatDate(kMar5th1998, 17), "1998-03-05");
    EXPECT_EQ(FormatDate(kMar5th1998, 18), "March 05, 1998");
}

TEST(RegionalSettingsTest, MissingFileOrBlankValuesKeepDefaults) {
    testsupport::TempFolder temp;
    testsupport::ScopedEnv xdg("XDG_CONFIG_HOME", temp.Path());
    EXPECT_EQ(ReadRegionalSettings(), RegionalSettings{});
    testsupport::WriteFile(temp / "kestrian/WIN.INI",
                           "[intl]\nsTime=\nsShortDate=  \ns1159=\niTLzero=0\nsLongDate=d MMMM\n");
    RegionalSettings expected;
    expected.s1159 = "";
    expected.iTLzero = 0;
    expected.sLongDate = "d MMMM";
    EXPECT_EQ(ReadRegionalSettings(), expected);
}

}  // namespace
}  // namespace rt

// Any number lays out its lowest digits, the lowest int too.
TEST(PictureLayoutTest, ExtremeNumbersLayOutTheirLowestDigits) {
    rt::PictureValues values;
    values.valid = true;
    values.year = std::numeric_limits<int>::min();
    values.month = std::numeric_limits<int>::max();
    values.day = -7;
    EXPECT_EQ(rt::RenderPicture(rt::DatePattern("mm/dd/yyyy", false), values), "47/07/3648");
}
