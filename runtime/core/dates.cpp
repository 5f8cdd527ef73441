#include "runtime/core/dates.h"

#include <array>
#include <chrono>
#include <ctime>

namespace rt {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Days from 1 January 1970 to a Gregorian date (any year, proleptic).
constexpr int64_t DaysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr DateParts CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return DateParts{year, month, day};
}

// Day 4 is 1 January 1801.
constexpr int64_t kEpochOffset = DaysFromCivil(1801, 1, 1) - kFirstDate;
static_assert(DaysFromCivil(9999, 12, 31) - kEpochOffset == kLastDate);
static_assert(DaysFromCivil(1900, 1, 1) - kEpochOffset == 36163);

std::tm LocalNow(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 400 == 0 || year % 100 != 0);
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string_view MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[month - 1] : std::string_view();
}

int CurrentYear() {
    return LocalNow(std::chrono::system_clock::now()).tm_year + 1900;
}

int WindowYear(int year, int currentYear) {
    if (year < 0 || year > 99) return year;
    int result = currentYear - currentYear % 100 + year;
    if (result >= currentYear + 20) result -= 100;
    if (result < currentYear - 80) result += 100;
    return result;
}

std::optional<int32_t> MakeDate(int year, int month, int day) {
    return MakeDate(year, month, day, CurrentYear());
}

std::optional<int32_t> MakeDate(int year, int month, int day, int currentYear) {
    year = WindowYear(year, currentYear);
    if (year < 1801 || year > 9999) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return static_cast<int32_t>(DaysFromCivil(year, month, day) - kEpochOffset);
}

bool IsValidDate(int32_t date) {
    return date >= kFirstDate && date <= kLastDate;
}

DateParts SplitDate(int32_t date) {
    if (!IsValidDate(date)) return {};
    return CivilFromDays(date + kEpochOffset);
}

int DayOfWeek(int32_t date) {
    return (date % 7 + 7) % 7;
}

std::optional<int32_t> MakeTime(int hours, int minutes, int seconds, int hundredths) {
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 ||
        hundredths < 0 || hundredths > 99) {
        return std::nullopt;
    }
    if (hours == 0 && minutes == 0 && seconds == 0 && hundredths == 0) return kNoTime;
    return hours * 360000 + minutes * 6000 + seconds * 100 + hundredths + 1;
}

bool IsValidTime(int32_t time) {
    return time >= kFirstTime && time <= kLastTime;
}

TimeParts SplitTime(int32_t time) {
    if (!IsValidTime(time)) return {};
    const int32_t t = time - 1;
    return TimeParts{t / 360000, t / 6000 % 60, t / 100 % 60, t % 100};
}

int32_t Today() {
    const std::tm local = LocalNow(std::chrono::system_clock::now());
    const int year = local.tm_year + 1900;
    return MakeDate(year, local.tm_mon + 1, local.tm_mday, year).value_or(kNoDate);
}

int32_t Clock() {
    const auto now = std::chrono::system_clock::now();
    const std::tm local = LocalNow(now);
    const auto sinceSecond = now.time_since_epoch() % std::chrono::seconds(1);
    const int hundredths = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count() / 10);
    const int seconds = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
    return local.tm_hour * 360000 + local.tm_min * 6000 + seconds * 100 + hundredths + 1;
}

}  // namespace rt
