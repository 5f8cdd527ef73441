// Runs the built kestrian-doc tool on exports in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#include "dictionary/model_json.h"
#include "dictionary/txd_parser.h"
#include "tests/dictionary/worked_example.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#ifdef KESTRIAN_DOC_PATH

namespace dictionary {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::WriteBytes;

using dict_test::ToolRun;

ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
}

// Each test works in a folder of its own that holds the worked example.
class KestrianDocTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.File("ORDERS.TXD"), dict_test::kWorkedExampleExport);
    }

    TempFolder folder;
};

TEST_F(KestrianDocTest, ModelPrintsTheJsonOfTheParsedExport) {
    ToolRun run = RunTool(folder, "model ORDERS.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ModelToJson(dict_test::WorkedExampleModel("ORDERS.TXD")));
}

TEST_F(KestrianDocTest, WritebackPrintsWhatReleasingWrites) {
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, dict_test::WorkedExampleWriteback("ORDERS.TXD"));
    // The tool never leaves a TEST.TXD behind.
    EXPECT_FALSE(std::filesystem::exists(folder.File("TEST.TXD")));
}

TEST_F(KestrianDocTest, WritebackIntoAFile) {
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD -o OUT.TXD");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(folder.File("OUT.TXD")), dict_test::WorkedExampleWriteback("ORDERS.TXD"));
}

TEST_F(KestrianDocTest, WritebackIntoAMissingFolderFails) {
    ToolRun run = RunTool(folder, "writeback ORDERS.TXD -o NONE/OUT.TXD");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("NONE/OUT.TXD"), std::string::npos) << run.err;
}

TEST_F(KestrianDocTest, WritebackOutputsThatAreNoPlainFile) {
    const std::string expected = dict_test::WorkedExampleWriteback("ORDERS.TXD");
    WriteBytes(folder.File("real.TXD"), "old");
    std::filesystem::create_symlink("real.TXD", folder.File("link.TXD"));
    ToolRun linked = RunTool(folder, "writeback ORDERS.TXD -o link.TXD");
    EXPECT_EQ(linked.exitCode, 0) << linked.err;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.TXD")));
    EXPECT_EQ(ReadBytes(folder.File("real.TXD")), expected);

    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    auto reader = std::async(std::launch::async, [&] { return ReadBytes(folder.File("pipe")); });
    ToolRun piped = RunTool(folder, "writeback ORDERS.TXD -o pipe");
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(reader.get(), expected);
    EXPECT_TRUE(std::filesystem::is_fifo(folder.File("pipe")));

    std::filesystem::create_directory(folder.File("DIR"));
    WriteBytes(folder.File("LOCKED.TXD"), "kept");
    ::chmod(folder.File("LOCKED.TXD").c_str(), 0444);
    const std::pair<const char*, const char*> refused[] = {
        {"DIR", "it is a folder"},
        {"NONE/OUT.TXD", "its folder does not exist"},
        {"LOCKED.TXD", "it is read-only"},
    };
    for (const auto& [out, reason] : refused) {
        ToolRun run = RunTool(folder, std::string("writeback ORDERS.TXD -o ") + out);
        EXPECT_EQ(run.exitCode, 1) << out;
        EXPECT_NE(run.err.find(std::string(out) + ": " + reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadBytes(folder.File("LOCKED.TXD")), "kept");
}

TEST_F(KestrianDocTest, AnExportLargerThanMemoryIsRefused) {
    { std::ofstream sparse(folder.File("HUGE.TXD"), std::ios::binary); }
    std::filesystem::resize_file(folder.File("HUGE.TXD"), std::uintmax_t{100} << 30);
    for (const char* command : {"model", "writeback"}) {
        ToolRun run = RunTool(folder, std::string(command) + " HUGE.TXD");
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_NE(run.err.find("HUGE.TXD: Error 8 (Insufficient Memory)"), std::string::npos)
            << run.err;
    }
}

TEST_F(KestrianDocTest, MissingExportIsReportedWithExitCode2) {
    for (const char* command : {"model", "writeback"}) {
        ToolRun run = RunTool(folder, std::string(command) + " MISSING.TXD");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("MISSING.TXD"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("File Not Found"), std::string::npos) << run.err;
    }
}

TEST_F(KestrianDocTest, BadUsageShowsTheUsageWithExitCode2) {
    WriteBytes(folder.File("A.TXD"), "");
    for (const char* arguments :
         {"", "nonsense A.TXD", "model", "model A.TXD extra", "writeback A.TXD -o",
          "writeback A.TXD -o ''", "writeback A.TXD -x B"}) {
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
}  // namespace dictionary

#endif  // KESTRIAN_DOC_PATH
