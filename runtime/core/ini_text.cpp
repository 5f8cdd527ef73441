#include "runtime/core/ini_text.h"

#include <vector>

#include "runtime/core/case_fold.h"

namespace rt {
namespace {

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key value, trimmed
    std::size_t begin = 0;   // start of the line's text (after a leading UTF-8 mark)
    std::size_t end = 0;     // end of the line's text, before its line ending
    std::size_t next = 0;    // start of the next line
};

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

IniLine Classify(std::string_view content) {
    IniLine line;
    std::string_view t = TrimBlanks(content);
    if (t.empty() || t.front() == ';' || t.front() == '#') return line;
    if (t.front() == '[') {
        std::size_t close = t.find(']');
        line.kind = LineKind::Section;
        line.name = TrimBlanks(t.substr(1, close == std::string_view::npos ? close : close - 1));
        return line;
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    line.kind = LineKind::Key;
    line.name = TrimBlanks(t.substr(0, eq));
    line.value = TrimBlanks(t.substr(eq + 1));
    return line;
}

std::vector<IniLine> SplitLines(std::string_view text) {
    std::vector<IniLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > pos && lf != std::string_view::npos && text[end - 1] == '\r') --end;
        std::size_t begin = pos;
        if (pos == 0 && text.substr(0, end).starts_with(kUtf8Mark)) begin = kUtf8Mark.size();
        IniLine line = Classify(text.substr(begin, end - begin));
        line.begin = begin;
        line.end = end;
        line.next = next;
        lines.push_back(line);
        pos = next;
    }
    return lines;
}

struct Found {
    std::optional<std::size_t> key;            // line of the key
    std::optional<std::size_t> lastOfSection;  // header or last key of the first section
};

Found Locate(const std::vector<IniLine>& lines, std::string_view section, std::string_view key) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    Found found;
    bool inMatching = false;
    bool inFirst = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IniLine& line = lines[i];
        if (line.kind == LineKind::Section) {
            inMatching = EqualNoCase(line.name, section);
            inFirst = inMatching && !found.lastOfSection;
            if (inFirst) found.lastOfSection = i;
        } else if (line.kind == LineKind::Key && inMatching) {
            if (inFirst) found.lastOfSection = i;
            if (EqualNoCase(line.name, key)) {
                found.key = i;
                return found;
            }
        }
    }
    return found;
}

std::string_view LineEnding(std::string_view text) {
    std::size_t lf = text.find('\n');
    if (lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r') return "\r\n";
    return "\n";
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    std::vector<IniLine> lines = SplitLines(text);
    Found found = Locate(lines, section, key);
    if (!found.key) return std::nullopt;
    std::string_view value = lines[*found.key].value;
    return std::string(value.substr(0, value.find('\0')));
}

bool IsWritableIniEntry(std::string_view section, std::string_view key, std::string_view value) {
    auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value)) return false;
    if (section.find(']') != std::string_view::npos) return false;
    std::string_view k = TrimBlanks(key);
    if (k.empty() || k.find('=') != std::string_view::npos) return false;
    return k.front() != '[' && k.front() != ';' && k.front() != '#';
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    std::vector<IniLine> lines = SplitLines(text);
    Found found = Locate(lines, section, key);
    const std::string_view eol = LineEnding(text);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    if (found.key) {
        // Rewrite the line's text, keep its line ending and the key's spelling.
        const IniLine& line = lines[*found.key];
        result.append(text.substr(0, line.begin));
        result.append(line.name);
        result.push_back('=');
        result.append(value);
        result.append(text.substr(line.end));
        return result;
    }

    const std::string entry = std::string(TrimBlanks(key)) + "=" + std::string(value);
    if (found.lastOfSection) {
        const IniLine& after = lines[*found.lastOfSection];
        const bool ended = after.next > after.end;
        result.append(text.substr(0, after.next));
        if (!ended) result.append(eol);
        result.append(entry);
        if (ended) result.append(eol);
        result.append(text.substr(after.next));
        return result;
    }

    result.append(text);
    if (!text.empty() && text.back() != '\n') result.append(eol);
    result.push_back('[');
    result.append(TrimBlanks(section));
    result.push_back(']');
    result.append(eol);
    result.append(entry);
    result.append(eol);
    return result;
}

}  // namespace rt
