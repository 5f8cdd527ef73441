#include "runtime/core/regional_pictures.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace rt {
namespace {

constexpr char kQuote = '\'';

PictureElement Element(PictureField field, std::string text) {
    return PictureElement{field, std::move(text)};
}

Picture TimePicture(const RegionalSettings& settings, bool withSeconds) {
    const std::string separator = settings.sTime.empty() ? ":" : settings.sTime.substr(0, 1);
    Picture picture;
    picture.upperCaseNames = false;
    picture.am = settings.s1159.substr(0, 2);
    picture.pm = settings.s2359.substr(0, 2);
    auto& e = picture.elements;
    e.push_back(Element(PictureField::Hour, settings.iTLzero == 0 ? "Hh" : "hh"));
    e.push_back(Element(PictureField::Literal, separator));
    e.push_back(Element(PictureField::Minute, "mm"));
    if (withSeconds) {
        e.push_back(Element(PictureField::Literal, separator));
        e.push_back(Element(PictureField::Second, "ss"));
    }
    if (settings.iTime == 0) {
        e.push_back(Element(PictureField::Literal, " "));
        e.push_back(Element(PictureField::AmPm, "PP"));
    }
    return picture;
}

enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };

Order OrderFromLetter(char letter) {
    if (letter == 'd') return Order::DayMonthYear;
    if (letter == 'y') return Order::YearMonthDay;
    return Order::MonthDayYear;
}

// Month, day and year elements (each possibly followed by a literal) in order.
struct Parts {
    std::vector<PictureElement> month, day, year;
};

Picture Assemble(Order order, Parts parts, bool upperCaseNames) {
    Picture picture;
    picture.upperCaseNames = upperCaseNames;
    auto append = [&picture](std::vector<PictureElement>& part) {
        picture.elements.insert(picture.elements.end(), part.begin(), part.end());
    };
    switch (order) {
        case Order::MonthDayYear:
            append(parts.month), append(parts.day), append(parts.year);
            break;
        case Order::DayMonthYear:
            append(parts.day), append(parts.month), append(parts.year);
            break;
        case Order::YearMonthDay:
            append(parts.year), append(parts.month), append(parts.day);
            break;
    }
    return picture;
}

struct Run {
    std::size_t pos = 0;
    std::size_t length = 0;
};

// The first run of `letter` at or after `from`, outside apostrophes.
std::optional<Run> FindRun(std::string_view format, char letter, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = from; i < format.size(); ++i) {
        if (format[i] == kQuote) {
            quoted = !quoted;
        } else if (!quoted && format[i] == letter) {
            std::size_t end = i;
            while (end < format.size() && format[end] == letter) ++end;
            return Run{i, end - i};
        }
    }
    return std::nullopt;
}

// The literal that follows position `pos`: the text between the next pair of
// apostrophes when one starts there, else the text up to the next apostrophe
// or format letter.
std::string LiteralAt(std::string_view format, std::size_t pos) {
    if (pos >= format.size()) return {};
    if (format[pos] == kQuote) {
        std::size_t close = format.find(kQuote, pos + 1);
        if (close == std::string_view::npos) close = format.size();
        return std::string(format.substr(pos + 1, close - pos - 1));
    }
    std::size_t end = format.find_first_of("'Mdy", pos);
    if (end == std::string_view::npos) end = format.size();
    return std::string(format.substr(pos, end - pos));
}

void AddWithLiteral(std::vector<PictureElement>& part, PictureElement element,
                    std::string literal) {
    part.push_back(std::move(element));
    if (!literal.empty()) part.push_back(Element(PictureField::Literal, std::move(literal)));
}

}  // namespace

Picture ShortTimePicture(const RegionalSettings& settings) {
    return TimePicture(settings, false);
}

Picture LongTimePicture(const RegionalSettings& settings) {
    return TimePicture(settings, true);
}

Picture ShortDatePicture(const RegionalSettings& settings) {
    const std::string_view format = settings.sShortDate;
    const Order order = OrderFromLetter(format.empty() ? '\0' : format.front());
    std::string separator = "/";
    const std::size_t lastM = format.rfind('M');
    if (lastM != std::string_view::npos && lastM + 1 < format.size()) {
        separator = std::string(1, format[lastM + 1]);
    }
    const bool contains_dd = format.find("dd") != std::string_view::npos;
    const bool contains_MM = format.find("MM") != std::string_view::npos;
    const bool contains_yyy = format.find("yyy") != std::string_view::npos;

    Parts parts;
    parts.month.push_back(Element(PictureField::Month, contains_MM ? "mm" : "Mm"));
    parts.day.push_back(Element(PictureField::Day, contains_dd ? "dd" : "Dd"));
    parts.year.push_back(Element(PictureField::Year, contains_yyy ? "yyyy" : "yy"));
    // The separator goes between the parts, whatever their order.
    auto& first = order == Order::YearMonthDay   ? parts.year
                  : order == Order::DayMonthYear ? parts.day
                                                 : parts.month;
    auto& second = order == Order::MonthDayYear ? parts.day : parts.month;
    first.push_back(Element(PictureField::Literal, separator));
    second.push_back(Element(PictureField::Literal, separator));
    return Assemble(order, std::move(parts), true);
}

Picture LongDatePicture(const RegionalSettings& settings) {
    const std::string_view format = settings.sLongDate;
    // A leading weekday ("ddd" or "dddd") is not printed.
    std::size_t from = 0;
    if (auto weekday = FindRun(format, 'd', 0);
        weekday && weekday->pos == 0 && weekday->length >= 3) {
        from = weekday->length;
    }
    const std::optional<Run> month = FindRun(format, 'M', from);
    const std::optional<Run> day = FindRun(format, 'd', from);
    const std::optional<Run> year = FindRun(format, 'y', from);

    // The order follows whichever part comes first.
    char orderLetter = '\0';
    std::size_t first = format.size();
    for (auto [letter, run] : {std::pair{'M', month}, std::pair{'d', day}, std::pair{'y', year}}) {
        if (run && run->pos < first) {
            first = run->pos;
            orderLetter = letter;
        }
    }

    Parts parts;
    if (month) {
        const std::string literal = LiteralAt(format, month->pos + month->length);
        if (month->length <= 2) {
            AddWithLiteral(parts.month,
                           Element(PictureField::Month, month->length == 1 ? "Mm" : "mm"), literal);
        } else {
            AddWithLiteral(
                parts.month,
                Element(PictureField::MonthName, std::string(month->length == 3 ? 3 : 9, 'N')),
                literal);
        }
    }
    if (day) {
        AddWithLiteral(parts.day, Element(PictureField::Day, day->length == 1 ? "Dd" : "dd"),
                       LiteralAt(format, day->pos + day->length));
    }
    if (year) {
        AddWithLiteral(
            parts.year,
            Element(PictureField::Year, std::string(std::min<std::size_t>(year->length, 4), 'y')),
            LiteralAt(format, year->pos + year->length));
    }
    return Assemble(OrderFromLetter(orderLetter), std::move(parts), false);
}

}  // namespace rt
