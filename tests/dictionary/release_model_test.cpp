#include "dictionary/release_model.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dictionary/writeback_file.h"
#include "tests/dictionary/worked_example.h"
#include "tests/support/temp_folder.h"

namespace dictionary {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;

// True when every text and list of the model is null.
bool IsFreed(const DictionaryModel& model) {
    return model.VERSION.IsNull() && model.CREATED.IsNull() && model.MODIFIED.IsNull() &&
           model.PASSWORD.IsNull() && !model.DESCRIPTION && !model.FILE && !model.VIEW &&
           !model.ALIAS && !model.RELATION;
}

std::string Release(DictionaryModel& model) {
    TempFolder folder;
    ReleaseModelTo(model, folder.File("TEST.TXD"));
    return ReadBytes(folder.File("TEST.TXD"));
}

TEST(ReleaseModelTest, WorkedExampleIsWrittenInExportOrder) {
    DictionaryModel model = dict_test::WorkedExampleModel("/data/ORDERS.DCT");
    EXPECT_EQ(Release(model), dict_test::WorkedExampleWriteback("/data/ORDERS.DCT"));
    EXPECT_TRUE(IsFreed(model));
}

TEST(ReleaseModelTest, EmptyModelWritesOnlyTheDictionaryHeader) {
    DictionaryModel model;
    EXPECT_EQ(Release(model), "[DICTIONARY]\r\n");
}

TEST(ReleaseModelTest, HeaderOnlyModelWritesTheHeaderLinesAndNothingElse) {
    DictionaryModel model;
    model.VERSION = "'4.0'";
    model.MODIFIED = "'2 FEB 2000' '10:00:00AM'";
    model.PASSWORD = "";
    EXPECT_EQ(Release(model),
              "[DICTIONARY]\r\nVERSION '4.0'\r\nMODIFIED '2 FEB 2000' '10:00:00AM'\r\n"
              "PASSWORD\r\n");
    EXPECT_TRUE(IsFreed(model));
}

TEST(ReleaseModelTest, FileWithoutKeysOrFieldsStillGetsTwoEndLines) {
    DictionaryModel model;
    FileQueue file;
    file.TEXT = dict_test::Annotation("Empty  FILE,DRIVER('DOS')", nullptr);
    file.LABEL = "Empty";
    Ensure(model.FILE).push_back(std::move(file));
    Ensure(model.FILE).push_back(FileQueue{});  // a row without any annotation
    EXPECT_EQ(Release(model),
              "[DICTIONARY]\r\n\r\n[FILES]\r\n\r\n"
              "Empty  FILE,DRIVER('DOS')\r\n"
              "                         END\r\n                       END\r\n\r\n"
              "                         END\r\n                       END\r\n\r\n");
}

TEST(ReleaseModelTest, KeysIndexesMemosAndBlobsPrecedeTheRecord) {
    DictionaryModel model;
    FileQueue file;
    file.RECORD = "  Record RECORD";
    Ensure(file.FIELD).push_back({});
    Ensure(file.FIELD).back().TEXT = dict_test::Annotation("F LONG", "F");
    Ensure(file.BLOB).push_back({});
    Ensure(file.BLOB).back().TEXT = dict_test::Annotation("B BLOB", "B");
    Ensure(file.MEMO).push_back({});
    Ensure(file.MEMO).back().TEXT = dict_test::Annotation("M MEMO(100)", "M");
    Ensure(file.INDEX).push_back({});
    Ensure(file.INDEX).back().TEXT = dict_test::Annotation("I INDEX(X)", "I");
    Ensure(file.INDEX).back().FIELD = dict_test::Lines({"X"});
    Ensure(file.KEY).push_back({});
    Ensure(file.KEY).back().TEXT = dict_test::Annotation("K KEY(X)", "K");
    file.TEXT = dict_test::Annotation("T FILE", "T");
    file.TEXT->EnsureSections().QUICKCODE = dict_test::Lines({"q"});
    file.TEXT->EnsureSections().REPORTCONTROL = dict_test::Lines({"r1", "r2"});
    file.TEXT->EnsureSections().SCREENCONTROL = dict_test::Lines({"s"});
    file.TEXT->EnsureSections().USEROPTION = dict_test::Lines({});
    file.TEXT->EnsureSections().LONGDESC = dict_test::Lines({"l"});
    Ensure(model.FILE).push_back(std::move(file));
    EXPECT_EQ(Release(model),
              "[DICTIONARY]\r\n\r\n[FILES]\r\n\r\n"
              "[LONGDESC]\r\n! l\r\n[QUICKCODE]\r\n! q\r\n[USEROPTION]\r\n"
              "[SCREENCONTROLS]\r\n! s\r\n[REPORTCONTROLS]\r\n! r1\r\n! r2\r\n"
              "T FILE\r\n!!> T\r\n"
              "K KEY(X)\r\n!!> K\r\nI INDEX(X)\r\n!!> I\r\nM MEMO(100)\r\n!!> M\r\n"
              "B BLOB\r\n!!> B\r\n  Record RECORD\r\nF LONG\r\n!!> F\r\n"
              "                         END\r\n                       END\r\n\r\n");
    EXPECT_TRUE(IsFreed(model));
}

TEST(ReleaseModelTest, AliasesAndViews) {
    DictionaryModel model;
    Ensure(model.VIEW).push_back({});
    Ensure(model.ALIAS).push_back({});
    Ensure(model.ALIAS).back().TEXT =
        dict_test::Annotation("Other  ALIAS(Customer),PRE(OTH)", "IDENT(9)");
    Ensure(model.ALIAS).back().LABEL = "Other";
    EXPECT_EQ(
        Release(model),
        "[DICTIONARY]\r\n[ALIASES]\r\n\r\nOther  ALIAS(Customer),PRE(OTH)\r\n!!> IDENT(9)\r\n");
    EXPECT_TRUE(IsFreed(model));
}

TEST(ReleaseModelTest, RelationLabelIsCutAt25Characters) {
    DictionaryModel model;
    RelationQueue relation;
    relation.TYPE = "MANY:1";
    relation.RIDELETE = "RESTRICT";
    relation.LEFTFILE = "ExactlyTwentyFiveCharsLab";
    relation.LEFTKEY = "A:K";
    relation.RIGHTFILE = "AFileLabelOfThirtyCharactersXY";
    Ensure(relation.RIGHTFIELDS).push_back({Text("A"), Text()});
    Ensure(model.RELATION).push_back(std::move(relation));
    Ensure(model.RELATION).push_back(RelationQueue{});
    EXPECT_EQ(Release(model),
              "[DICTIONARY]\r\n\r\n[RELATIONS]\r\n\r\n"
              "                       RELATION,MANY:1,DELETE(RESTRICT)\r\n"
              "ExactlyTwentyFiveCharsLabFILE(A:K)\r\n"
              "AFileLabelOfThirtyCharactRELATED_FILE()\r\n"
              "                         RELATED_FILE_TO_KEY\r\n"
              "                           FIELD(A,)\r\n"
              "                         END\r\n"
              "                       END\r\n\r\n"
              "                       RELATION,\r\n"
              "                       END\r\n\r\n");
}

TEST(ReleaseModelTest, LongLinesAreCutAt255Characters) {
    DictionaryModel model;
    model.VERSION = std::string(300, 'v');
    Ensure(model.DESCRIPTION).push_back({Text(std::string(260, 'd'))});
    EXPECT_EQ(Release(model), "[DICTIONARY]\r\nVERSION " + std::string(247, 'v') +
                                  "\r\n[DESCRIPTION]\r\n!" + std::string(254, 'd') + "\r\n");
}

TEST(ReleaseModelTest, DefaultNameIsTestTxdInTheCurrentDirectory) {
    TempFolder folder;
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    DictionaryModel model;
    model.VERSION = "'1'";
    ReleaseModel(model);
    std::filesystem::current_path(before);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), "[DICTIONARY]\r\nVERSION '1'\r\n");
    EXPECT_TRUE(IsFreed(model));
}

TEST(ReleaseModelTest, ReplacesAnOlderExport) {
    TempFolder folder;
    dict_test::WriteBytes(folder.File("TEST.TXD"), std::string(10000, 'x'));
    DictionaryModel model;
    ReleaseModelTo(model, folder.File("TEST.TXD"));
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), "[DICTIONARY]\r\n");
}

TEST(ReleaseModelFailureTest, MissingFolderLosesTheLinesButFreesTheModel) {
    TempFolder folder;
    DictionaryModel model = dict_test::WorkedExampleModel("X");
    ReleaseModelTo(model, folder.File("NONE/TEST.TXD"));
    EXPECT_TRUE(IsFreed(model));
    EXPECT_FALSE(std::filesystem::exists(folder.File("NONE")));
}

TEST(ReleaseModelFailureTest, ReadOnlyFolderLosesTheLinesButFreesTheModel) {
    TempFolder folder;
    ::chmod(folder.Path().c_str(), 0555);
    int freed = dict_test::WithPermissionsEnforced([&] {
        DictionaryModel model = dict_test::WorkedExampleModel("X");
        ReleaseModelTo(model, folder.File("TEST.TXD"));
        return IsFreed(model) ? 1 : 0;
    });
    if (freed < 0) GTEST_SKIP() << "permissions cannot be enforced here";
    EXPECT_EQ(freed, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(ReleaseModelFailureTest, FailingWritesStillFreeTheModel) {
    WritebackFile out;
    int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    ASSERT_EQ(out.Attach(fd), 0);
    DictionaryModel model = dict_test::WorkedExampleModel("X");
    for (int i = 0; i < 20000; ++i) {
        Ensure(model.DESCRIPTION).push_back({Text(std::string(100, 'd'))});
    }
    ReleaseModelInto(model, out);
    EXPECT_NE(out.Close(), 0);
    ::close(fd);
    EXPECT_TRUE(IsFreed(model));
}

}  // namespace
}  // namespace dictionary
