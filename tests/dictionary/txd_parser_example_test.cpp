// The worked example export, line by line effects.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "dictionary/txd_parser.h"

namespace dictionary {
namespace {

constexpr std::string_view kPath = "C:\\DATA\\ORDERS.DCT";

std::string ReadFixture(const std::string& name) {
    const std::string path =
        std::string(KESTRIAN_SOURCE_DIR) + "/tests/dictionary/fixtures/" + name;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class WorkedExampleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        buffer_ = ReadFixture("worked_example.txd");
        ASSERT_FALSE(buffer_.empty()) << "fixture missing";
        ParseAll(model_, buffer_, kPath);
        ASSERT_NE(model_.FILE, nullptr);
        ASSERT_EQ(model_.FILE->size(), 1u);
    }
    const FileQueue& Customer() const { return model_.FILE->front(); }

    std::string buffer_;
    DictionaryModel model_;
};

TEST_F(WorkedExampleTest, HeaderKeepsQuotesAndJoinsTokensByOneBlank) {
    EXPECT_EQ(model_.VERSION, "'4.0'");
    EXPECT_EQ(model_.CREATED, "'1 JAN 1999' ' 9:00:00AM'");
    EXPECT_TRUE(model_.MODIFIED.IsNull());
    EXPECT_TRUE(model_.PASSWORD.IsNull());
}

TEST_F(WorkedExampleTest, DescriptionGetsTheDictionaryPathLine) {
    ASSERT_NE(model_.DESCRIPTION, nullptr);
    ASSERT_EQ(model_.DESCRIPTION->size(), 2u);
    EXPECT_EQ((*model_.DESCRIPTION)[0].TEXT, "Orders data");
    EXPECT_EQ((*model_.DESCRIPTION)[1].TEXT, "DCT Path: C:\\DATA\\ORDERS.DCT");
}

TEST_F(WorkedExampleTest, FileRowWithItsAnnotationObject) {
    const FileQueue& file = Customer();
    EXPECT_EQ(file.ID, 0);
    EXPECT_EQ(file.LABEL, "Customer");
    EXPECT_EQ(file.DRIVER, "'ASCII'");
    EXPECT_EQ(file.PREFIX, "CUS");
    EXPECT_TRUE(file.NAME.IsNull());
    EXPECT_TRUE(file.OWNER.IsNull());
    EXPECT_EQ(file.CREATE, 1);
    EXPECT_EQ(file.THREAD, 1);
    EXPECT_EQ(file.RECLAIM, 0);
    EXPECT_EQ(file.BINDABLE, 0);
    EXPECT_EQ(file.EXTERNAL, 0);
    EXPECT_EQ(file.ENCRYPT, 0);
    EXPECT_EQ(file.DLL, 0);
    EXPECT_EQ(file.OEM, 0);
    EXPECT_EQ(file.INDEX, nullptr);
    EXPECT_EQ(file.MEMO, nullptr);
    EXPECT_EQ(file.BLOB, nullptr);

    ASSERT_NE(file.TEXT, nullptr);
    const ObjectText& a = *file.TEXT;
    ASSERT_NE(a.Sections().LONGDESC, nullptr);
    ASSERT_EQ(a.Sections().LONGDESC->size(), 1u);
    EXPECT_EQ(a.Sections().LONGDESC->front().TEXT, "Customer master");
    EXPECT_EQ(a.Sections().QUICKCODE, nullptr);
    EXPECT_EQ(a.DEFINITION, "Customer                 FILE,DRIVER('ASCII'),PRE(CUS),CREATE,THREAD");
    EXPECT_EQ(a.KEYWORDS, "IDENT(1)");
}

TEST_F(WorkedExampleTest, KeyRowWithComponentsWithoutPrefix) {
    ASSERT_NE(Customer().KEY, nullptr);
    ASSERT_EQ(Customer().KEY->size(), 1u);
    const KeyQueue& key = Customer().KEY->front();
    EXPECT_EQ(key.LABEL, "KeyNo");
    EXPECT_TRUE(key.NAME.IsNull());
    EXPECT_EQ(key.NOCASE, 1);
    EXPECT_EQ(key.PRIMARY, 1);
    EXPECT_EQ(key.DUP, 0);
    EXPECT_EQ(key.OPT, 0);
    ASSERT_NE(key.FIELD, nullptr);
    ASSERT_EQ(key.FIELD->size(), 1u);
    EXPECT_EQ(key.FIELD->front().TEXT, "Number");
    ASSERT_NE(key.TEXT, nullptr);
    EXPECT_NE(key.TEXT.get(), Customer().TEXT.get());
    EXPECT_EQ(key.TEXT->KEYWORDS, "IDENT(2)");
    EXPECT_EQ(key.TEXT->Sections().LONGDESC, nullptr);
}

TEST_F(WorkedExampleTest, RecordLineKeptAsRead) {
    EXPECT_EQ(Customer().RECORD, "Record                     RECORD,PRE()");
}

TEST_F(WorkedExampleTest, FieldRowsInDeclarationOrderWithGroupEnd) {
    ASSERT_NE(Customer().FIELD, nullptr);
    const auto& fields = *Customer().FIELD;
    ASSERT_EQ(fields.size(), 4u);

    EXPECT_EQ(fields[0].LABEL, "Number");
    EXPECT_EQ(fields[0].TYPE, "LONG");
    EXPECT_TRUE(fields[0].SIZE.IsNull());
    EXPECT_TRUE(fields[0].DIM.IsNull());
    EXPECT_EQ(fields[0].PICTURE, "@n-14");
    EXPECT_EQ(fields[0].TEXT->KEYWORDS, "IDENT(3),PICTURE(@n-14)");

    EXPECT_EQ(fields[1].LABEL, "Addr");
    EXPECT_EQ(fields[1].TYPE, "GROUP");
    EXPECT_TRUE(fields[1].PICTURE.IsNull());
    EXPECT_EQ(fields[1].TEXT->KEYWORDS, "IDENT(4)");

    EXPECT_EQ(fields[2].LABEL, "Town");
    EXPECT_EQ(fields[2].TYPE, "STRING");
    EXPECT_EQ(fields[2].SIZE, "20");
    EXPECT_EQ(fields[2].DIM, "2");
    EXPECT_EQ(fields[2].TEXT->KEYWORDS, "IDENT(5)");

    const FieldQueue& end = fields[3];
    EXPECT_TRUE(end.LABEL.IsNull());
    EXPECT_EQ(end.TYPE, "END");
    EXPECT_TRUE(end.SIZE.IsNull());
    EXPECT_TRUE(end.DIM.IsNull());
    EXPECT_TRUE(end.PICTURE.IsNull());
    ASSERT_NE(end.TEXT, nullptr);
    EXPECT_EQ(end.TEXT->DEFINITION, "                             END");
    EXPECT_TRUE(end.TEXT->KEYWORDS.IsNull());
}

TEST_F(WorkedExampleTest, RelationRow) {
    ASSERT_NE(model_.RELATION, nullptr);
    ASSERT_EQ(model_.RELATION->size(), 1u);
    const RelationQueue& relation = model_.RELATION->front();
    EXPECT_EQ(relation.TYPE.view(), "1:MANY  ");
    EXPECT_EQ(relation.RIUPDATE, "CASCADE");
    EXPECT_TRUE(relation.RIDELETE.IsNull());
    EXPECT_EQ(relation.LEFTFILE, "Customer");
    EXPECT_EQ(relation.LEFTKEY, "CUS:KeyNo");
    EXPECT_EQ(relation.RIGHTFILE, "Orders");
    EXPECT_EQ(relation.RIGHTKEY, "ORD:KeyCust");
    ASSERT_NE(relation.LEFTFIELDS, nullptr);
    ASSERT_EQ(relation.LEFTFIELDS->size(), 1u);
    EXPECT_EQ(relation.LEFTFIELDS->front().LEFT, "CUS:Number");
    EXPECT_EQ(relation.LEFTFIELDS->front().RIGHT, "ORD:CustNo");
    EXPECT_EQ(relation.RIGHTFIELDS, nullptr);
}

TEST_F(WorkedExampleTest, NoOtherLists) {
    EXPECT_EQ(model_.ALIAS, nullptr);
    EXPECT_EQ(model_.VIEW, nullptr);
}

TEST(WorkedExampleSliceTest, SlicesGiveTheSameModelAndReportProgress) {
    const std::string buffer = ReadFixture("worked_example.txd");
    DictionaryModel model;
    TxdParser parser(model, buffer, std::string(kPath));
    std::vector<int> shown;
    int slices = 0;
    while (!parser.ParseLines(4, [&](int percent) { shown.push_back(percent); })) {
        ++slices;
        ASSERT_LT(slices, 100);
    }
    EXPECT_EQ(parser.LinesDone(), 30);
    EXPECT_TRUE(parser.Finished());
    EXPECT_TRUE(parser.ParseLines(200));
    ASSERT_FALSE(shown.empty());
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_GT(shown[i], shown[i - 1]);
    EXPECT_EQ(shown.back(), 100);
    EXPECT_EQ(parser.Percent(), 100);
    ASSERT_NE(model.FILE, nullptr);
    EXPECT_EQ(model.FILE->front().FIELD->size(), 4u);
    EXPECT_EQ(model.RELATION->front().LEFTKEY, "CUS:KeyNo");
}

}  // namespace
}  // namespace dictionary
