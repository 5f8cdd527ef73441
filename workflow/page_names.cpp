#include "workflow/page_names.h"

#include <array>
#include <cstdint>
#include <unordered_set>

#include "runtime/core/blanks.h"
#include "runtime/core/case_fold.h"

namespace workflow {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The names Windows gives its devices: no file can be called so, whatever
// its extension.
constexpr std::array<std::string_view, 22> kDeviceNames = {
    "con",  "aux",  "nul",  "prn",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};

bool IsDeviceName(std::string_view label) {
    const std::string_view stem = rt::TrimTrailingSpaces(label.substr(0, label.find('.')));
    for (std::string_view device : kDeviceNames) {
        if (rt::EqualNoCase(stem, device)) return true;
    }
    return false;
}

// FNV-1a: the same name gives the same eight digits on every machine.
std::string HashDigits(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    std::string digits(8, '0');
    for (std::size_t i = digits.size(); i-- > 0; hash >>= 4) digits[i] = kHex[hash & 15];
    return digits;
}

}  // namespace

std::string PageName(std::string_view label) {
    label = rt::TrimBlanks(label);
    // A name too long keeps what fits before "-" and the digits, cut between
    // the label's characters, never inside the three of an escaped byte.
    constexpr std::size_t kKept = kMaxPageName - 9;
    std::size_t kept = 0;
    std::string name;
    for (char c : label) {
        const char folded = rt::FoldCase(c);
        if ((folded >= 'a' && folded <= 'z') || (folded >= '0' && folded <= '9') || folded == '-' ||
            folded == '_') {
            name += folded;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            name += '_';
            name += kHex[byte >> 4];
            name += kHex[byte & 15];
        }
        if (name.size() <= kKept) kept = name.size();
    }
    if (name.empty()) return "file";
    if (IsDeviceName(label)) name += "-file";
    if (name.size() > kMaxPageName) {
        const std::string digits = HashDigits(name);
        name.resize(kept);
        name += '-';
        name += digits;
    }
    return name;
}

std::vector<std::string> PageNames(const dictionary::DictionaryModel& model) {
    std::vector<std::string> names;
    std::unordered_set<std::string> used;
    for (const dictionary::FileQueue& file : dictionary::Rows(model.FILE)) {
        const std::string name = PageName(file.LABEL.view());
        std::string unique = name;
        for (std::size_t n = 2; used.contains(unique); ++n) unique = name + "-" + std::to_string(n);
        used.insert(unique);
        names.push_back(std::move(unique));
    }
    return names;
}

}  // namespace workflow
