#include "runtime/core/dates.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(DatesTest, BoundaryValues) {
    EXPECT_FALSE(IsValidDate(3));
    EXPECT_TRUE(IsValidDate(4));
    EXPECT_TRUE(IsValidDate(2994626));
    EXPECT_FALSE(IsValidDate(2994627));
    EXPECT_EQ(SplitDate(4), (DateParts{1801, 1, 1}));
    EXPECT_EQ(SplitDate(2994626), (DateParts{9999, 12, 31}));
    EXPECT_EQ(SplitDate(3), DateParts{});
    EXPECT_EQ(SplitDate(2994627), DateParts{});
    EXPECT_EQ(SplitDate(0), DateParts{});
    EXPECT_EQ(SplitDate(-5), DateParts{});
    EXPECT_EQ(MakeDate(1801, 1, 1, 1998), 4);
    EXPECT_EQ(MakeDate(9999, 12, 31, 1998), 2994626);
    EXPECT_EQ(MakeDate(1800, 12, 31, 1998), std::nullopt);
    EXPECT_EQ(MakeDate(10000, 1, 1, 1998), std::nullopt);
}

TEST(DatesTest, KnownDaysAndWeekdays) {
    EXPECT_EQ(MakeDate(1900, 1, 1, 1998), 36163);
    EXPECT_EQ(DayOfWeek(36163), 1);  // Monday
    EXPECT_EQ(MakeDate(1998, 12, 5, 1998), 72295);
    EXPECT_EQ(DayOfWeek(72295), 6);  // Saturday
    EXPECT_EQ(DayOfWeek(4), 4);      // 1 January 1801 was a Thursday
    EXPECT_EQ(DayOfWeek(0), 0);
    EXPECT_EQ(DayOfWeek(-1), 6);
}

TEST(DatesTest, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(1996));
    EXPECT_FALSE(IsLeapYear(1999));
    EXPECT_EQ(MakeDate(1900, 2, 29, 1998), std::nullopt);
    EXPECT_EQ(MakeDate(2000, 2, 29, 1998), 72746);
    EXPECT_EQ(MakeDate(1998, 4, 31, 1998), std::nullopt);
    EXPECT_EQ(MakeDate(1998, 13, 1, 1998), std::nullopt);
    EXPECT_EQ(MakeDate(1998, 0, 1, 1998), std::nullopt);
    EXPECT_EQ(MakeDate(1998, 1, 0, 1998), std::nullopt);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2001, 2), 28);
    EXPECT_EQ(DaysInMonth(2001, 13), 0);
}

TEST(DatesTest, EveryDayRoundTrips) {
    int32_t expected = 4;
    for (int year = 1801; year <= 9999; year += (year < 2100 ? 1 : 97)) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                auto date = MakeDate(year, month, day, 1998);
                ASSERT_TRUE(date.has_value());
                if (year < 2100) {
                    ASSERT_EQ(*date, expected++);
                }
                ASSERT_EQ(SplitDate(*date), (DateParts{year, month, day}));
            }
        }
    }
}

TEST(DatesTest, TwoDigitYearsUseAWindowAroundTheCurrentYear) {
    EXPECT_EQ(WindowYear(17, 1998), 2017);
    EXPECT_EQ(WindowYear(18, 1998), 1918);
    EXPECT_EQ(WindowYear(98, 1998), 1998);
    EXPECT_EQ(WindowYear(0, 1998), 2000);
    EXPECT_EQ(WindowYear(44, 2025), 2044);
    EXPECT_EQ(WindowYear(45, 2025), 1945);
    EXPECT_EQ(WindowYear(1998, 2025), 1998);
    EXPECT_EQ(MakeDate(98, 12, 5, 1998), 72295);
    EXPECT_EQ(MakeDate(18, 1, 1, 1998), MakeDate(1918, 1, 1, 1998));
    EXPECT_EQ(MakeDate(-1, 1, 1, 1998), std::nullopt);
    const int now = CurrentYear();
    EXPECT_EQ(MakeDate(now % 100, 1, 1), MakeDate(now, 1, 1, now));
}

TEST(TimesTest, BuildAndSplit) {
    EXPECT_EQ(MakeTime(0, 0, 0, 0), 0);
    EXPECT_EQ(MakeTime(0, 0, 0, 1), 2);
    EXPECT_EQ(MakeTime(23, 59, 59, 99), 8640000);
    EXPECT_EQ(MakeTime(14, 7, 9, 0), 5082901);
    EXPECT_EQ(MakeTime(24, 0, 0, 0), std::nullopt);
    EXPECT_EQ(MakeTime(0, 60, 0, 0), std::nullopt);
    EXPECT_EQ(MakeTime(0, 0, 60, 0), std::nullopt);
    EXPECT_EQ(MakeTime(0, 0, 0, 100), std::nullopt);
    EXPECT_EQ(MakeTime(-1, 0, 0, 0), std::nullopt);
    EXPECT_EQ(SplitTime(1), TimeParts{});
    EXPECT_EQ(SplitTime(8640000), (TimeParts{23, 59, 59, 99}));
    EXPECT_EQ(SplitTime(5082901), (TimeParts{14, 7, 9, 0}));
    EXPECT_FALSE(IsValidTime(0));
    EXPECT_FALSE(IsValidTime(8640001));
    EXPECT_EQ(SplitTime(8640001), TimeParts{});
    EXPECT_EQ(SplitTime(-3), TimeParts{});
}

TEST(ClockTest, TodayAndClockAreValid) {
    EXPECT_TRUE(IsValidDate(Today()));
    EXPECT_EQ(SplitDate(Today()).year / 100, CurrentYear() / 100);
    EXPECT_TRUE(IsValidTime(Clock()));
}

}  // namespace
}  // namespace rt
