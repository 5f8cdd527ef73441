// Dates and times as plain 32-bit numbers.
//
// A date is a day number: 4 is 1 January 1801, 2994626 is 31 December 9999,
// 0 is "no date"; the value modulo 7 is the day of the week (0 Sunday). A time
// is hundredths of a second since midnight plus 1: 1 is 00:00:00.00, 8640000
// is 23:59:59.99, 0 is "no time". The calendar is Gregorian throughout.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rt {

inline constexpr int32_t kNoDate = 0;
inline constexpr int32_t kFirstDate = 4;
inline constexpr int32_t kLastDate = 2994626;
inline constexpr int32_t kNoTime = 0;
inline constexpr int32_t kFirstTime = 1;
inline constexpr int32_t kLastTime = 8640000;

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const DateParts&) const = default;
};

struct TimeParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    bool operator==(const TimeParts&) const = default;
};

bool IsLeapYear(int year);
// Days in `month` of `year`; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// "January" ... "December"; "" for a month outside 1 to 12.
std::string_view MonthName(int month);

// The year of the local clock.
int CurrentYear();

// A year from 0 to 99 placed in the hundred years that run from 80 years
// before `currentYear` to 19 years after it; other years are returned as given.
int WindowYear(int year, int currentYear);

// The date for a year, month and day; nullopt when the year (after the
// two-digit window) is outside 1801 to 9999, the month outside 1 to 12 or the
// day outside the month. The first form windows two-digit years on the
// current year of the local clock.
std::optional<int32_t> MakeDate(int year, int month, int day);
std::optional<int32_t> MakeDate(int year, int month, int day, int currentYear);

bool IsValidDate(int32_t date);
// Year, month and day of a date; all 0 for a value outside 4 to 2994626.
DateParts SplitDate(int32_t date);
// 0 Sunday, 1 Monday ... 6 Saturday: the value modulo 7.
int DayOfWeek(int32_t date);

// The time for hours 0-23, minutes 0-59, seconds 0-59 and hundredths 0-99:
// 0 when all four are 0 (no time); nullopt when any is out of range.
std::optional<int32_t> MakeTime(int hours, int minutes, int seconds, int hundredths);

bool IsValidTime(int32_t time);
// The parts of a time; all 0 for a value outside 1 to 8640000.
TimeParts SplitTime(int32_t time);

// Today's date and the time of day, from the local clock.
int32_t Today();
int32_t Clock();

}  // namespace rt
