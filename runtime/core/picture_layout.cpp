#include "runtime/core/picture_layout.h"

#include <cctype>
#include <optional>
#include <span>

#include "runtime/core/dates.h"

namespace rt {
namespace {

struct LetterField {
    char letter;
    PictureField field;
};

constexpr LetterField kDateLetters[] = {{'M', PictureField::Month}, {'m', PictureField::Month},
                                        {'D', PictureField::Day},   {'d', PictureField::Day},
                                        {'y', PictureField::Year},  {'N', PictureField::MonthName}};

constexpr LetterField kTimeLetters[] = {{'H', PictureField::Hour},
                                        {'h', PictureField::Hour},
                                        {'m', PictureField::Minute},
                                        {'s', PictureField::Second},
                                        {'P', PictureField::AmPm}};

std::vector<PictureElement> SplitPattern(std::string_view pattern,
                                         std::span<const LetterField> letters) {
    std::vector<PictureElement> elements;
    for (char c : pattern) {
        PictureField field = PictureField::Literal;
        for (const LetterField& entry : letters) {
            if (entry.letter == c) field = entry.field;
        }
        if (elements.empty() || elements.back().field != field) {
            elements.push_back(PictureElement{field, {}});
        }
        elements.back().text.push_back(c);
    }
    return elements;
}

void AppendDigits(std::string& out, std::string_view positions, int number, bool valid) {
    std::string digits(positions.size(), ' ');
    if (valid) {
        // Widened first: the lowest int has no int negation.
        long long rest = number < 0 ? -static_cast<long long>(number) : number;
        for (std::size_t i = positions.size(); i-- > 0;) {
            digits[i] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (digits[i] == '0' && std::isupper(static_cast<unsigned char>(positions[i]))) {
                digits[i] = ' ';
            }
        }
    }
    out += digits;
}

// The number a digit field prints; nullopt for the other fields.
std::optional<int> DigitNumber(PictureField field, const PictureValues& values, int hours) {
    switch (field) {
        case PictureField::Month:
            return values.month;
        case PictureField::Day:
            return values.day;
        case PictureField::Year:
            return values.year;
        case PictureField::Hour:
            return hours;
        case PictureField::Minute:
            return values.minutes;
        case PictureField::Second:
            return values.seconds;
        default:
            return std::nullopt;
    }
}

bool HasAmPm(const Picture& picture) {
    for (const PictureElement& element : picture.elements) {
        if (element.field == PictureField::AmPm) return true;
    }
    return false;
}

}  // namespace

Picture DatePattern(std::string_view pattern, bool upperCaseNames) {
    Picture picture;
    picture.elements = SplitPattern(pattern, kDateLetters);
    picture.upperCaseNames = upperCaseNames;
    return picture;
}

Picture TimePattern(std::string_view pattern) {
    Picture picture;
    picture.elements = SplitPattern(pattern, kTimeLetters);
    return picture;
}

std::string RenderPicture(const Picture& picture, const PictureValues& values) {
    const bool twelveHour = HasAmPm(picture);
    int hours = values.hours;
    if (twelveHour) {
        hours %= 12;
        if (hours == 0) hours = 12;
    }
    std::string out;
    for (const PictureElement& element : picture.elements) {
        const std::string& positions = element.text;
        if (auto number = DigitNumber(element.field, values, hours)) {
            AppendDigits(out, positions, *number, values.valid);
        } else if (element.field == PictureField::MonthName) {
            std::string_view name = values.valid ? MonthName(values.month) : "";
            for (char c : name.substr(0, positions.size())) {
                out.push_back(picture.upperCaseNames
                                  ? static_cast<char>(std::toupper(static_cast<unsigned char>(c)))
                                  : c);
            }
        } else if (element.field == PictureField::AmPm) {
            const std::string& text = values.hours >= 12 ? picture.pm : picture.am;
            for (std::size_t i = 0; i < positions.size(); ++i) {
                out.push_back(values.valid && i < text.size() ? text[i] : ' ');
            }
        } else {
            out += positions;
        }
    }
    return out;
}

std::string PatternText(const Picture& picture) {
    std::string out;
    for (const PictureElement& element : picture.elements) out += element.text;
    return out;
}

}  // namespace rt
