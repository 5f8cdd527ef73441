#include "runtime/picture_layout.h"

#include <cctype>

#include "runtime/dates.h"

namespace rt {
namespace {

PictureField DateLetter(char c) {
    switch (c) {
        case 'M':
        case 'm':
            return PictureField::Month;
        case 'D':
        case 'd':
            return PictureField::Day;
        case 'y':
            return PictureField::Year;
        case 'N':
            return PictureField::MonthName;
        default:
            return PictureField::Literal;
    }
}

PictureField TimeLetter(char c) {
    switch (c) {
        case 'H':
        case 'h':
            return PictureField::Hour;
        case 'm':
            return PictureField::Minute;
        case 's':
            return PictureField::Second;
        case 'P':
            return PictureField::AmPm;
        default:
            return PictureField::Literal;
    }
}

template <typename Classify>
std::vector<PictureElement> SplitPattern(std::string_view pattern, Classify classify) {
    std::vector<PictureElement> elements;
    for (char c : pattern) {
        const PictureField field = classify(c);
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
        int rest = number < 0 ? -number : number;
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

bool HasAmPm(const Picture& picture) {
    for (const PictureElement& element : picture.elements) {
        if (element.field == PictureField::AmPm) return true;
    }
    return false;
}

}  // namespace

Picture DatePattern(std::string_view pattern, bool upperCaseNames) {
    Picture picture;
    picture.elements = SplitPattern(pattern, DateLetter);
    picture.upperCaseNames = upperCaseNames;
    return picture;
}

Picture TimePattern(std::string_view pattern) {
    Picture picture;
    picture.elements = SplitPattern(pattern, TimeLetter);
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
        switch (element.field) {
            case PictureField::Literal:
                out += positions;
                break;
            case PictureField::Month:
                AppendDigits(out, positions, values.month, values.valid);
                break;
            case PictureField::Day:
                AppendDigits(out, positions, values.day, values.valid);
                break;
            case PictureField::Year:
                AppendDigits(out, positions, values.year, values.valid);
                break;
            case PictureField::Hour:
                AppendDigits(out, positions, hours, values.valid);
                break;
            case PictureField::Minute:
                AppendDigits(out, positions, values.minutes, values.valid);
                break;
            case PictureField::Second:
                AppendDigits(out, positions, values.seconds, values.valid);
                break;
            case PictureField::MonthName: {
                std::string_view name = values.valid ? MonthName(values.month) : "";
                name = name.substr(0, positions.size());
                for (char c : name) {
                    out.push_back(picture.upperCaseNames ? static_cast<char>(std::toupper(
                                                               static_cast<unsigned char>(c)))
                                                         : c);
                }
                break;
            }
            case PictureField::AmPm: {
                const std::string& text = values.hours >= 12 ? picture.pm : picture.am;
                for (std::size_t i = 0; i < positions.size(); ++i) {
                    out.push_back(values.valid && i < text.size() ? text[i] : ' ');
                }
                break;
            }
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
