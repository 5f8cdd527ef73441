#include "runtime/core/paper_sizes.h"

#include <array>
#include <cstdlib>

#include "runtime/core/case_fold.h"
#include "runtime/core/page_drawing.h"
#include "runtime/core/safe_file.h"

namespace rt {

namespace {

struct NamedSheet {
    std::string_view name;
    SheetSize size;
};

constexpr std::array kSheets = {
    NamedSheet{"A3", {11693, 16535}},       NamedSheet{"A4", {kA4Width, kA4Height}},
    NamedSheet{"A5", {5827, 8268}},         NamedSheet{"B5", {6929, 9843}},
    NamedSheet{"Letter", {8500, 11000}},    NamedSheet{"Legal", {8500, 14000}},
    NamedSheet{"Executive", {7250, 10500}},
};

// The first word of a papersize file, whose other lines may be comments.
std::string_view FirstWord(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t start = line.find_first_not_of(kBlanks);
        if (start == std::string_view::npos || line[start] == '#') continue;
        line.remove_prefix(start);
        return line.substr(0, line.find_first_of(kBlanks));
    }
    return {};
}

}  // namespace

std::optional<SheetSize> PaperNamed(std::string_view name) {
    for (const NamedSheet& sheet : kSheets) {
        if (EqualNoCase(sheet.name, name)) return sheet.size;
    }
    return std::nullopt;
}

std::string PaperNames() {
    std::string names;
    for (const NamedSheet& sheet : kSheets) {
        if (!names.empty()) names += ", ";
        names += sheet.name;
    }
    return names;
}

SheetSize DefaultPaper(const std::string& papersizeFile) {
    if (const char* variable = std::getenv("PAPERSIZE"); variable != nullptr && *variable != 0) {
        if (std::optional<SheetSize> sheet = PaperNamed(variable)) return *sheet;
    }
    if (const std::optional<std::string> text = ReadFileBytes(papersizeFile)) {
        if (std::optional<SheetSize> sheet = PaperNamed(FirstWord(*text))) return *sheet;
    }
    return *PaperNamed("A4");
}

}  // namespace rt
