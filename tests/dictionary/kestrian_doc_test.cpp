// Runs the built kestrian-doc tool on exports in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "dictionary/model_json.h"
#include "dictionary/txd_parser.h"
#include "tests/dictionary/temp_folder.h"
#include "tests/dictionary/worked_example.h"

#ifdef KESTRIAN_DOC_PATH

namespace dict {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::WriteBytes;

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the tool with `arguments` (already quoted for the shell) in `folder`.
ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    std::string command = "cd '" + folder.Path().string() + "' && '" KESTRIAN_DOC_PATH "' " +
                          arguments + " >'" + folder.File("stdout") + "' 2>'" +
                          folder.File("stderr") + "'";
    int status = std::system(command.c_str());
    ToolRun run;
    if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = ReadBytes(folder.File("stdout"));
    run.err = ReadBytes(folder.File("stderr"));
    return run;
}

TEST(KestrianDocTest, ModelPrintsTheJsonOfTheParsedExport) {
    TempFolder folder;
    WriteBytes(folder.File("ORDERS.TXD"), dict_test::kWorkedExampleExport);
    ToolRun run = RunTool(folder, "model ORDERS.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ModelToJson(dict_test::WorkedExampleModel("ORDERS.TXD")));
}

TEST(KestrianDocTest, WritebackPrintsWhatReleasingWrites) {
    TempFolder folder;
    WriteBytes(folder.File("ORDERS.TXD"), dict_test::kWorkedExampleExport);
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, dict_test::WorkedExampleWriteback("ORDERS.TXD"));
    // The tool never leaves a TEST.TXD behind.
    EXPECT_FALSE(std::filesystem::exists(folder.File("TEST.TXD")));
}

TEST(KestrianDocTest, WritebackIntoAFile) {
    TempFolder folder;
    WriteBytes(folder.File("ORDERS.TXD"), dict_test::kWorkedExampleExport);
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD -o OUT.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(folder.File("OUT.TXD")), dict_test::WorkedExampleWriteback("ORDERS.TXD"));
}

TEST(KestrianDocTest, WritebackIntoAMissingFolderFails) {
    TempFolder folder;
    WriteBytes(folder.File("ORDERS.TXD"), dict_test::kWorkedExampleExport);
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD -o NONE/OUT.TXD");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("NONE/OUT.TXD"), std::string::npos) << run.err;
}

TEST(KestrianDocTest, MissingExportIsReportedWithExitCode2) {
    TempFolder folder;
    for (const char* command : {"model", "writeback"}) {
        ToolRun run = RunTool(folder, std::string(command) + " MISSING.TXD");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("MISSING.TXD"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("File Not Found"), std::string::npos) << run.err;
    }
}

TEST(KestrianDocTest, FolderAsExportIsAccessDenied) {
    TempFolder folder;
    ToolRun run = RunTool(folder, "model .");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Access Denied"), std::string::npos) << run.err;
}

TEST(KestrianDocTest, BadUsageShowsTheUsageWithExitCode2) {
    TempFolder folder;
    WriteBytes(folder.File("A.TXD"), "");
    for (const char* arguments : {"", "nonsense A.TXD", "model", "model A.TXD extra",
                                  "writeback A.TXD -o", "writeback A.TXD -x B"}) {
        ToolRun run = RunTool(folder, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("usage: kestrian-doc"), std::string::npos) << arguments;
    }
    ToolRun help = RunTool(folder, "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("writeback FILE.TXD [-o OUT]"), std::string::npos);
}

}  // namespace
}  // namespace dict

#endif  // KESTRIAN_DOC_PATH
