#include "dictionary/section_headers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dictionary/line_cutter.h"
#include "dictionary/scanner.h"

namespace dictionary {
namespace {

bool FoundInBlocks(std::string_view bytes, std::size_t blockSize) {
    SectionHeaderSearch search;
    for (std::size_t at = 0; at < bytes.size(); at += blockSize) {
        search.Feed(bytes.substr(at, blockSize));
    }
    return search.Found();
}

// What the parser sees: the lines LineCutter cuts, each line's first token.
bool ParserSeesAHeader(std::string_view bytes) {
    LineCutter lines(bytes);
    Scanner scanner;
    while (const std::optional<std::string_view> line = lines.Next()) {
        scanner.SplitFirst(*line, 1);
        for (std::string_view header : kSectionHeaders) {
            if (scanner.Item(1) == header) return true;
        }
    }
    return false;
}

TEST(SectionHeaderSearchTest, ALineWhoseFirstTokenIsAHeader) {
    const std::string longLine(1200, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        bool found;
    };
    const std::vector<Case> cases = {
        {"empty", "", false},
        {"a word", "hello\r\n", false},
        {"a later line", "hello\r\nworld\r\n[FILES]\r\n", true},
        {"the last line without a line end", "hello\r\n[ALIASES]", true},
        {"line feeds only", "hello\n[RELATIONS]\n", true},
        {"leading and trailing blanks", "x\r\n   [VIEWS]   \r\n", true},
        {"a comma after it", "[FILES],x\r\n", true},
        {"one ! before it", "![QUICKCODE]\r\n", true},
        {"a header-like word inside a line", "FILE [FILES]\r\n", false},
        {"text after the bracket", "[FILES]x\r\n", false},
        {"a tab before it", "\t[FILES]\r\n", false},
        {"a line feed inside a CR LF line", "x\r\n\n[FILES]\r\n", false},
        {"with CR LF elsewhere a lone line feed ends no line", "a\r\nb\n[FILES]\n", false},
        {"Ctrl+Z at the very end", "x\r\n[DESCRIPTION]\x1A\x1A", true},
        {"a line past the cut", longLine + "\r\n[SCREENCONTROLS]\r\n", true},
        {"a header past 1000 characters", std::string(999, ' ') + " [FILES]\r\n", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParserSeesAHeader(c.bytes), c.found) << c.name;
        for (std::size_t block :
             {std::size_t{1}, std::size_t{2}, std::size_t{7}, c.bytes.size() + 1})
            EXPECT_EQ(FoundInBlocks(c.bytes, block), c.found) << c.name << ", blocks of " << block;
    }
}

// Exports made of pieces that line ends, blanks and headers meet in, fed in
// blocks of every size: the search agrees with the parser's view.
TEST(SectionHeaderSearchTest, AgreesWithTheParserWhereverTheBlocksEnd) {
    const std::vector<std::string> pieces = {
        "[FILES]", "[ALIASES]",           "\r", "\n", "\r\n", " ", "!", "x", ",", "(", "'",
        "\x1A",    std::string(400, 'y'),
    };
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) bytes += pieces[random() % pieces.size()];
        const bool expected = ParserSeesAHeader(bytes);
        const std::size_t block = 1 + random() % (bytes.size() + 1);
        EXPECT_EQ(FoundInBlocks(bytes, block), expected)
            << testing::PrintToString(bytes) << ", blocks of " << block;
    }
}

}  // namespace
}  // namespace dictionary
