// Reading back what a release wrote gives the model again.
#include <gtest/gtest.h>

#include <string>

#include "dictionary/export_file.h"
#include "dictionary/model_json.h"
#include "dictionary/release_model.h"
#include "dictionary/txd_parser.h"
#include "tests/dictionary/worked_example.h"
#include "tests/support/temp_folder.h"

namespace dictionary {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;

DictionaryModel Parse(std::string_view bytes, std::string_view dctPath) {
    DictionaryModel model;
    ParseAll(model, bytes, dctPath);
    return model;
}

// Releases the model into a temporary folder and parses the result with
// `dctPath` as the dictionary path.
DictionaryModel ReleaseAndReadBack(DictionaryModel& model, std::string_view dctPath) {
    TempFolder folder;
    ReleaseModelTo(model, folder.File("TEST.TXD"));
    ExportRead read = ReadExport(folder.File("TEST.TXD"));
    EXPECT_EQ(read.error, 0);
    return Parse(read.bytes, dctPath);
}

TEST(ReleaseReadBackTest, WorkedExampleComesBackWithTheNewDictionaryPath) {
    DictionaryModel model = Parse(dict_test::kWorkedExampleExport, "FIRST.TXD");
    ASSERT_EQ(ModelToJson(model), ModelToJson(dict_test::WorkedExampleModel("FIRST.TXD")));
    DictionaryModel back = ReleaseAndReadBack(model, "TEST.TXD");
    EXPECT_EQ(ModelToJson(back), ModelToJson(dict_test::WorkedExampleModel("TEST.TXD")));
    // Only one "DCT Path: " line: the old one was replaced.
    ASSERT_TRUE(back.DESCRIPTION);
    EXPECT_EQ(back.DESCRIPTION->size(), 2u);
}

TEST(ReleaseReadBackTest, SampleComesBackWhole) {
    ExportRead read = ReadExport(KESTRIAN_SAMPLES_DIR "/SAMPLE.TXD");
    ASSERT_EQ(read.error, 0);
    DictionaryModel model = Parse(read.bytes, "SAMPLE.TXD");
    std::string expected = ModelToJson(model);
    ASSERT_TRUE(model.FILE);
    ASSERT_TRUE(model.ALIAS);
    ASSERT_TRUE(model.RELATION);
    DictionaryModel back = ReleaseAndReadBack(model, "SAMPLE.TXD");
    EXPECT_EQ(ModelToJson(back), expected);
    // A second round gives the same export again.
    std::string first = ModelToJson(back);
    DictionaryModel again = ReleaseAndReadBack(back, "SAMPLE.TXD");
    EXPECT_EQ(ModelToJson(again), first);
}

TEST(ReleaseReadBackTest, AnnotationTokensAndHeaderBlanksComeBackNormalised) {
    std::string exportText =
        "[DICTIONARY]\r\n"
        "VERSION   '4.0'    'beta'\r\n"
        "[FILES]\r\n"
        "Item  FILE,PRE(ITM)\r\n"
        "!!> IDENT(1)  USAGE(FILE)\r\n"
        "                       END\r\n";
    DictionaryModel model = Parse(exportText, "X");
    DictionaryModel back = ReleaseAndReadBack(model, "X");
    EXPECT_EQ(back.VERSION, "'4.0' 'beta'");
    ASSERT_TRUE(back.FILE);
    ASSERT_EQ(back.FILE->size(), 1u);
    EXPECT_EQ(back.FILE->front().TEXT->KEYWORDS, "IDENT(1),USAGE(FILE)");
}

TEST(ReleaseReadBackTest, LinesLongerThan255CharactersComeBackCut) {
    std::string name(260, 'n');
    std::string fileLine = "Item  FILE,PRE(ITM),NAME('" + name + "'),CREATE";
    std::string exportText = "[DICTIONARY]\r\n[FILES]\r\n" + fileLine + "\r\n!!> IDENT(1)\r\n";
    DictionaryModel model = Parse(exportText, "X");
    ASSERT_TRUE(model.FILE);
    EXPECT_EQ(model.FILE->front().CREATE, 1);
    DictionaryModel back = ReleaseAndReadBack(model, "X");
    ASSERT_TRUE(back.FILE);
    const FileQueue& file = back.FILE->front();
    EXPECT_EQ(file.TEXT->DEFINITION, fileLine.substr(0, 255));
    EXPECT_EQ(file.LABEL, "Item");
    EXPECT_EQ(file.PREFIX, "ITM");
    // The attributes beyond the cut are lost.
    EXPECT_EQ(file.CREATE, 0);
}

TEST(ReleaseReadBackTest, RelationLabelOf25CharactersLosesItsFileKeyword) {
    std::string exportText =
        "[DICTIONARY]\r\n[RELATIONS]\r\n"
        "RELATION,1:MANY\r\n"
        "ExactlyTwentyFiveCharsLab  FILE(A:K)\r\n"
        "Short  RELATED_FILE(B:K)\r\n"
        "END\r\n";
    DictionaryModel model = Parse(exportText, "X");
    ASSERT_TRUE(model.RELATION);
    ASSERT_EQ(model.RELATION->front().LEFTFILE, "ExactlyTwentyFiveCharsLab");
    DictionaryModel back = ReleaseAndReadBack(model, "X");
    ASSERT_TRUE(back.RELATION);
    const RelationQueue& relation = back.RELATION->front();
    EXPECT_TRUE(relation.LEFTFILE.IsNull());
    EXPECT_TRUE(relation.LEFTKEY.IsNull());
    EXPECT_EQ(relation.RIGHTFILE, "Short");
    EXPECT_EQ(relation.RIGHTKEY, "B:K");
}

TEST(ReleaseReadBackTest, HeaderOnlyModel) {
    DictionaryModel model = Parse("[DICTIONARY]\r\nVERSION '4.0'\r\nPASSWORD 'x'\r\n", "X");
    TempFolder folder;
    ReleaseModelTo(model, folder.File("TEST.TXD"));
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")),
              "[DICTIONARY]\r\nVERSION '4.0'\r\nPASSWORD 'x'\r\n");
}

}  // namespace
}  // namespace dictionary
