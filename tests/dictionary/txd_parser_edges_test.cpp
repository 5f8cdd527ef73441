// Edges of the export format and of the model the parser builds.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "dictionary/txd_parser.h"

namespace dictionary {
namespace {

// An export made of the lines, each ended by a carriage return and line feed.
std::string Export(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void Parse(DictionaryModel& model, std::string_view buffer, std::string_view path = "D.DCT") {
    ParseAll(model, buffer, path);
}

const FileQueue& OnlyFile(const DictionaryModel& model) {
    EXPECT_NE(model.FILE, nullptr);
    EXPECT_EQ(Rows(model.FILE).size(), 1u);
    return model.FILE->front();
}

std::vector<std::string> Lines(const List<TextLineQueue>& list) {
    std::vector<std::string> out;
    for (const TextLineQueue& line : Rows(list)) out.push_back(line.TEXT.str());
    return out;
}

using Strings = std::vector<std::string>;

TEST(TxdLinesTest, BlankLinesAreSkippedAndNotCounted) {
    const std::string buffer = "[DICTIONARY]\r\n\r\n     \r\nVERSION 1\r\n\r\nCREATED 2\r\n";
    DictionaryModel model;
    TxdParser parser(model, buffer, "D.DCT");
    EXPECT_FALSE(parser.ParseLines(2));
    EXPECT_EQ(parser.LinesDone(), 2);
    EXPECT_EQ(model.VERSION, "1");
    EXPECT_TRUE(model.CREATED.IsNull());
    EXPECT_FALSE(parser.ParseLines(1));
    EXPECT_EQ(model.CREATED, "2");
    EXPECT_TRUE(parser.ParseLines(1));
    EXPECT_EQ(parser.LinesDone(), 3);
}

TEST(TxdLinesTest, EmptyExportCompletesAtOnceWithAnEmptyModel) {
    DictionaryModel model;
    TxdParser parser(model, "", "D.DCT");
    EXPECT_TRUE(parser.ParseLines(TxdParser::kLinesPerSlice));
    EXPECT_EQ(parser.LinesDone(), 0);
    EXPECT_TRUE(model.VERSION.IsNull());
    EXPECT_EQ(model.DESCRIPTION, nullptr);
    EXPECT_EQ(model.FILE, nullptr);
}

TEST(TxdLinesTest, LastLineWithoutLineEnd) {
    DictionaryModel model;
    Parse(model, "VERSION 1\r\nMODIFIED x");
    EXPECT_EQ(model.MODIFIED, "x");
}

TEST(TxdLinesTest, LoneCarriageReturnOrLineFeedIsAnOrdinaryByte) {
    DictionaryModel model;
    Parse(model, Export({"VERSION a\rb\nc", "CREATED \r\n"}));
    EXPECT_EQ(model.VERSION, "a\rb\nc");
    // "CREATED " then a line of its own: the CR LF ends the first line only.
    EXPECT_EQ(model.CREATED, "");
}

// An export without a single CR LF was saved with Unix line ends: its lines
// end at each line feed. One CR LF anywhere keeps the rule above.
TEST(TxdLinesTest, AnExportWithoutCarriageReturnLineFeedIsCutAtLineFeeds) {
    struct Case {
        std::string bytes;
        std::string version;
        std::string created;
    };
    const Case cases[] = {
        {"VERSION 1\nCREATED 2\n", "1", "2"},
        {"VERSION 1\n\n   \nCREATED 2", "1", "2"},         // blank lines, no last end
        {"VERSION a\rb\nCREATED 2\n\x1A", "a\rb", "2"},    // a lone CR stays
        {"VERSION 1\nCREATED 2\r\n", "1\nCREATED 2", ""},  // one CR LF: the old rule
        {"VERSION 1\r\nCREATED 2\nMODIFIED 3\r\n", "1", "2\nMODIFIED 3"},
    };
    for (const Case& c : cases) {
        DictionaryModel model;
        Parse(model, c.bytes);
        EXPECT_EQ(model.VERSION, c.version) << c.bytes;
        EXPECT_EQ(model.CREATED.str(), c.created) << c.bytes;
    }
}

TEST(TxdLinesTest, LinesAreCutAtOneThousandCharacters) {
    const std::string exact = "VERSION " + std::string(992, 'v');  // 1000 bytes
    const std::string longer = "CREATED " + std::string(992, 'c') + "LOST";
    DictionaryModel model;
    Parse(model, Export({exact, longer, "MODIFIED m"}));
    EXPECT_EQ(model.VERSION.size(), 992u);
    EXPECT_EQ(model.CREATED, std::string(992, 'c'));
    EXPECT_EQ(model.MODIFIED, "m");
}

TEST(TxdLinesTest, NulAndCtrlZInTheMiddleAreOrdinaryBytes) {
    const std::string nul("VERSION a\0b", 11);
    DictionaryModel model;
    Parse(model, Export({nul, "\x1A", "CREATED c\x1A", "[FILES]", "F FILE,PRE(F)", "A LONG"}));
    EXPECT_EQ(model.VERSION, std::string_view("a\0b", 3));
    EXPECT_EQ(model.CREATED, "c\x1A");
    EXPECT_EQ(Rows(OnlyFile(model).FIELD).size(), 1u);
}

TEST(TxdLinesTest, TrailingCtrlZIsTheEndOfFileMark) {
    DictionaryModel model;
    Parse(model, "[FILES]\r\nF FILE\r\nX STRING(20)\x1A\x1A");
    ASSERT_EQ(Rows(OnlyFile(model).FIELD).size(), 1u);
    EXPECT_EQ(OnlyFile(model).FIELD->front().SIZE, "20");

    DictionaryModel afterLineEnd;
    TxdParser parser(afterLineEnd, "VERSION 1\r\n\x1A", "D.DCT");
    EXPECT_TRUE(parser.ParseLines(10));
    EXPECT_EQ(parser.LinesDone(), 1);
}

TEST(TxdHeaderTest, HeaderValuesJoinTokensByOneBlank) {
    DictionaryModel model;
    Parse(model, Export({"[DICTIONARY]", "VERSION  '4.0',  x", "PASSWORD secret", "MODIFIED"}));
    EXPECT_EQ(model.VERSION, "'4.0' x");
    EXPECT_EQ(model.PASSWORD, "secret");
    EXPECT_EQ(model.MODIFIED, "");  // present, with no value
}

TEST(TxdHeaderTest, FieldLabelledLikeAKeywordSetsTheHeader) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "VERSION STRING(20)"}));
    EXPECT_EQ(model.VERSION, "STRING(20)");
    EXPECT_EQ(OnlyFile(model).FIELD, nullptr);
}

TEST(TxdDescriptionTest, FilesWithoutDescriptionStillGetThePathLine) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]"}), "/dict/A.DCT");
    EXPECT_EQ(Lines(model.DESCRIPTION), Strings{"DCT Path: /dict/A.DCT"});
    ASSERT_NE(model.FILE, nullptr);
    EXPECT_TRUE(model.FILE->empty());
}

TEST(TxdDescriptionTest, AnOldPathLineIsReplaced) {
    DictionaryModel model;
    Parse(model,
          Export({"[DESCRIPTION]", "!First", "!  DCT Path: /old/A.DCT  ", "[FILES]", "!ignored"}),
          "/new/A.DCT");
    // [FILES] leaves the description the current text list.
    EXPECT_EQ(Lines(model.DESCRIPTION), (Strings{"First", "DCT Path: /new/A.DCT", "ignored"}));
}

TEST(TxdDescriptionTest, TextLinesAndIndentedText) {
    DictionaryModel model;
    Parse(model, Export({"!orphan before any list", "[DESCRIPTION]", "!  padded words   ", "!",
                         "  !indented is not text", "!This FILE holds customers"}));
    // An empty "!" line is an empty line; the indented one is not text; the
    // last one is a file declaration.
    EXPECT_EQ(Lines(model.DESCRIPTION), (Strings{"padded words", ""}));
    ASSERT_NE(model.FILE, nullptr);
    EXPECT_EQ(model.FILE->front().LABEL, "This");
}

TEST(TxdDescriptionTest, SecondDescriptionReplacesTheFirst) {
    DictionaryModel model;
    Parse(model, Export({"[DESCRIPTION]", "!one", "[DESCRIPTION]", "!two"}));
    EXPECT_EQ(Lines(model.DESCRIPTION), Strings{"two"});
}

TEST(TxdFileTest, AllFileAttributes) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]",
                         "F FILE,DRIVER('BASIC', '/x'),OWNER('me'),PRE(F),NAME('My File.DAT'),"
                         "CREATE,RECLAIM,ENCRYPT,BINDABLE,THREAD,EXTERNAL,DLL,OEM,UNKNOWN(1)"}));
    const FileQueue& file = OnlyFile(model);
    EXPECT_EQ(file.DRIVER, "'BASIC'");
    EXPECT_EQ(file.OWNER, "'me'");
    EXPECT_EQ(file.PREFIX, "F");
    EXPECT_EQ(file.NAME, "'My File.DAT'");
    for (Flag flag : {file.CREATE, file.RECLAIM, file.ENCRYPT, file.BINDABLE, file.THREAD,
                      file.EXTERNAL, file.DLL, file.OEM}) {
        EXPECT_EQ(flag, 1);
    }
}

TEST(TxdFileTest, FileWithoutKeysHasNullLists) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE,PRE(F)", "!!> IDENT(1)", "R RECORD", "END"}));
    const FileQueue& file = OnlyFile(model);
    EXPECT_EQ(file.KEY, nullptr);
    EXPECT_EQ(file.FIELD, nullptr);
    EXPECT_EQ(file.RECORD, "R RECORD");
}

TEST(TxdFileTest, SecondFilesHeaderStartsANewList) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "A FILE", "X LONG", "[FILES]", "B FILE", "Y LONG"}));
    EXPECT_EQ(OnlyFile(model).LABEL, "B");
    EXPECT_EQ(Rows(model.DESCRIPTION).size(), 1u);
}

TEST(TxdFileTest, DeclarationsBeforeAnyFileAreIgnored) {
    DictionaryModel model;
    Parse(model, Export({"K KEY(A)", "I INDEX(A)", "M MEMO(10)", "B BLOB", "R RECORD", "X LONG",
                         "G GROUP", "END", "!!> PICTURE(@s2)"}));
    EXPECT_EQ(model.FILE, nullptr);
}

TEST(TxdKeyTest, ComponentsLoseThePrefixByLengthOnly) {
    DictionaryModel model;
    Parse(model,
          Export({"[FILES]", "F FILE,PRE(PRE)",
                  "K1 KEY(PRE:A,-PRE:B,XYZ:C, PRE:D, -PRE:E),DUP,NOCASE,OPT,PRIMARY,NAME('k')",
                  "K2 KEY(PRE:A,,PRE:B)", "I1 INDEX(-PRE:X),NOCASE,OPT,DUP,NAME('i')"}));
    const FileQueue& file = OnlyFile(model);
    ASSERT_EQ(Rows(file.KEY).size(), 2u);
    const KeyQueue& k1 = (*file.KEY)[0];
    EXPECT_EQ(Lines(k1.FIELD), (Strings{"A", "-B", "C", ":D", "-:E"}));
    EXPECT_EQ(k1.DUP, 1);
    EXPECT_EQ(k1.NOCASE, 1);
    EXPECT_EQ(k1.OPT, 1);
    EXPECT_EQ(k1.PRIMARY, 1);
    EXPECT_EQ(k1.NAME, "'k'");
    // Components stop at the first blank one.
    EXPECT_EQ(Lines((*file.KEY)[1].FIELD), Strings{"A"});
    ASSERT_EQ(Rows(file.INDEX).size(), 1u);
    const IndexQueue& index = file.INDEX->front();
    EXPECT_EQ(Lines(index.FIELD), Strings{"-X"});
    EXPECT_EQ(index.NOCASE, 1);
    EXPECT_EQ(index.OPT, 1);
    EXPECT_EQ(index.NAME, "'i'");
}

TEST(TxdKeyTest, FileWithoutPrefixKeepsComponentsWhole) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "K KEY(PRE:A, -PRE:B)", "[FILES]", "G FILE,PRE()",
                         "K KEY(Name)"}));
    // The first list is replaced; check the second (an empty prefix cuts nothing).
    EXPECT_EQ(Lines(OnlyFile(model).KEY->front().FIELD), Strings{"Name"});
    DictionaryModel whole;
    Parse(whole, Export({"[FILES]", "F FILE", "K KEY(PRE:A, -PRE:B)"}));
    EXPECT_EQ(Lines(OnlyFile(whole).KEY->front().FIELD), (Strings{"PRE:A", " -PRE:B"}));
}

TEST(TxdKeyTest, ComponentShorterThanThePrefixIsKeptWhole) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE,PRE(LONGPREFIX)", "K KEY(A,-B,LONGPREFIX:,X)"}));
    EXPECT_EQ(Lines(OnlyFile(model).KEY->front().FIELD), (Strings{"A", "-B", "LONGPREFIX:", "X"}));
}

TEST(TxdFieldTest, SizesDimsAndPictures) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE,PRE(F)", "Amount DECIMAL(7,2),DIM(3,4)",
                         "!!> IDENT(1),PICTURE(@n7.2),PICTURE(@n9.2,x)", "Name CSTRING()",
                         "!!> IDENT(2),PICTURE(@n9.2,x)", "DIM STRING(1)", "Flag BYTE,DIM()"}));
    const auto& fields = *OnlyFile(model).FIELD;
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0].SIZE, "7,2");
    EXPECT_EQ(fields[0].DIM, "3,4");
    EXPECT_EQ(fields[0].PICTURE, "@n7.2");  // the first PICTURE token
    EXPECT_TRUE(fields[1].SIZE.IsNull());
    EXPECT_EQ(fields[1].PICTURE, "x");  // its last argument
    EXPECT_TRUE(fields[2].PICTURE.IsNull());
    // A field labelled DIM is no array.
    EXPECT_EQ(fields[2].LABEL, "DIM");
    EXPECT_TRUE(fields[2].DIM.IsNull());
    EXPECT_EQ(fields[3].DIM, "");
}

TEST(TxdFieldTest, NestedGroupsGiveTwoGroupAndTwoEndRows) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "R RECORD", "G1 GROUP", "G2 GROUP,DIM(2)", "X LONG",
                         "END", "END", "END", "END"}));
    Strings types;
    for (const FieldQueue& field : *OnlyFile(model).FIELD) types.push_back(field.TYPE.str());
    EXPECT_EQ(types, (Strings{"GROUP", "GROUP", "LONG", "END", "END"}));
}

TEST(TxdFieldTest, GroupDepthDoesNotWrapAround) {
    std::string buffer = Export({"[FILES]", "F FILE"});
    for (int i = 0; i < 300; ++i) buffer += "G GROUP\r\n";
    for (int i = 0; i < 301; ++i) buffer += "END\r\n";
    DictionaryModel model;
    Parse(model, buffer);
    ASSERT_EQ(Rows(OnlyFile(model).FIELD).size(), 600u);
    EXPECT_EQ(OnlyFile(model).FIELD->back().TYPE, "END");
}

TEST(TxdFieldTest, EveryTypeKeyword) {
    std::string buffer = Export({"[FILES]", "F FILE"});
    const Strings types = {"BYTE",    "SHORT",    "USHORT",   "LONG",   "ULONG",
                           "SIGNED",  "UNSIGNED", "REAL",     "SREAL",  "BFLOAT4",
                           "BFLOAT8", "DECIMAL",  "PDECIMAL", "STRING", "CSTRING",
                           "PSTRING", "DATE",     "TIME",     "GROUP"};
    for (const std::string& type : types) buffer += "X " + type + "\r\n";
    buffer += "X string\r\nX ULONG2\r\n";
    DictionaryModel model;
    Parse(model, buffer);
    Strings seen;
    for (const FieldQueue& field : *OnlyFile(model).FIELD) seen.push_back(field.TYPE.str());
    EXPECT_EQ(seen, types);
}

TEST(TxdMemoBlobTest, SizesAndPictures) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "M1 MEMO(1000),BINARY", "!!> PICTURE(@s20)",
                         "M2 MEMO", "B1 BLOB(12x)", "!!> PICTURE(@s9)", "B2 BLOB(2048)",
                         "M3 MEMO(  512 )", "M4 MEMO(99999999999)", "M5 MEMO(-5)"}));
    const FileQueue& file = OnlyFile(model);
    ASSERT_EQ(Rows(file.MEMO).size(), 5u);
    EXPECT_EQ((*file.MEMO)[0].SIZE, 1000);
    EXPECT_EQ((*file.MEMO)[0].PICTURE, "@s20");
    EXPECT_EQ((*file.MEMO)[1].SIZE, 0);
    EXPECT_EQ((*file.MEMO)[2].SIZE, 512);
    EXPECT_EQ((*file.MEMO)[3].SIZE, 0);
    EXPECT_EQ((*file.MEMO)[4].SIZE, -5);
    ASSERT_EQ(Rows(file.BLOB).size(), 2u);
    EXPECT_EQ((*file.BLOB)[0].SIZE, 0);
    EXPECT_EQ((*file.BLOB)[1].SIZE, 2048);
    // M2 had no annotation line: its memo list is still pending when the
    // blob's annotation line comes, and takes that line's picture.
    EXPECT_EQ((*file.MEMO)[1].PICTURE, "@s9");
    EXPECT_TRUE((*file.MEMO)[2].PICTURE.IsNull());
}

TEST(TxdMemoBlobTest, SizesThatAreNoFiniteNumberAreZero) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "M1 MEMO(nan)", "M2 MEMO(-nan)", "M3 MEMO(+nan)",
                         "M4 MEMO(inf)", "M5 MEMO(-infinity)", "B1 BLOB(nan)", "B2 BLOB(NAN)"}));
    const FileQueue& file = OnlyFile(model);
    ASSERT_EQ(Rows(file.MEMO).size(), 5u);
    for (const MemoQueue& memo : *file.MEMO) EXPECT_EQ(memo.SIZE, 0) << memo.LABEL.str();
    ASSERT_EQ(Rows(file.BLOB).size(), 2u);
    for (const BlobQueue& blob : *file.BLOB) EXPECT_EQ(blob.SIZE, 0) << blob.LABEL.str();
}

TEST(TxdAnnotationTest, SectionsAndKeywordsGoToThePendingObject) {
    DictionaryModel model;
    Parse(model,
          Export({"[FILES]", "[LONGDESC]", "!long 1", "[QUICKCODE]", "!quick", "[USEROPTION]",
                  "!user", "[SCREENCONTROLS]", "!screen", "[REPORTCONTROLS]", "!report",
                  "   F    FILE,PRE(F)   ", "!!>   IDENT(1), VALID(INLIST('A,B'))   "}));
    const ObjectText& text = *OnlyFile(model).TEXT;
    EXPECT_EQ(Lines(text.Sections().LONGDESC), Strings{"long 1"});
    EXPECT_EQ(Lines(text.Sections().QUICKCODE), Strings{"quick"});
    EXPECT_EQ(Lines(text.Sections().USEROPTION), Strings{"user"});
    EXPECT_EQ(Lines(text.Sections().SCREENCONTROL), Strings{"screen"});
    EXPECT_EQ(Lines(text.Sections().REPORTCONTROL), Strings{"report"});
    EXPECT_EQ(text.DEFINITION, "   F    FILE,PRE(F)");
    EXPECT_EQ(text.KEYWORDS, "IDENT(1),VALID(INLIST('A,B'))");
}

TEST(TxdAnnotationTest, TwoDeclarationsWithoutAnnotationLineOwnOneObjectEach) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", "[LONGDESC]", "!belongs to F", "A LONG",
                         "!!> IDENT(2)", "!after the annotation line"}));
    const FileQueue& file = OnlyFile(model);
    ASSERT_NE(file.FIELD, nullptr);
    const ObjectText& fileText = *file.TEXT;
    const ObjectText& fieldText = *file.FIELD->front().TEXT;
    EXPECT_NE(&fileText, &fieldText);
    EXPECT_EQ(Lines(fileText.Sections().LONGDESC),
              (Strings{"belongs to F", "after the annotation line"}));
    EXPECT_TRUE(fileText.KEYWORDS.IsNull());
    EXPECT_EQ(fieldText.Sections().LONGDESC, nullptr);
    EXPECT_EQ(fieldText.DEFINITION, "A LONG");
    EXPECT_EQ(fieldText.KEYWORDS, "IDENT(2)");
}

TEST(TxdAnnotationTest, AnnotationWithoutDeclarationDropsItsSections) {
    // The section belongs to no row; its text lines must go nowhere rather
    // than into freed storage.
    DictionaryModel model;
    Parse(model, Export({"[DESCRIPTION]", "!d", "[FILES]", "[LONGDESC]", "!lost", "!!> IDENT(9)",
                         "!also lost", "F FILE", "!!> IDENT(1)"}));
    EXPECT_EQ(Rows(model.DESCRIPTION).size(), 2u);
    const ObjectText& text = *OnlyFile(model).TEXT;
    EXPECT_EQ(text.Sections().LONGDESC, nullptr);
    EXPECT_EQ(text.KEYWORDS, "IDENT(1)");
}

TEST(TxdAnnotationTest, StatePointingIntoAReplacedFileListStaysHarmless) {
    DictionaryModel model;
    Parse(model,
          Export({"[FILES]", "F FILE", "[LONGDESC]", "!x", "A LONG", "M MEMO(5)", "[FILES]",
                  "!more text", "!!> PICTURE(@s1)", "[LONGDESC]", "!y", "G FILE", "!!> IDENT(1)"}));
    const FileQueue& file = OnlyFile(model);
    EXPECT_EQ(file.LABEL, "G");
    EXPECT_EQ(Lines(file.TEXT->Sections().LONGDESC), Strings{"y"});
}

TEST(TxdAliasTest, AliasRows) {
    DictionaryModel model;
    Parse(model, Export({"[ALIASES]", "[LONGDESC]", "!alias text", "Cust2 ALIAS(Customer),PRE(CU2)",
                         "!!> IDENT(7)", "PRE ALIAS", "[ALIASES]", "Cust3 ALIAS(Customer)"}));
    ASSERT_EQ(Rows(model.ALIAS).size(), 1u);
    const AliasQueue& alias = model.ALIAS->front();
    EXPECT_EQ(alias.LABEL, "Cust3");
    EXPECT_EQ(alias.FILE, "Customer");
    EXPECT_TRUE(alias.PREFIX.IsNull());

    DictionaryModel first;
    Parse(first, Export({"[LONGDESC]", "!alias text", "Cust2 ALIAS(Customer),PRE(CU2)",
                         "!!> IDENT(7)", "PRE ALIAS"}));
    ASSERT_EQ(Rows(first.ALIAS).size(), 2u);
    EXPECT_EQ(first.ALIAS->front().PREFIX, "CU2");
    EXPECT_EQ(Lines(first.ALIAS->front().TEXT->Sections().LONGDESC), Strings{"alias text"});
    EXPECT_EQ(first.ALIAS->front().TEXT->KEYWORDS, "IDENT(7)");
    EXPECT_TRUE(first.ALIAS->back().PREFIX.IsNull());
    EXPECT_TRUE(first.ALIAS->back().FILE.IsNull());
}

TEST(TxdRelationTest, RelationSectionNeverEnds) {
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "C FILE", "[RELATIONS]", "RELATION,MANY:1,DELETE(RESTRICT)",
                         "A FILE(K1)", "B RELATED_FILE(K2)", "RELATED_FILE_TO_KEY",
                         "FIELD(B:X,A:Y)", "FIELD(B:Z)", "END", "END", "Al ALIAS(C)",
                         "D FILE,PRE(D)", "X LONG", "!text", "RELATION,ONE:ONE_TOO_LONG"}));
    EXPECT_EQ(model.ALIAS, nullptr);
    EXPECT_EQ(OnlyFile(model).LABEL, "C");
    EXPECT_EQ(OnlyFile(model).FIELD, nullptr);
    ASSERT_EQ(Rows(model.RELATION).size(), 2u);
    const RelationQueue& first = model.RELATION->front();
    EXPECT_EQ(first.TYPE, "MANY:1");
    EXPECT_TRUE(first.RIUPDATE.IsNull());
    EXPECT_EQ(first.RIDELETE, "RESTRICT");
    // The FILE line inside the relations section filled the current
    // relation (the last one at that time).
    EXPECT_EQ(first.LEFTFILE, "D");
    EXPECT_EQ(first.LEFTKEY, "");
    EXPECT_EQ(first.RIGHTFILE, "B");
    EXPECT_EQ(first.RIGHTKEY, "K2");
    EXPECT_EQ(first.LEFTFIELDS, nullptr);
    ASSERT_EQ(Rows(first.RIGHTFIELDS).size(), 2u);
    EXPECT_EQ((*first.RIGHTFIELDS)[1].LEFT, "B:Z");
    EXPECT_EQ((*first.RIGHTFIELDS)[1].RIGHT, "");
    EXPECT_EQ(model.RELATION->back().TYPE.view(), "ONE:ONE_");
    EXPECT_TRUE(model.RELATION->back().RIUPDATE.IsNull());
    EXPECT_TRUE(model.RELATION->back().RIDELETE.IsNull());
}

TEST(TxdRelationTest, RelationLinesOutsideOrWithoutARelationDoNothing) {
    DictionaryModel model;
    Parse(model, Export({"RELATION,1:MANY", "FILE_TO_RELATED_KEY", "FIELD(A,B)", "[RELATIONS]",
                         "A FILE(K)", "FIELD(A,B)", "FILE_TO_RELATED_KEY", "FIELD(A,B)",
                         "RELATION,1:MANY", "FIELD(C,D)"}));
    ASSERT_EQ(Rows(model.RELATION).size(), 1u);
    EXPECT_TRUE(model.RELATION->front().LEFTFILE.IsNull());
    EXPECT_EQ(model.RELATION->front().LEFTFIELDS, nullptr);
}

TEST(TxdRelationTest, SecondRelationsHeaderKeepsPairStateHarmless) {
    DictionaryModel model;
    Parse(model, Export({"[RELATIONS]", "RELATION,1:MANY", "FILE_TO_RELATED_KEY", "[RELATIONS]",
                         "FIELD(A,B)", "RELATION,1:1", "FILE_TO_RELATED_KEY", "FIELD(C,D)"}));
    ASSERT_EQ(Rows(model.RELATION).size(), 1u);
    ASSERT_EQ(Rows(model.RELATION->front().LEFTFIELDS).size(), 1u);
    EXPECT_EQ(model.RELATION->front().LEFTFIELDS->front().LEFT, "C");
}

TEST(TxdViewsTest, ViewsSectionCreatesAnEmptyList) {
    DictionaryModel model;
    Parse(model, Export({"[VIEWS]", "V VIEW(F)", "[VIEWS]"}));
    ASSERT_NE(model.VIEW, nullptr);
    EXPECT_TRUE(model.VIEW->empty());
}

TEST(TxdRobustnessTest, DeepNestingAndLongTokens) {
    const std::string deep = "X STRING(" + std::string(600, '(') + ")," + std::string(300, ')');
    DictionaryModel model;
    Parse(model, Export({"[FILES]", "F FILE", deep, std::string(1000, '['), std::string(999, '\''),
                         "Y LONG"}));
    EXPECT_EQ(OnlyFile(model).FIELD->back().LABEL, "Y");
}

TEST(TxdRobustnessTest, ProgressTextsAndPercent) {
    EXPECT_EQ(ParsedPercent(1, 0), 100);
    EXPECT_EQ(ParsedPercent(1, 1000), 0);
    EXPECT_EQ(ParsedPercent(500, 1000), 50);
    EXPECT_EQ(ParsedPercent(11, 10), 100);
    EXPECT_EQ(ParsedPercent(3'000'000'000ULL, 4'000'000'000ULL), 75);
    EXPECT_EQ(ParsingBarText(0), "Parsing: ");
    EXPECT_EQ(ParsingBarText(3), "Parsing: |||");
    EXPECT_EQ(ParsedPercentText(42), "42% parsed");
    ParseProgress progress;
    EXPECT_EQ(progress.Advance(5, 1000), std::nullopt);
    EXPECT_EQ(progress.Advance(20, 1000), 2);
    EXPECT_EQ(progress.Advance(25, 1000), std::nullopt);
    EXPECT_EQ(progress.Advance(2000, 1000), 100);
    EXPECT_EQ(progress.Shown(), 100);

    // Every position of exports of several sizes, in steps of one byte and of
    // many: a percentage is reported exactly when it grows.
    for (const std::uint64_t size : {1ULL, 7ULL, 99ULL, 100ULL, 101ULL, 1000ULL, 12345ULL}) {
        for (const std::uint64_t step : {1ULL, 13ULL}) {
            SCOPED_TRACE(testing::Message() << size << " by " << step);
            ParseProgress stepped;
            int shown = 0;
            for (std::uint64_t position = 0; position <= size + step; position += step) {
                const int percent = ParsedPercent(position, size);
                const std::optional<int> expected =
                    percent > shown ? std::optional<int>(percent) : std::nullopt;
                if (expected) shown = percent;
                ASSERT_EQ(stepped.Advance(position, size), expected) << position;
            }
        }
    }
}

}  // namespace
}  // namespace dictionary
