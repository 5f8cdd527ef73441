// The regional settings that shape the date and time pictures 7, 8, 17 and
// 18: the section "intl" of "WIN.INI" in the settings folder.
#pragma once

#include <string>

namespace rt {

struct RegionalSettings {
    int iTime = 0;             // 0: 12-hour clock with AM/PM; otherwise 24-hour
    int iTLzero = 1;           // non-zero: hours keep a leading zero
    std::string sTime = ":";   // time separator, one character
    std::string s1159 = "AM";  // morning text, at most two characters
    std::string s2359 = "PM";  // afternoon text, at most two characters
    std::string sShortDate = "MM/dd/yy";
    std::string sLongDate = "ddd', 'MMMM' 'dd', 'yyyy";
    bool operator==(const RegionalSettings&) const = default;
};

// Reads the settings; missing keys keep the defaults above, and so do blank
// separator and date formats. The separator is cut to one character and the
// AM/PM texts to two.
RegionalSettings ReadRegionalSettings();

}  // namespace rt
