#include "workflow/markdown.h"

#include <gtest/gtest.h>

namespace {

TEST(Markdown, TextIsEscapedForTablesAndLineStarts) {
    struct Case {
        std::string_view in;
        std::string_view text;  // inside a line or a cell
        std::string_view line;  // as a paragraph line
    };
    const Case cases[] = {
        {"a|b", "a\\|b", "a\\|b"},
        {"*bold* _x_ `code`", "\\*bold\\* \\_x\\_ \\`code\\`", "\\*bold\\* \\_x\\_ \\`code\\`"},
        {"<b>&amp;</b>", "\\<b\\>\\&amp;\\</b\\>", "\\<b\\>\\&amp;\\</b\\>"},
        {"[link](x)", "\\[link\\](x)", "\\[link\\](x)"},
        {"# heading", "# heading", "\\# heading"},
        {"- item", "- item", "\\- item"},
        {"12. item", "12. item", "12\\. item"},
        {"   indented", "   indented", "indented"},
        {"caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"bell\x07 tail   ", "bell^G tail", "bell^G tail"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(workflow::MarkdownText(c.in), c.text) << c.in;
        EXPECT_EQ(workflow::MarkdownLine(c.in), c.line) << c.in;
    }
}

}  // namespace
