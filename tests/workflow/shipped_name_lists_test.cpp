// The bash completion and the manual page list the lint rules and the paper
// names as text of their own: each list must hold exactly the names the code
// knows, so that a rule or a paper added to the code and not to them (or
// left in them after it went) fails here, naming the file and the name.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "runtime/core/paper_sizes.h"
#include "workflow/lint.h"

namespace {

using Names = std::set<std::string, std::less<>>;

constexpr const char* kCompletion = "install/completion/kestrian-doc";
constexpr const char* kManual = "install/man/kestrian-doc.1";

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(KESTRIAN_SOURCE_DIR) + "/" + path, std::ios::binary);
    EXPECT_TRUE(in) << path << " cannot be read";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What follows the first `start` up to the next `end` (or the end); empty
// without a `start`.
std::string_view Between(std::string_view text, std::string_view start, std::string_view end) {
    const std::size_t from = text.find(start);
    if (from == std::string_view::npos) return {};
    text.remove_prefix(from + start.size());
    return text.substr(0, text.find(end));
}

Names Words(std::string_view text, std::string_view separators) {
    Names words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(separators);
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find_first_of(separators);
        words.emplace(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return words;
}

// A manual page with its hyphens (\-) and no-hyphenation marks (\%) read
// as the reader sees them.
std::string Unescaped(std::string_view roff) {
    std::string text;
    for (std::size_t i = 0; i < roff.size(); ++i) {
        if (roff[i] == '\\' && i + 1 < roff.size() && (roff[i + 1] == '-' || roff[i + 1] == '%')) {
            if (roff[++i] == '-') text += '-';
        } else {
            text += roff[i];
        }
    }
    return text;
}

// The tags of a manual's tagged paragraphs: the ".B NAME" line after each ".TP".
Names Tags(std::string_view section) {
    Names tags;
    for (std::size_t at = section.find(".TP\n.B "); at != std::string_view::npos;
         at = section.find(".TP\n.B ", at + 1)) {
        tags.emplace(Between(section.substr(at), ".TP\n.B ", "\n"));
    }
    return tags;
}

Names RuleNames(std::optional<workflow::Severity> severity = std::nullopt) {
    Names names;
    for (const workflow::LintRule& rule : workflow::LintRules()) {
        if (!severity || rule.severity == *severity) names.emplace(rule.name);
    }
    return names;
}

std::string Unlisted(const Names& names, const Names& in) {
    std::string text;
    for (const std::string& name : names) {
        if (!in.contains(name)) text += " " + name;
    }
    return text;
}

struct ListCase {
    std::string where;
    Names listed;
    Names known;
};

TEST(ShippedNameLists, CompletionAndManualNameEveryLintRuleAndPaperAndNoOther) {
    const std::string completion = SourceFile(kCompletion);
    const std::string manual = Unescaped(SourceFile(kManual));
    const std::string_view lint = Between(manual, ".SS \"lint ", "\n.SS ");
    const std::string_view errors = Between(lint, "The rules that find errors:", "\n.PP");
    const std::string_view warnings = Between(lint, "The rules that find warnings:", "\n.SS ");
    const std::string_view completionPapers = Between(completion, "--paper)", ";;");
    const Names papers = Words(rt::PaperNames(), ", ");

    const ListCase cases[] = {
        {std::string(kCompletion) + ", its rules",
         Words(Between(completion, "local rules=\"", "\""), " \t\n"), RuleNames()},
        {std::string(kCompletion) + ", --paper",
         Words(Between(completionPapers, "-W \"", "\""), " "), papers},
        {std::string(kManual) + ", the rules that find errors", Tags(errors),
         RuleNames(workflow::Severity::Error)},
        {std::string(kManual) + ", the rules that find warnings", Tags(warnings),
         RuleNames(workflow::Severity::Warning)},
        {std::string(kManual) + ", --paper", Words(Between(manual, ".BR \"--paper ", "\n"), "\" |"),
         papers},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_FALSE(c.listed.empty()) << "the list was not found";
        EXPECT_EQ(Unlisted(c.known, c.listed), "") << "missing from the list";
        EXPECT_EQ(Unlisted(c.listed, c.known), "") << "listed but not known to the code";
    }
}

}  // namespace
