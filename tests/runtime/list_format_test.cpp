// Format strings of the list control: the column layouts the dictionary
// window gives its lists, design formats, groups and careless input.
#include "runtime/core/list_format.h"

#include <gtest/gtest.h>

namespace {

using rt::Justify;
using rt::ListColumn;
using rt::ParseListFormat;

ListColumn Column(int width, Justify justify, int indent, bool colours, bool fixed, bool border,
                  std::string header, std::string picture = {}, int group = -1) {
    return ListColumn{
        width, justify, indent, colours, fixed, border, std::move(header), std::move(picture),
        group};
}

struct FormatCase {
    const char* format;
    std::vector<ListColumn> columns;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.format << '"';
}

class ListFormatColumns : public testing::TestWithParam<FormatCase> {};

TEST_P(ListFormatColumns, ParsesEachColumn) {
    EXPECT_EQ(ParseListFormat(GetParam().format).columns, GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ListFormatColumns,
    testing::Values(
        FormatCase{"", {}},
        FormatCase{"47L(1)*F|~File~36L(1)*|~Prefix~",
                   {Column(47, Justify::Left, 1, true, true, true, "File"),
                    Column(36, Justify::Left, 1, true, false, true, "Prefix")}},
        // The border may come before the fixed mark.
        FormatCase{"30L(1)*|F~Key~100L(1)*|~Fields~",
                   {Column(30, Justify::Left, 1, true, true, true, "Key"),
                    Column(100, Justify::Left, 1, true, false, true, "Fields")}},
        FormatCase{"25R(0)*~File <-~40L(0)*|~-> Related Key~",
                   {Column(25, Justify::Right, 0, true, false, false, "File <-"),
                    Column(40, Justify::Left, 0, true, false, true, "-> Related Key")}},
        FormatCase{"120L(2)@s40@", {Column(120, Justify::Left, 2, false, false, false, "", "s40")}},
        // Design formats carry no widths; a justification letter starts a column.
        FormatCase{"L~Files~", {Column(-1, Justify::Left, 0, false, false, false, "Files")}},
        FormatCase{"L~A~R~B~C",
                   {Column(-1, Justify::Left, 0, false, false, false, "A"),
                    Column(-1, Justify::Right, 0, false, false, false, "B"),
                    Column(-1, Justify::Center, 0, false, false, false, "")}},
        // Headers hold any character, the grammar's own included.
        FormatCase{"10L~a|b(2)*F~",
                   {Column(10, Justify::Left, 0, false, false, false, "a|b(2)*F")}},
        // Careless input: unclosed header, unknown characters, unclosed indent.
        FormatCase{
            "10L?~open",
            {Column(10, Justify::Left, 0, false, false, false, "")},
        },
        FormatCase{"10L~open", {Column(10, Justify::Left, 0, false, false, false, "open")}},
        FormatCase{"10L(3", {Column(10, Justify::Left, 3, false, false, false, "")}}));

TEST(ListFormat, GroupsEncloseColumnsAndCarryTheirOwnHeader) {
    const rt::ListFormat format = ParseListFormat("L~A~[L~B~R~C~]|~Both~L~D~");
    ASSERT_EQ(format.columns.size(), 4u);
    EXPECT_EQ(format.columns[0].group, -1);
    EXPECT_EQ(format.columns[1].group, 0);
    EXPECT_EQ(format.columns[2].group, 0);
    EXPECT_EQ(format.columns[3].group, -1);
    ASSERT_EQ(format.groups.size(), 1u);
    EXPECT_EQ(format.groups[0], (rt::ListGroup{1, 2, "Both", true}));
}

TEST(ListFormat, AnUnclosedGroupEndsWithTheText) {
    const rt::ListFormat format = ParseListFormat("[L~A~L~B~");
    ASSERT_EQ(format.groups.size(), 1u);
    EXPECT_EQ(format.groups[0].columnCount, 2);
    EXPECT_EQ(ParseListFormat("]L~A~").groups.size(), 0u);  // a stray bracket is skipped
}

TEST(ListFormat, FixedColumnIsReported) {
    EXPECT_TRUE(ParseListFormat("10L*F~A~10L~B~").HasFixedColumn());
    EXPECT_FALSE(ParseListFormat("10L*~A~10L~B~").HasFixedColumn());
}

}  // namespace
