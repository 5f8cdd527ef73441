#include "runtime/core/regional_pictures.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

RegionalSettings ShortDate(std::string format) {
    RegionalSettings settings;
    settings.sShortDate = std::move(format);
    return settings;
}

RegionalSettings LongDate(std::string format) {
    RegionalSettings settings;
    settings.sLongDate = std::move(format);
    return settings;
}

TEST(RegionalPicturesTest, ShortDateOrderSeparatorAndZeros) {
    EXPECT_EQ(PatternText(ShortDatePicture(RegionalSettings{})), "mm/dd/yy");
    EXPECT_EQ(PatternText(ShortDatePicture(ShortDate("dd.MM.yyyy"))), "dd.mm.yyyy");
    EXPECT_EQ(PatternText(ShortDatePicture(ShortDate("yyyy-M-d"))), "yyyy-Mm-Dd");
    EXPECT_EQ(PatternText(ShortDatePicture(ShortDate("M/d/yyy"))), "Mm/Dd/yyyy");
    // No character after the last M: the usual slash.
    EXPECT_EQ(PatternText(ShortDatePicture(ShortDate("yy dd MM"))), "yy/mm/dd");
    EXPECT_TRUE(ShortDatePicture(RegionalSettings{}).upperCaseNames);
}

TEST(RegionalPicturesTest, LongDateDefaultDropsWeekday) {
    const Picture picture = LongDatePicture(RegionalSettings{});
    EXPECT_EQ(PatternText(picture), "NNNNNNNNN dd, yyyy");
    EXPECT_FALSE(picture.upperCaseNames);
}

TEST(RegionalPicturesTest, LongDateRunsAndLiterals) {
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("MMMM d, yyyy"))), "NNNNNNNNN Dd, yyyy");
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("d MMM yy"))), "Dd NNN yy");
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("yyyy'. 'M'. 'dd"))), "yyyy. Mm. dd");
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("dddd MM/dd/yyyyy"))), "mm/dd/yyyy");
    // Only the first run of each letter counts; the order comes from the first
    // letter after the weekday, quoted text skipped.
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("ddd 'year' yy, MMMM d"))), "yy, NNNNNNNNN Dd");
    // A part the setting lacks is left out.
    EXPECT_EQ(PatternText(LongDatePicture(LongDate("MMMM yyyy"))), "NNNNNNNNN yyyy");
}

TEST(RegionalPicturesTest, TimePicturesFromClockSettings) {
    RegionalSettings settings;
    EXPECT_EQ(PatternText(ShortTimePicture(settings)), "hh:mm PP");
    EXPECT_EQ(PatternText(LongTimePicture(settings)), "hh:mm:ss PP");
    settings.iTime = 1;
    settings.iTLzero = 0;
    settings.sTime = ".:";
    EXPECT_EQ(PatternText(ShortTimePicture(settings)), "Hh.mm");
    settings.s1159 = "vorm";
    EXPECT_EQ(LongTimePicture(settings).am, "vo");
}

}  // namespace
}  // namespace rt
