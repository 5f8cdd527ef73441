// Column arithmetic and texts of every table of the dictionary report.
#include "printing/core/report_tables.h"

#include <gtest/gtest.h>

#include "tests/printing/report_models.h"

namespace printing {
namespace {

using printing_test::AddPair;
using printing_test::Entry;
using printing_test::Field;
using printing_test::File;
using printing_test::Index;
using printing_test::Key;
using printing_test::Keywords;
using printing_test::Relation;
using printing_test::Trimmed;

std::vector<std::string> Texts(const ReportTable& table) {
    std::vector<std::string> out;
    for (const TableLine& row : table.rows) {
        out.push_back(row.kind == RowKind::Separator ? "--" : Trimmed(row.text));
    }
    return out;
}

std::vector<RowKind> Kinds(const ReportTable& table) {
    std::vector<RowKind> out;
    for (const TableLine& row : table.rows) out.push_back(row.kind);
    return out;
}

std::string Pad(std::string_view text, std::size_t column) {
    std::string out(text);
    out.resize(column - 1, ' ');
    return out;
}

// --- keys ----------------------------------------------------------------

TEST(KeysTableTest, ColumnWidths) {
    struct Case {
        std::string_view label, component;
        std::size_t wL, wF, A, B;
    };
    const Case cases[] = {
        {"K", "X", 3, 6, 8, 16},                 // minimum widths
        {"KeyCustomerNo", "X", 13, 6, 18, 26},   // a long label widens KEY
        {"K", "-CustomerNumber", 3, 15, 8, 25},  // a long component widens FIELDS
    };
    for (const Case& c : cases) {
        dictionary::FileQueue file = File("F");
        dictionary::Ensure(file.KEY).push_back(Key(c.label, {c.component}));
        const KeyColumns columns = KeyColumnsOf(file);
        EXPECT_EQ(columns.wL, c.wL) << c.label;
        EXPECT_EQ(columns.wF, c.wF) << c.label;
        EXPECT_EQ(columns.A, c.A) << c.label;
        EXPECT_EQ(columns.B, c.B) << c.label;
        auto table = KeysTable(file);
        ASSERT_TRUE(table);
        EXPECT_EQ(Trimmed(table->heading), Pad(Pad("KEY", c.A) + "FIELDS", c.B) + "ATTRIBUTES");
    }
}

TEST(KeysTableTest, RowsAttributesSeparatorsAndLastRow) {
    dictionary::FileQueue file = File("F");
    dictionary::KeyQueue primary = Key("KeyNo", {"No", "-Date"});
    primary.PRIMARY = primary.NOCASE = primary.OPT = 1;
    primary.NAME = "'KNO'";
    dictionary::Ensure(file.KEY).push_back(std::move(primary));
    dictionary::KeyQueue bare = Key("KeyBare", {});
    bare.DUP = 1;
    dictionary::Ensure(file.KEY).push_back(std::move(bare));
    dictionary::IndexQueue dynamic = Index("Dyn", {});
    dynamic.NOCASE = 1;
    dictionary::Ensure(file.INDEX).push_back(std::move(dynamic));
    dictionary::Ensure(file.INDEX).push_back(Index("ByName", {"Name"}));

    auto table = KeysTable(file);
    ASSERT_TRUE(table);
    // wL 7, wF 6: A = 12, B = 20.
    EXPECT_EQ(Texts(*table), (std::vector<std::string>{
                                 "K KeyNo    No      PRIMARY,NOCASE,OPT,NAME('KNO')",
                                 "           -Date",
                                 "--",
                                 "K KeyBare          DUP",
                                 "--",
                                 "D Dyn              NOCASE",
                                 "--",
                                 "I ByName   Name",
                             }));
    EXPECT_EQ(Kinds(*table).back(), RowKind::LastRow);
    EXPECT_EQ(Kinds(*table).front(), RowKind::Row);
}

TEST(KeysTableTest, KeysWithoutIndexesEndOnTheLastKeyWithoutSeparator) {
    dictionary::FileQueue file = File("F");
    dictionary::Ensure(file.KEY).push_back(Key("A", {"X"}));
    dictionary::Ensure(file.KEY).push_back(Key("B", {"Y", "Z"}));
    auto table = KeysTable(file);
    ASSERT_TRUE(table);
    EXPECT_EQ(Kinds(*table), (std::vector<RowKind>{RowKind::Row, RowKind::Separator, RowKind::Row,
                                                   RowKind::LastRow}));
    EXPECT_FALSE(KeysTable(File("NoKeys")));
}

// --- fields --------------------------------------------------------------

TEST(FieldsTableTest, ColumnWidths) {
    struct Case {
        std::string_view label, type, size, picture;
        std::size_t wL, wT, wP, A, B, C;
    };
    const Case cases[] = {
        {"A", "BYTE", "", "", 5, 4, 7, 8, 14, 23},                 // minimum widths
        {"CustomerNumber", "BYTE", "", "", 14, 4, 7, 17, 23, 32},  // long label
        {"A", "DECIMAL", "11,2", "", 5, 13, 7, 8, 23, 32},         // long type
        {"A", "BYTE", "", "@n-15.2`", 5, 4, 8, 8, 14, 24},         // long picture
    };
    for (const Case& c : cases) {
        dictionary::FileQueue file = File("F");
        dictionary::Ensure(file.FIELD).push_back(Field(c.label, c.type, c.size, c.picture));
        dictionary::Scanner scanner;
        const FieldColumns columns = FieldColumnsOf(FieldRows(file, scanner));
        EXPECT_EQ(columns.wL, c.wL) << c.label << c.type;
        EXPECT_EQ(columns.wT, c.wT) << c.label << c.type;
        EXPECT_EQ(columns.wP, c.wP) << c.label << c.type;
        EXPECT_EQ(columns.A, c.A) << c.label << c.type;
        EXPECT_EQ(columns.B, c.B) << c.label << c.type;
        EXPECT_EQ(columns.C, c.C) << c.label << c.type;
        auto table = FieldsTable(file, scanner);
        ASSERT_TRUE(table);
        EXPECT_EQ(Trimmed(table->heading),
                  Pad(Pad(Pad("FIELD", c.A) + "TYPE", c.B) + "PICTURE", c.C) + "VALID");
    }
}

TEST(FieldsTableTest, MemosBlobsThenNestedGroupsWithValid) {
    dictionary::FileQueue file = File("F");
    dictionary::MemoQueue memo;
    memo.LABEL = "Notes";
    memo.SIZE = 2000;
    memo.PICTURE = "@s80";
    dictionary::Ensure(file.MEMO).push_back(std::move(memo));
    dictionary::BlobQueue blob;
    blob.LABEL = "Photo";
    dictionary::Ensure(file.BLOB).push_back(std::move(blob));
    auto& fields = dictionary::Ensure(file.FIELD);
    fields.push_back(Field("Outer", "GROUP"));
    fields.push_back(Field("Inner", "GROUP"));
    dictionary::FieldQueue lines = Field("Line", "STRING", "20", "@s20");
    lines.DIM = "2,3";
    lines.TEXT = Keywords("IDENT(4),VALID(INLIST('A|B')),PICTURE(@s20)");
    fields.push_back(std::move(lines));
    fields.push_back(Field({}, "END"));
    fields.push_back(Field({}, "END"));
    dictionary::FieldQueue no = Field("No", "LONG");
    no.TEXT = Keywords("IDENT(5),VALID(NONZERO)");
    fields.push_back(std::move(no));

    dictionary::Scanner scanner;
    auto table = FieldsTable(file, scanner);
    ASSERT_TRUE(table);
    // wL 5, wT 23 ("    STRING(20),DIM(2,3)"), wP 7: A 8, B 33, C 42.
    EXPECT_EQ(Texts(*table), (std::vector<std::string>{
                                 "Notes  MEMO(2000)               @s80",
                                 "Photo  BLOB(0)",
                                 "Outer  GROUP",
                                 "Inner    GROUP",
                                 "Line       STRING(20),DIM(2,3)  @s20     INLIST('A|B')",
                                 "         END",
                                 "       END",
                                 "No     LONG                              NONZERO",
                             }));
    const std::vector<RowKind> kinds = Kinds(*table);
    EXPECT_EQ(kinds.back(), RowKind::LastRow);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), RowKind::LastRow), 1);
}

TEST(FieldsTableTest, MemoAloneIsTheLastRow) {
    dictionary::FileQueue file = File("F");
    dictionary::MemoQueue memo;
    memo.LABEL = "M";
    dictionary::Ensure(file.MEMO).push_back(std::move(memo));
    dictionary::Scanner scanner;
    auto table = FieldsTable(file, scanner);
    ASSERT_TRUE(table);
    EXPECT_EQ(Kinds(*table), std::vector<RowKind>{RowKind::LastRow});
    EXPECT_FALSE(FieldsTable(File("Empty"), scanner));
}

// --- relations -----------------------------------------------------------

dictionary::DictionaryModel RelationModel() {
    dictionary::DictionaryModel model;
    dictionary::RelationQueue r1 = Relation("1:MANY", "Cust", "CUS:K", "Ord", "ORD:K");
    AddPair(r1.LEFTFIELDS, "CUS:No", "ORD:No");
    AddPair(r1.LEFTFIELDS, "NOLINK", "ORD:Date");
    AddPair(r1.RIGHTFIELDS, "ORD:No", "CUS:No");
    dictionary::Ensure(model.RELATION).push_back(std::move(r1));
    dictionary::RelationQueue r2 = Relation("ONE:MANY", "Zone", "ZON:K", "Cust", "CUS:Zone");
    AddPair(r2.LEFTFIELDS, "ZON:Id", "CUS:Zone");
    dictionary::Ensure(model.RELATION).push_back(std::move(r2));
    return model;
}

TEST(RelationsTableTest, IndexFindsBothSidesInOrder) {
    dictionary::DictionaryModel model = RelationModel();
    const dictionary::RelationIndex index(model, kFileLabelLength);
    auto sides = RelationsOf(model, index, "Cust");
    ASSERT_EQ(sides.size(), 2u);
    EXPECT_TRUE(sides[0].left);   // relation 1, Cust on the left
    EXPECT_FALSE(sides[1].left);  // relation 2, Cust on the right
    EXPECT_EQ(RelationsOf(model, index, "Ord").size(), 1u);
    EXPECT_TRUE(RelationsOf(model, index, "Nobody").empty());
}

TEST(RelationsTableTest, MinimumWidthsAndHeading) {
    dictionary::RelationQueue r = Relation("1:MANY", "A", "k", "B", "k");
    const RelationColumns c = RelationColumnsOf({{&r, true}});
    EXPECT_EQ((std::vector<std::size_t>{c.W1, c.W2, c.W3, c.W4, c.W5}),
              (std::vector<std::size_t>{9, 4, 11, 12, 4}));
    EXPECT_EQ((std::vector<std::size_t>{c.P2, c.P3, c.P4, c.P5, c.end}),
              (std::vector<std::size_t>{15, 23, 37, 53, 60}));
    auto table = RelationsTable({{&r, true}});
    ASSERT_TRUE(table);
    EXPECT_EQ(Trimmed(table->heading),
              "RELATED FILE   FILE \x8B\x97\x9B RELATED KEY  RELATED FILE \x8B\x97\x9B KEY");
}

TEST(RelationsTableTest, LongNamesWidenTheirColumns) {
    struct Case {
        const char* what;
        std::string_view ownFile, relatedFile, ownPairLeft, ownPairRight, relatedPairLeft;
        std::size_t W1, W2, W3, W4, W5;
    };
    const Case cases[] = {
        {"related file", "A", "RelatedFileName", "x", "y", "z", 15, 4, 11, 15, 4},
        {"own file", "OwnFileNameIsLong", "B", "x", "y", "z", 9, 17, 11, 12, 4},
        {"own pair", "A", "B", "CUS:CustomerNo", "ORD:CustomerNumber", "z", 9, 14, 18, 12, 4},
        {"related pair", "A", "B", "x", "y", "ORD:OrderNumberLong", 9, 4, 11, 19, 4},
    };
    for (const Case& c : cases) {
        dictionary::RelationQueue r = Relation("1:MANY", c.ownFile, "k", c.relatedFile, "k");
        AddPair(r.LEFTFIELDS, c.ownPairLeft, c.ownPairRight);
        AddPair(r.RIGHTFIELDS, c.relatedPairLeft, "w");
        const RelationColumns col = RelationColumnsOf({{&r, true}});
        EXPECT_EQ((std::vector<std::size_t>{col.W1, col.W2, col.W3, col.W4, col.W5}),
                  (std::vector<std::size_t>{c.W1, c.W2, c.W3, c.W4, c.W5}))
            << c.what;
        EXPECT_EQ(col.P2, c.W1 + 6) << c.what;
        EXPECT_EQ(col.P3, col.P2 + c.W2 + 4) << c.what;
        EXPECT_EQ(col.P4, col.P3 + c.W3 + 3) << c.what;
        EXPECT_EQ(col.P5, col.P4 + c.W4 + 4) << c.what;
    }
}

TEST(RelationsTableTest, ArrowsFollowTypeAndSide) {
    struct Case {
        std::string_view type;
        bool left;
        std::string arrow;
    };
    const Case cases[] = {
        {"ONE:MANY", true, "\x8B\x97\xBB "},
        {"ONE:MANY", false, "\xAB\x97\x9B "},
        {"MANY:ONE", true, "\xAB\x97\x9B "},
        {"MANY:ONE", false, "\x8B\x97\xBB "},
        // The cardinality exports write: its left file is the one side.
        {"1:MANY", true, "\x8B\x97\xBB "},
        {"1:MANY", false, "\xAB\x97\x9B "},
        {"MANY:1", true, "\xAB\x97\x9B "},
        {"MANY:1", false, "\x8B\x97\xBB "},
        {"CHILD", true, "\xAB\x97\x9B "},
        {"", false, "\x8B\x97\xBB "},
    };
    for (const Case& c : cases) {
        dictionary::RelationQueue r = Relation(c.type, "A", "k", "B", "k");
        EXPECT_EQ(RelationArrow({&r, c.left}), c.arrow) << c.type << c.left;
    }
}

TEST(RelationsTableTest, HeadAndPairRowsWithNolink) {
    dictionary::DictionaryModel model = RelationModel();
    const dictionary::RelationIndex index(model, kFileLabelLength);
    auto table = RelationsTable(RelationsOf(model, index, "Cust"));
    ASSERT_TRUE(table);
    // W1 9, W2 max(4, Cust, CUS:No, NOLINK) = 6, W3 11, W4 12,
    // W5 max(4, CUS:K, CUS:Zone, CUS:No) = 8: P2 15, P3 25, P4 39, P5 55.
    const std::string arrowMany = "\x8B\x97\xBB ";  // Cust is the left side of 1:MANY
    const std::string arrowOne = "\xAB\x97\x9B ";   // Cust is the right side of ONE:MANY
    EXPECT_EQ(Texts(*table),
              (std::vector<std::string>{
                  arrowMany + "Ord" + std::string(10, ' ') + "Cust \x8B\x97\x9B ORD:K" +
                      std::string(17, ' ') + "Ord \x8B\x97\x9B CUS:K",
                  std::string(15, ' ') + "CUS:No \x8B\x97\x9B ORD:No" + std::string(13, ' ') +
                      "ORD:No \x8B\x97\x9B CUS:No",
                  std::string(23, ' ') + "\x97\x9B ORD:Date",
                  "--",
                  arrowOne + "Zone" + std::string(9, ' ') + "Cust \x8B\x97\x9B ZON:K" +
                      std::string(16, ' ') + "Zone \x8B\x97\x9B CUS:Zone",
                  std::string(45, ' ') + "ZON:Id \x8B\x97\x9B CUS:Zone",
              }));
    EXPECT_EQ(Kinds(*table),
              (std::vector<RowKind>{RowKind::RelationHead, RowKind::Row, RowKind::Row,
                                    RowKind::Separator, RowKind::RelationHead, RowKind::LastRow}));
}

// --- summary -------------------------------------------------------------

TEST(SummaryTableTest, ColumnWidths) {
    struct Case {
        const char* what;
        std::string_view label, prefix, driver, name;
        bool owner;
        std::size_t w1, w2, w3, w4, w5;
    };
    const Case cases[] = {
        {"minimum", "F", "P", "'D'", "", false, 5, 3, 5, 4, 10},
        {"long label", "CustomerFile", "P", "'D'", "", false, 12, 3, 5, 4, 10},
        {"long prefix", "F", "CUSTX", "'D'", "", false, 5, 5, 5, 4, 10},
        {"long driver less its quotes", "F", "P", "'SQLITE'", "", false, 5, 3, 6, 4, 10},
        {"long path", "F", "P", "'D'", "'CUSTOMER.DAT'", false, 5, 3, 5, 14, 10},
        {"owner", "F", "P", "'D'", "", true, 5, 3, 5, 4, 22},  // CREATE,OWNER('SYSADM')
    };
    for (const Case& c : cases) {
        dictionary::DictionaryModel model;
        dictionary::FileQueue file = File(c.label, c.prefix);
        file.DRIVER = c.driver;
        if (!c.name.empty()) file.NAME = c.name;
        if (c.owner) {
            file.CREATE = 1;
            file.OWNER = "'SYSADM'";
        }
        dictionary::Ensure(model.FILE).push_back(std::move(file));
        FilesToPrint entries{{kFileEntry, c.label, 1, 0}};
        const SummaryColumns s = SummaryColumnsOf(model, entries);
        EXPECT_EQ((std::vector<std::size_t>{s.w1, s.w2, s.w3, s.w4, s.w5}),
                  (std::vector<std::size_t>{c.w1, c.w2, c.w3, c.w4, c.w5}))
            << c.what;
        EXPECT_EQ((std::vector<std::size_t>{s.A, s.B, s.C, s.D, s.E}),
                  (std::vector<std::size_t>{c.w1 + 3, c.w1 + c.w2 + 5, c.w1 + c.w2 + c.w3 + 7,
                                            c.w1 + c.w2 + c.w3 + c.w4 + 9,
                                            c.w1 + c.w2 + c.w3 + c.w4 + c.w5 + 11}))
            << c.what;
    }
}

TEST(SummaryTableTest, RowsInListOrderWithAttributes) {
    dictionary::DictionaryModel model;
    dictionary::FileQueue a = File("Beta", "BET");
    a.CREATE = a.RECLAIM = a.THREAD = a.BINDABLE = a.EXTERNAL = a.DLL = a.OEM = a.ENCRYPT = 1;
    a.OWNER = "'X'";
    a.NAME = "'B.DAT'";
    dictionary::Ensure(model.FILE).push_back(std::move(a));
    dictionary::Ensure(model.FILE).push_back(File("Alpha", "ALP"));
    FilesToPrint entries{Entry(kFileEntry, "Alpha", 2, 0), Entry(kAliasEntry, "Al", 1),
                         Entry(kFileEntry, "Beta", 1)};
    ReportTable table = SummaryTable(model, entries);
    EXPECT_EQ(Trimmed(table.heading), "FILE   PRE  DRIVER  PATH     ATTRIBUTES");
    EXPECT_EQ(Texts(table),
              (std::vector<std::string>{
                  "Alpha  ALP  SQLITE",
                  "Beta   BET  SQLITE  'B.DAT'  "
                  "CREATE,RECLAIM,THREAD,BINDABLE,EXTERNAL,DLL,OEM,OWNER('X'),ENCRYPT",
              }));
    EXPECT_EQ(Kinds(table), (std::vector<RowKind>{RowKind::Row, RowKind::LastRow}));
}

// --- entry heading lines -------------------------------------------------

TEST(HeadingLinesTest, AttributesFillTheLinesInOrder) {
    dictionary::FileQueue file = File("F", "CUS");
    file.CREATE = file.RECLAIM = file.THREAD = file.BINDABLE = file.EXTERNAL = file.DLL = file.OEM =
        file.ENCRYPT = 1;
    file.OWNER = "'Owner'";
    file.NAME = "'F.DAT'";
    std::vector<std::string> lines = FileHeadingLines(file, {"A1", "A2"});
    std::vector<std::string> trimmed;
    for (const auto& line : lines) trimmed.push_back(Trimmed(line));
    const std::string at48(47, ' ');
    auto at60 = [](std::string lead) {
        lead.resize(59, ' ');
        return lead;
    };
    EXPECT_EQ(trimmed, (std::vector<std::string>{
                           Pad("Prefix: CUS", 48) + "Attributes: CREATE",
                           at60("Driver: SQLITE") + "RECLAIM",
                           at60("Path  : 'F.DAT'") + "THREAD",
                           at60("Alias : A1, A2") + "BINDABLE",
                           at60("") + "EXTERNAL",
                           at60("") + "DLL",
                           at60("") + "OEM",
                           at60("") + "OWNER('Owner')",
                           at60("") + "ENCRYPT",
                       }));
}

TEST(HeadingLinesTest, NoAttributesNoPathNoAliases) {
    dictionary::FileQueue file = File("F", "CUS");
    std::vector<std::string> lines = FileHeadingLines(file, {});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Trimmed(lines[0]), "Prefix: CUS");
    EXPECT_EQ(Trimmed(lines[1]), "Driver: SQLITE");
}

TEST(HeadingLinesTest, LongAttributeContinuesUnderItself) {
    dictionary::FileQueue file = File("F", "P");
    file.OWNER = "'" + std::string(60, 'o') + "'";
    file.CREATE = 1;
    std::vector<std::string> lines = FileHeadingLines(file, {});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Trimmed(lines[0]).size(), 65u);  // "Attributes: CREATE" from 48
    EXPECT_EQ(lines[1].substr(59, 7), "OWNER('");
    EXPECT_EQ(Trimmed(lines[1]).size(), 100u);  // to the line's end, then on under itself
    EXPECT_EQ(Trimmed(lines[1]).substr(59) + Trimmed(lines[2]).substr(59),
              "OWNER('" + std::string(60, 'o') + "')");
}

// A long path and fourteen aliases: every attribute beside the text, never
// over it, and every alias listed whole.
TEST(HeadingLinesTest, LongPathAndManyAliasesKeepEveryWord) {
    dictionary::FileQueue file = File("F", "CUS");
    file.CREATE = file.RECLAIM = file.THREAD = file.BINDABLE = file.EXTERNAL = 1;
    const std::string path = "'\\\\server\\share\\" + std::string(40, 'd') + "\\" +
                             std::string(30, 'f') + "\\" + std::string(30, 'g') + ".DAT'";
    file.NAME = path;
    std::vector<std::string> aliases;
    for (int i = 0; i < 14; ++i) aliases.push_back(std::string(38, 'a') + std::to_string(10 + i));
    std::vector<std::string> trimmed;
    std::string all;
    for (const auto& line : FileHeadingLines(file, aliases)) {
        trimmed.push_back(Trimmed(line));
        EXPECT_LE(trimmed.back().size(), kPageColumns) << trimmed.back();
        all += trimmed.back() + "\n";
    }
    EXPECT_EQ(trimmed[0], Pad("Prefix: CUS", 48) + "Attributes: CREATE");
    EXPECT_EQ(trimmed[1], Pad("Driver: SQLITE", 60) + "RECLAIM");
    // The path runs on under its value, broken after a backslash; the next
    // attribute goes beside the first of its lines that leaves room.
    const std::size_t cut = path.rfind('\\') + 1;
    EXPECT_EQ(trimmed[2], "Path  : " + path.substr(0, cut));
    EXPECT_EQ(trimmed[3], Pad(std::string(8, ' ') + path.substr(cut), 60) + "THREAD");
    for (const std::string& alias : aliases) {
        EXPECT_NE(all.find(" " + alias + (alias == aliases.back() ? "" : ",")), std::string::npos)
            << alias;
    }
    for (const char* word : {"BINDABLE", "EXTERNAL"}) {
        EXPECT_NE(all.find(std::string(59, ' ') + word + "\n"), std::string::npos) << word;
    }
    EXPECT_LT(all.find("BINDABLE"), all.find("EXTERNAL"));
}

}  // namespace
}  // namespace printing
