#include "workflow/lint_groups.h"

#include <array>

#include "dictionary/section_headers.h"
#include "runtime/core/blanks.h"

namespace workflow {

namespace {

bool IsDelimiter(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '(';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The next token of `line` from `at`: blanks skipped, up to a blank, comma
// or parenthesis.
std::string_view NextToken(std::string_view line, std::size_t& at) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !IsDelimiter(line[at])) ++at;
    return line.substr(start, at - start);
}

// A declaration's label: blanks skipped, up to a blank or comma, so that
// "Odd(1)x FILE" gives "Odd(1)x" and then "FILE".
std::string_view LabelToken(std::string_view line, std::size_t& at) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at]) && line[at] != ',') ++at;
    return line.substr(start, at - start);
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

class StructureCount {
  public:
    ExportStructure Run(std::string_view text) {
        std::size_t number = 0;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++number;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            Line(line, number);
        }
        Close();
        return std::move(found_);
    }

  private:
    void Line(std::string_view line, std::size_t number) {
        if (line.empty() || line.front() == '!') return;
        if (line.front() == '[') {
            const std::string_view header = rt::TrimBlanks(line);
            for (std::string_view annotation : dictionary::kAnnotationHeaders) {
                if (header == annotation) return;
            }
            Close();
            inFiles_ = header == dictionary::header::kFiles;
            inAliases_ = header == dictionary::header::kAliases;
            inRelations_ = header == dictionary::header::kRelations;
            return;
        }
        if (inRelations_) {
            RelationLine(line, number);
            return;
        }
        if (!inFiles_ && !inAliases_) return;
        // A declaration with a label starts in the first column.
        const bool labelled = !IsBlank(line.front());
        std::size_t at = 0;
        const std::string_view first = labelled ? LabelToken(line, at) : NextToken(line, at);
        if (labelled && !IsValidLabel(first)) found_.labels.push_back({number, std::string(first)});
        const std::string_view label = first.substr(0, first.find('('));
        if (!inFiles_) {
            if (labelled && NextToken(line, at) == "ALIAS") found_.lines.AddAlias(label, number);
            return;
        }
        if (first == "END") {
            if (open_.empty()) {
                found_.groups.push_back(
                    {Object(number), file_.empty() ? number : fileLine_,
                     file_.empty() ? "an END without a GROUP"
                                   : "an END without a GROUP on line " + std::to_string(number)});
            } else {
                open_.pop_back();
            }
            return;
        }
        const std::string_view second = NextToken(line, at);
        if (second == "FILE") {
            Close();
            file_ = std::string(first);
            fileLine_ = number;
            groups_ = 0;
            open_.push_back(second);
            found_.lines.AddFile(label, number);
            return;
        }
        if (second == "RECORD" || second == "GROUP") {
            if (second == "GROUP") {
                ++groups_;
                lastGroup_ = std::string(first);
            }
            open_.push_back(second);
        }
        if (!labelled || second.empty() || second == "RECORD") return;
        if (second == "KEY" || second == "INDEX") {
            found_.lines.AddKey(label, number);
        } else {
            found_.lines.AddField(label, number);
        }
    }

    // The relations section: a RELATION, its FILE and RELATED_FILE sides and
    // the FIELD lines of its two pair lists.
    void RelationLine(std::string_view line, std::size_t number) {
        std::size_t at = 0;
        const std::string_view first = NextToken(line, at);
        DeclarationLines& lines = found_.lines;
        if (first == "RELATION") {
            lines.AddRelation(number);
        } else if (first == "FILE_TO_RELATED_KEY" || first == "RELATED_FILE_TO_KEY") {
            lines.StartPairs(first == "FILE_TO_RELATED_KEY");
        } else if (first == "FIELD") {
            lines.AddPair(number);
        } else if (const std::string_view second = NextToken(line, at); second == "FILE") {
            lines.SetLeftSide(first, number);
        } else if (second == "RELATED_FILE") {
            lines.SetRightSide(first, number);
        }
    }

    // The end of a file's declarations: whatever is still open lacks its END.
    void Close() {
        if (!open_.empty()) {
            const std::string missing = std::to_string(open_.size()) +
                                        (open_.size() == 1 ? " END is" : " ENDs are") + " missing";
            found_.groups.push_back(
                {file_, fileLine_,
                 groups_ > 0
                     ? "a GROUP lacks its END (last GROUP opened: " + lastGroup_ + "): " + missing
                     : "the FILE or its RECORD lacks its END: " + missing});
        }
        open_.clear();
        file_.clear();
    }

    std::string Object(std::size_t number) const {
        return file_.empty() ? "line " + std::to_string(number) : file_;
    }

    bool inFiles_ = false;
    bool inAliases_ = false;
    bool inRelations_ = false;
    std::string file_;
    std::size_t fileLine_ = 0;
    std::string lastGroup_;
    std::size_t groups_ = 0;
    std::vector<std::string_view> open_;
    ExportStructure found_;
};

}  // namespace

ExportStructure ScanExportStructure(std::string_view exportText) {
    return StructureCount().Run(exportText);
}

std::vector<GroupFault> UnbalancedGroups(std::string_view exportText) {
    return ScanExportStructure(exportText).groups;
}

bool IsValidLabel(std::string_view label) noexcept {
    if (label.empty() || !IsLetter(label.front())) return false;
    for (char c : label) {
        if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != ':') return false;
    }
    return true;
}

}  // namespace workflow
