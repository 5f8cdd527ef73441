// The layout of a date or time picture: a row of elements, each a field laid
// out over some positions or a literal text, and how a value fills them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class PictureField { Literal, Month, Day, Year, MonthName, Hour, Minute, Second, AmPm };

struct PictureElement {
    PictureField field = PictureField::Literal;
    // The pattern letters of the positions ("Mm", "yyyy", "NNN", "PP"), or the
    // literal text. An upper-case digit position prints a zero digit as a blank.
    std::string text;
    bool operator==(const PictureElement&) const = default;
};

struct Picture {
    std::vector<PictureElement> elements;
    bool upperCaseNames = true;  // month names in capitals
    std::string am = "AM";       // the AM/PM texts of the P positions
    std::string pm = "PM";
    bool operator==(const Picture&) const = default;
};

// What a picture prints. `valid` false blanks every digit and AM/PM position.
struct PictureValues {
    bool valid = false;
    int year = 0, month = 0, day = 0;
    int hours = 0, minutes = 0, seconds = 0;
};

// Builds a picture from a pattern of the date letters (M m D d y N) or the
// time letters (H h m s P); a run of letters of one field, in either case, is
// one element; any other character stands for itself.
Picture DatePattern(std::string_view pattern, bool upperCaseNames);
Picture TimePattern(std::string_view pattern);

// Lays `values` out over the picture. Digit positions take the lowest digits
// of their number, most significant first; month names fill their positions
// letter by letter and drop the positions left over; with AM/PM positions the
// hour is on a 12-hour clock.
std::string RenderPicture(const Picture& picture, const PictureValues& values);

// The picture written back as a pattern (literals as they are), for checks.
std::string PatternText(const Picture& picture);

}  // namespace rt
