// The index from a file label to the relations it takes part in, and the
// widths remembered per text.
#include "dictionary/relation_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/core/blanks.h"
#include "tests/display/list_test_support.h"

namespace display {
namespace {

using display_test::Parse;
using Positions = std::vector<std::size_t>;

// Relations 0: A -> B, 1: B -> C, 2: A -> A, 3: C -> A.
std::unique_ptr<dictionary::DictionaryModel> FourRelations() {
    std::vector<std::string> lines = {"[RELATIONS]"};
    for (const auto& [left, right] : {std::pair{"A", "B"}, {"B", "C"}, {"A", "A"}, {"C", "A"}}) {
        lines.push_back("  RELATION,1:MANY");
        lines.push_back(std::string(left) + "   FILE(" + left + ":K)");
        lines.push_back(std::string(right) + "   RELATED_FILE(" + right + ":K)");
        lines.push_back("    END");
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return Parse(text);
}

TEST(RelationIndexTest, PositionsOfOneLabel) {
    const auto model = FourRelations();
    ASSERT_EQ(dictionary::Rows(model->RELATION).size(), 4u);
    const dictionary::RelationIndex index(*model);
    const struct {
        std::string label;
        Positions expected;
    } cases[] = {
        {"A", {0, 2, 3}},                                     // a relation with itself counted once
        {"B", {0, 1}},    {"C", {1, 3}}, {"A  ", {0, 2, 3}},  // trailing blanks
        {"a", {}},                                            // labels compare as written
        {"Z", {}},        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(index.Of(c.label), c.expected) << c.label;
}

TEST(RelationIndexTest, PositionsOfEitherLabelInModelOrder) {
    const auto model = FourRelations();
    const dictionary::RelationIndex index(*model);
    const struct {
        std::string first, second;
        Positions expected;
    } cases[] = {
        {"A", "C", {0, 1, 2, 3}}, {"B", "B", {0, 1}},    {"Z", "B", {0, 1}},
        {"B", "Z", {0, 1}},       {"C", "B", {0, 1, 3}}, {"Y", "Z", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index.OfEither(c.first, c.second), c.expected) << c.first << "," << c.second;
}

// The report's view: each side that names the label, left before right, with
// labels compared on their first characters only when a length is given.
TEST(RelationIndexTest, EndsOfALabelAndLabelsComparedOnTheirFirstCharacters) {
    const auto model = FourRelations();
    using Ends = std::vector<std::pair<std::size_t, bool>>;
    const auto ends = [](const dictionary::RelationIndex& index, std::string_view label) {
        Ends out;
        for (const auto& end : index.EndsOf(label)) out.emplace_back(end.position, end.left);
        return out;
    };
    const dictionary::RelationIndex whole(*model);
    EXPECT_EQ(ends(whole, "A"), (Ends{{0, true}, {2, true}, {2, false}, {3, false}}));
    EXPECT_EQ(ends(whole, "C "), (Ends{{1, false}, {3, true}}));
    EXPECT_TRUE(ends(whole, "AB").empty());
    const dictionary::RelationIndex first(*model, 1);
    EXPECT_EQ(ends(first, "AB"), ends(whole, "A"));
    EXPECT_EQ(first.Key("Bxyz  "), "B");
}

TEST(RelationIndexTest, EmptyModelHasNoPositions) {
    const dictionary::DictionaryModel model;
    EXPECT_TRUE(dictionary::RelationIndex(model).Of("A").empty());
}

// Column widths come out as if every cell were measured whole, though only
// the cells that might be wider are: with a proportional measure that drops
// trailing blanks, adds a margin and kerns a pair, and with the fixed one.
TEST(ColumnWidthsTest, WidthsAreThoseOfTheWidestCellsMeasuredWhole) {
    const auto proportional = [](std::string_view text) {
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        int width = 3;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            width += c == 'W' ? 11 : c == 'i' ? 3 : c == ' ' ? 4 : 7;
            if (c == 'A' && i + 1 < text.size() && text[i + 1] == 'V') width -= 2;  // kerning
        }
        return width;
    };
    const auto fixed = [](std::string_view text) { return static_cast<int>(text.size()) * 4; };
    // Each column's widest cell comes after a cell it must outgrow.
    const std::vector<std::vector<std::string>> rows = {
        {"iiiiiiii", "AVAVAV", "xxxxxx"},
        {"WW", "x", "  Inner  "},
        {"Wiii", "AVx", "        Nm"},
        {"iiiiiiiiiiiiiiiiiiii", "", "W W W"},
    };
    for (const TextWidth& measure : {TextWidth(proportional), TextWidth(fixed)}) {
        // Right-justified columns start from their headers as they are.
        const ListColumn columns[] = {{"a", "A", "R(0)"}, {"b", "B", "R(0)"}, {"c", "C", "R(0)"}};
        ColumnWidths widths(measure, columns);
        std::vector<int> expected = {measure("A"), measure("B"), measure("C")};
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                widths.Widen(c, row[c]);
                expected[c] = std::max(expected[c], measure(rt::TrimTrailingSpaces(row[c])));
            }
        }
        for (std::size_t c = 0; c < expected.size(); ++c) EXPECT_EQ(widths[c], expected[c]) << c;
    }
}

TEST(RememberingWidthsTest, MeasuresEachDistinctTextOnce) {
    int calls = 0;
    TextWidth width = RememberingWidths([&calls](std::string_view text) {
        ++calls;
        return static_cast<int>(text.size()) * 5;
    });
    const TextWidth copy = width;
    const struct {
        const char* text;
        int width;
        int callsAfter;
    } steps[] = {{"ab", 10, 1}, {"abc", 15, 2}, {"ab", 10, 2}, {"", 0, 3}, {"abc", 15, 3}};
    for (const auto& step : steps) {
        EXPECT_EQ(width(step.text), step.width) << step.text;
        EXPECT_EQ(calls, step.callsAfter) << step.text;
    }
    // Copies share what was measured.
    EXPECT_EQ(copy("abc"), 15);
    EXPECT_EQ(calls, 3);
}

TEST(WidestTextTest, MeasuresWholeOnlyTheTextsNearTheWidest) {
    // Letters as wide as their place in the alphabet; "zy" is kerned 3 wider.
    std::vector<std::string> whole;  // the texts measured whole, not by letter
    const TextWidth width = [&whole](std::string_view text) {
        if (text.size() < 16) whole.emplace_back(text);
        int sum = text == "zy" ? 3 : 0;
        for (const char c : text) sum += c - 'a' + 1;
        return sum;
    };
    const std::vector<std::string_view> texts = {"abc", "zz", "zy", "aaaaaa", "a"};
    EXPECT_EQ(WidestText(texts, width), 54);  // "zy", though "zz" sums wider
    EXPECT_EQ(whole, (std::vector<std::string>{"zz", "zy"}));
    whole.clear();
    EXPECT_EQ(WidestText(std::vector<std::string_view>(1000, "abcd"), width), 10);
    EXPECT_EQ(whole.size(), 32u);  // of many texts of one sum, a few
}

}  // namespace
}  // namespace display
