// The four lists of the dictionary window built from small dictionaries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/core/dictionary_lists.h"
#include "tests/display/list_test_support.h"

namespace display {
namespace {

using display_test::CharWidth;
using display_test::Export;
using display_test::Parse;
using display_test::Strings;
using display_test::Texts;

constexpr std::int32_t kGrey = 0xE7E7E7;
constexpr std::int32_t kHeader = 0xC0C0C0;

// Files B and A, an alias C of A, a relation A -> B and a self-relation of B.
const std::string kTwoFiles = Export({
    "[DICTIONARY]",
    "VERSION '4.0'",
    "[FILES]",
    "B                    FILE,DRIVER('DOS'),PRE(BBB),CREATE,THREAD,OWNER('Me'),NAME('B.DAT')",
    "!!> IDENT(1)",
    "KeyNo                  KEY(BBB:No,-BBB:Date),NOCASE,PRIMARY",
    "!!> IDENT(2)",
    "Record                 RECORD,PRE()",
    "No                       LONG",
    "!!> IDENT(3),VALID(NONZERO)",
    "Date                     DATE",
    "!!> IDENT(4)",
    "                       END",
    "                     END",
    "A                    FILE,DRIVER('DOS'),PRE(AAA)",
    "!!> IDENT(10)",
    "Record                 RECORD,PRE()",
    "Id                       LONG",
    "!!> IDENT(11)",
    "                       END",
    "                     END",
    "[ALIASES]",
    "C                    ALIAS(A),PRE(CCC)",
    "!!> IDENT(20)",
    "[RELATIONS]",
    "                     RELATION,1:MANY",
    "A                      FILE(AAA:KeyId)",
    "B                      RELATED_FILE(BBB:KeyNo)",
    "                         FILE_TO_RELATED_KEY",
    "                           FIELD(AAA:Id,BBB:No)",
    "                           FIELD(NOLINK,BBB:Date)",
    "                         END",
    "                         RELATED_FILE_TO_KEY",
    "                           FIELD(BBB:No,AAA:Id)",
    "                         END",
    "                       END",
    "                     RELATION,ONE:MANY",
    "C                      FILE(CCC:KeyId)",
    "B                      RELATED_FILE(BBB:KeyNo)",
    "                       END",
    "                     RELATION,MANY:ONE",
    "B                      FILE(BBB:KeyNo)",
    "B                      RELATED_FILE(BBB:KeyNo)",
    "                       END",
});

class TwoFilesTest : public testing::Test {
  protected:
    std::unique_ptr<dictionary::DictionaryModel> model = Parse(kTwoFiles);
    DictionaryLists lists{*model, "D.TXD", CharWidth};
};

TEST_F(TwoFilesTest, FilesAndAliasesSortByNameAndShadeOddPositions) {
    ASSERT_TRUE(lists.Build(0));
    EXPECT_EQ(lists.Selected(), 1);
    const auto& rows = lists.Files().rows;
    ASSERT_EQ(rows.size(), 3u);
    struct Expected {
        Strings texts;
        std::int32_t id;
        std::int32_t background;
    };
    const Expected expected[] = {
        {{"A", "AAA", "DOS", "", ""}, 2, kGrey},
        {{"B", "BBB", "DOS", "'B.DAT'", "C,T,OWNER('Me')"}, 1, -1},
        {{"C", "CCC", "ALIAS", "A", ""}, 0, kGrey},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Texts(rows[i].cells), expected[i].texts);
        EXPECT_EQ(rows[i].ID, expected[i].id);
        for (const rt::ListCell& cell : rows[i].cells) {
            EXPECT_EQ(cell.colours.normalBackground, expected[i].background);
            EXPECT_EQ(cell.colours.normalForeground, -1);
            EXPECT_EQ(cell.colours.selectedBackground, -1);
        }
    }
    // Widths: 4 units per character of the widest cell or header.
    EXPECT_EQ(lists.Files().format,
              "20L(1)*F|~File~28L(1)*|~Prefix~28L(1)*|~Driver~28L(1)*|~Name~"
              "60L(1)*|~Attributes~");
    EXPECT_EQ(lists.Files().nameWidth, 20);
}

TEST_F(TwoFilesTest, FirstBuildSelectsRowOneWithItsHeading) {
    lists.Build(0);
    EXPECT_EQ(lists.Heading(), "D.TXD    FILE: A" + std::string(39, ' '));
    EXPECT_EQ(lists.SelectedName(), "A");
    ASSERT_EQ(lists.Fields().rows.size(), 1u);
    EXPECT_EQ(Texts(lists.Fields().rows[0]), (Strings{"Id", "LONG", "", ""}));
}

TEST_F(TwoFilesTest, AliasShowsTheAliasedFileAndRelationsOfBothNames) {
    lists.Build(0);
    ASSERT_TRUE(lists.Build(3));
    EXPECT_EQ(lists.Heading(), "D.TXD    ALIAS: C" + std::string(39, ' '));
    EXPECT_EQ(lists.SelectedName(), "C");
    EXPECT_FALSE(lists.DanglingAlias());
    ASSERT_EQ(lists.Fields().rows.size(), 1u);
    EXPECT_EQ(lists.Fields().rows[0][kFieldName].text, "Id");
    // LEFTFILE C (the alias) is listed; RIGHTFILE A would be, none is.
    ASSERT_EQ(lists.Relations().rows.size(), 1u);
    EXPECT_EQ(Texts(lists.Relations().rows[0]),
              (Strings{"<->> B", "C <-", "-> BBB:KeyNo", "B <-", "-> CCC:KeyId"}));
}

TEST_F(TwoFilesTest, RelationsHeaderAndPairRowsWithNolink) {
    lists.Build(0);  // A
    const auto& rows = lists.Relations().rows;
    ASSERT_EQ(rows.size(), 3u);
    // "1:MANY": A is the one side, so B is drawn as the many side.
    EXPECT_EQ(Texts(rows[0]), (Strings{"<->> B", "A <-", "-> BBB:KeyNo", "B <-", "-> AAA:KeyId"}));
    EXPECT_EQ(Texts(rows[1]), (Strings{"", "AAA:Id <-", "-> BBB:No", "BBB:No <-", "-> AAA:Id"}));
    EXPECT_EQ(Texts(rows[2]), (Strings{"", "", "-> BBB:Date", "", ""}));
    EXPECT_EQ(rows[0][0].colours.normalBackground, kHeader);
    EXPECT_EQ(rows[0][4].colours.normalBackground, kHeader);
    EXPECT_EQ(rows[1][0].colours.normalBackground, -1);
    EXPECT_EQ(rows[2][3].colours.normalBackground, -1);
}

TEST_F(TwoFilesTest, RelatedFileSeesRelationsFromTheRightAndSelfRelationsTwice) {
    lists.Build(0);
    ASSERT_TRUE(lists.Build(2));  // B
    Strings headers;
    for (const rt::ListRow& row : lists.Relations().rows) {
        if (!row[kRelationFile].text.empty()) headers.push_back(Texts(row)[0] + "|" + row[1].text);
    }
    EXPECT_EQ(headers, (Strings{"<<-> A|B <-", "<<-> C|B <-", "<<-> B|B <-", "<->> B|B <-"}));
    // The sides are exchanged: B's pairs come first.
    EXPECT_EQ(Texts(lists.Relations().rows[1]),
              (Strings{"", "BBB:No <-", "-> AAA:Id", "AAA:Id <-", "-> BBB:No"}));
}

TEST_F(TwoFilesTest, KeyRowsShowAttributesOnceAndOneComponentEach) {
    lists.Build(0);
    lists.Build(2);
    const auto& rows = lists.Keys().rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Texts(rows[0]), (Strings{"KeyNo", "KEY", "P,N", "+No"}));
    EXPECT_EQ(Texts(rows[1]), (Strings{"", "", "", "-Date"}));
    EXPECT_EQ(rows[0][0].colours.normalBackground, -1);
    EXPECT_EQ(rows[1][3].colours.normalBackground, -1);
    EXPECT_EQ(lists.Fields().rows[0][kFieldValid].text, "NONZERO");
}

TEST_F(TwoFilesTest, PickTextJoinsNamesAndPickSelects) {
    lists.Build(0);
    EXPECT_EQ(lists.PickText(), "A|B|C");
    EXPECT_FALSE(lists.Pick(0));
    EXPECT_EQ(lists.Selected(), 1);
    EXPECT_FALSE(lists.Pick(9));
    EXPECT_EQ(lists.Selected(), 1);
    EXPECT_TRUE(lists.Pick(2));
    EXPECT_EQ(lists.SelectedName(), "B");
}

TEST(DictionaryListsTest, NoFilesKeepsTheDictionaryHeadingAndBuildsNothing) {
    auto model = Parse(Export({"[DICTIONARY]", "[ALIASES]", "C   ALIAS(A),PRE(CCC)"}));
    DictionaryLists lists(*model, "X.TXD", CharWidth);
    EXPECT_FALSE(lists.Build(0));
    EXPECT_EQ(lists.Heading(), "DICTIONARY: X.TXD");
    EXPECT_TRUE(lists.Files().rows.empty());
    EXPECT_TRUE(lists.Files().format.empty());
    EXPECT_TRUE(lists.Fields().format.empty());
    EXPECT_EQ(lists.PickText(), "");
}

TEST(DictionaryListsTest, DanglingAliasShowsEmptyDetailListsWithHeaders) {
    auto model = Parse(Export({
        "[FILES]",
        "A     FILE,DRIVER('DOS'),PRE(AAA)",
        "KeyA    KEY(AAA:X)",
        "!!> IDENT(2)",
        "Record  RECORD,PRE()",
        "X         LONG",
        "          END",
        "        END",
        "[ALIASES]",
        "Z     ALIAS(Nowhere),PRE(ZZZ)",
        "Y     ALIAS(Z),PRE(YYY)",
    }));
    DictionaryLists lists(*model, "D.TXD", CharWidth);
    lists.Build(0);
    ASSERT_FALSE(lists.Keys().rows.empty());
    for (std::int32_t row : {3, 2}) {  // Z names no row; Y names the alias Z
        SCOPED_TRACE(row);
        ASSERT_TRUE(lists.Build(row));
        EXPECT_TRUE(lists.DanglingAlias());
        EXPECT_TRUE(lists.Fields().rows.empty());
        EXPECT_TRUE(lists.Keys().rows.empty());
        EXPECT_TRUE(lists.Relations().rows.empty());
        EXPECT_EQ(lists.Keys().format,
                  "16L(1)*|F~Key~20L(1)*|~Type~44L(1)*|~Attributes~"
                  "100L(1)*|~Fields~");
        // The heading says why the lists are empty.
        EXPECT_EQ(lists.Heading(), row == 3 ? "D.TXD    ALIAS: Z (file Nowhere not found)"
                                            : "D.TXD    ALIAS: Y (file Z not found)");
    }
}

// A 40-character label is cut to keep the " <-" that joins it to its key.
TEST(DictionaryListsTest, LongLabelsKeepTheirArrows) {
    const std::string left(40, 'L');
    const std::string right(40, 'R');
    const std::string pair = "LLL:" + std::string(36, 'p');
    auto model = Parse(Export({
        "[FILES]",
        left + " FILE,DRIVER('DOS'),PRE(LLL)",
        right + " FILE,DRIVER('DOS'),PRE(RRR)",
        "[RELATIONS]",
        "  RELATION,1:MANY",
        left + " FILE(LLL:K)",
        right + " RELATED_FILE(RRR:K)",
        "    FILE_TO_RELATED_KEY",
        "      FIELD(" + pair + ",RRR:X)",
        "    END",
        "  END",
    }));
    DictionaryLists lists(*model, "D.TXD", CharWidth);
    lists.Build(0);
    const auto& rows = lists.Relations().rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][kRelationLeftL].text, std::string(37, 'L') + " <-");
    EXPECT_EQ(rows[0][kRelationRightL].text, std::string(37, 'R') + " <-");
    EXPECT_EQ(rows[1][kRelationLeftL].text, pair.substr(0, 37) + " <-");
}

TEST(DictionaryListsTest, SortIsByCharacterCodeAndStable) {
    auto model = Parse(Export({
        "[FILES]",
        "b     FILE,DRIVER('DOS')",
        "B     FILE,DRIVER('ASCII')",
        "Zed   FILE,DRIVER('DOS')",
        "[ALIASES]",
        "B     ALIAS(b)",
        "\xC4x ALIAS(b)",
    }));
    DictionaryLists lists(*model, "D.TXD", CharWidth);
    lists.Build(0);
    Strings order;
    for (const FileListRow& row : lists.Files().rows) {
        order.push_back(row.cells[kFileName].text + "/" + row.cells[kFileDriver].text);
    }
    EXPECT_EQ(order, (Strings{"B/ASCII", "B/ALIAS", "Zed/DOS", "b/DOS", "\xC4x/ALIAS"}));
}

// Fields: memos first, groups indented, sizes and dimensions.
TEST(FieldListTest, MemosGroupsSizesAndDimensions) {
    auto model = Parse(Export({
        "[FILES]",
        "F     FILE,DRIVER('DOS'),PRE(F)",
        "Notes   MEMO(1000)",
        "!!> IDENT(1),PICTURE(@s80),VALID(INLIST('a|b'))",
        "Bare    MEMO(10)",
        "Record  RECORD,PRE()",
        "Outer     GROUP",
        "!!> IDENT(2)",
        "Name        STRING(20)",
        "Inner       GROUP",
        "Deep          DECIMAL(7,2),DIM(3)",
        "!!> IDENT(3),PICTURE(@n10.2),VALID(INRANGE(0,100))",
        "            END",
        "          END",
        "Count     LONG,DIM(10)",
        "!!> IDENT(4),VALID(INLIST('a','b',3))",
        "When      DATE",
        "        END",
    }));
    auto& file = model->FILE->front();
    file.MEMO->at(1).TEXT.reset();  // a memo without annotations is left out
    dictionary::Scanner scanner;
    BuiltList list = BuildFieldList(file, scanner, CharWidth);
    const Strings expected[] = {
        {"Notes", "MEMO(1000)", "@s80", "INLIST('a|b')"},
        {"Outer", "GROUP", "", ""},
        {"    Name", "    STRING(20)", "", ""},
        {"    Inner", "    GROUP", "", ""},
        // VALID shown whole, every argument as written.
        {"        Deep", "        DECIMAL(7,2),DIM(3)", "@n10.2", "INRANGE(0,100)"},
        {"Count", "LONG,DIM(10)", "", "INLIST('a','b',3)"},
        {"When", "DATE", "", ""},
    };
    ASSERT_EQ(list.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Texts(list.rows[i]), expected[i]);
        EXPECT_EQ(list.rows[i][2].colours.normalBackground, i % 2 == 0 ? kGrey : -1);
    }
    EXPECT_EQ(list.format, "48L(1)*|~Field~108L(1)*|~Type~32L(1)*|~Picture~100L(1)*|~Valid~");
}

TEST(FieldListTest, LongCellsAreCutToTheirFieldSize) {
    const std::string label(50, 'L');
    const std::string valid(120, 'v');
    auto model = Parse(Export({
        "[FILES]",
        "F     FILE,DRIVER('DOS'),PRE(F)",
        "Record  RECORD,PRE()",
        label + "  STRING(" + std::string(45, '9') + ")",
        "!!> IDENT(1),VALID(" + valid + ")",
        "        END",
    }));
    dictionary::Scanner scanner;
    BuiltList list = BuildFieldList(model->FILE->front(), scanner, CharWidth);
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0][kFieldName].text, std::string(40, 'L'));
    EXPECT_EQ(list.rows[0][kFieldType].text, "STRING(" + std::string(33, '9'));
    EXPECT_EQ(list.rows[0][kFieldValid].text, std::string(100, 'v'));
}

// Keys: shade per key, flipping; keys without annotations skipped but counted.
TEST(KeyListTest, ShadeFlipsPerKeyAndIndexes) {
    auto model = Parse(Export({
        "[FILES]",
        "F     FILE,DRIVER('DOS'),PRE(F)",
        "K1      KEY(F:A,F:B),DUP,NOCASE,OPT,PRIMARY",
        "!!> IDENT(1)",
        "K2      KEY(F:C)",
        "K3      KEY(F:D)",
        "!!> IDENT(3)",
        "I1      INDEX(-F:E),NOCASE,OPT",
        "!!> IDENT(4)",
        "I2      INDEX()",
        "!!> IDENT(5)",
        "Record  RECORD,PRE()",
        "A         LONG",
        "        END",
    }));
    model->FILE->front().KEY->at(1).TEXT.reset();  // K2: left out, its shade used
    BuiltList list = BuildKeyList(model->FILE->front(), CharWidth);
    struct Expected {
        Strings texts;
        std::int32_t shade;
    };
    const Expected expected[] = {
        {{"K1", "KEY", "P,D,O,N", "+A"}, -1},
        {{"", "", "", "+B"}, -1},
        // K2 (no annotation) took the grey shade.
        {{"K3", "KEY", "", "+D"}, -1},
        {{"I1", "INDEX", "O,N", "-E"}, kGrey},
        {{"I2", "INDEX", "", ""}, -1},
    };
    ASSERT_EQ(list.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Texts(list.rows[i]), expected[i].texts);
        EXPECT_EQ(list.rows[i][0].colours.normalBackground, expected[i].shade);
        EXPECT_EQ(list.rows[i][3].colours.normalBackground, expected[i].shade);
    }
}

TEST(RelationListTest, FormatIsSetWithoutRelations) {
    dictionary::DictionaryModel model;
    BuiltList list = BuildRelationList(model, "A", "A", CharWidth);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.format,
              "52L(1)*|~Related File~28R(0)*~File <-~60L(0)*|~-> Related Key~"
              "60R(0)*~Related File <-~28L(0)*|~-> Key~");
}

TEST(RelationListTest, MoreLeftPairsThanRightLeaveRightCellsEmpty) {
    auto model = Parse(Export({
        "[RELATIONS]",
        "  RELATION,1:MANY",
        "P   FILE(P:K)",
        "Q   RELATED_FILE(Q:K)",
        "      FILE_TO_RELATED_KEY",
        "        FIELD(P:A,Q:A)",
        "        FIELD(P:B,Q:B)",
        "      END",
        "      RELATED_FILE_TO_KEY",
        "        FIELD(Q:A,P:A)",
        "      END",
        "    END",
    }));
    BuiltList list = BuildRelationList(*model, "P", "P", CharWidth);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(Texts(list.rows[2]), (Strings{"", "P:B <-", "-> Q:B", "", ""}));
}

TEST(FileAttributesTest, AbbreviationsInOrder) {
    dictionary::FileQueue file;
    EXPECT_EQ(FileAttributes(file), "");
    file.CREATE = file.RECLAIM = file.THREAD = file.BINDABLE = file.EXTERNAL = 1;
    file.DLL = file.OEM = file.ENCRYPT = 1;
    file.OWNER = "'x'";
    EXPECT_EQ(FileAttributes(file), "C,R,T,B,E,D,O,OWNER('x'),ENCRYPT");
    file.OWNER = std::string(120, 'o');
    EXPECT_EQ(FileAttributes(file).size(), 99u);
}

}  // namespace
}  // namespace display
