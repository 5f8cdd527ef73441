// kestrian-doc on files in which no line is a section header (an empty file,
// a line of text): every command that reads an export refuses them before it
// writes anything.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#if defined(KESTRIAN_DOC_PATH) && defined(KESTRIAN_SAMPLES_DIR)

namespace dictionary {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::ToolRun;
using dict_test::WriteBytes;

struct NoExportFolder {
    TempFolder folder;
    NoExportFolder() {
        WriteBytes(folder.File("SAMPLE.TXD"),
                   ReadBytes(std::string(KESTRIAN_SAMPLES_DIR) + "/SAMPLE.TXD"));
        WriteBytes(folder.File("JUNK.TXD"), "hello\r\n");
        WriteBytes(folder.File("EMPTY.TXD"), "");
    }
    ToolRun Run(const std::string& arguments) const {
        return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
    }
};

// Every command that reads an export, with NAME where the export goes.
const std::vector<std::string> kCommands = {
    "model NAME",
    "writeback NAME -o OUT.TXD",
    "lists NAME",
    "report NAME -o OUT.PDF",
    "report NAME --format text",
    "docs NAME -o pages",
    "diagram NAME --format mermaid",
    "lint NAME",
    "diff NAME SAMPLE.TXD",
    "diff SAMPLE.TXD NAME",
    "diff /dev/null NAME",
};

std::string WithName(std::string command, const std::string& name) {
    command.replace(command.find("NAME"), 4, name);
    return command;
}

TEST(KestrianDocNoExportTest, EveryCommandRefusesAFileWithoutASectionHeader) {
    NoExportFolder inputs;
    for (const std::string name : {"JUNK.TXD", "EMPTY.TXD"}) {
        for (const std::string& command : kCommands) {
            const std::string arguments = WithName(command, name);
            const ToolRun run = inputs.Run(arguments);
            EXPECT_EQ(run.exitCode, 2) << arguments << ": " << run.err;
            EXPECT_EQ(run.out, "") << arguments;
            EXPECT_EQ(run.err,
                      "kestrian-doc: " + name + " is not a dictionary export (no section header)\n")
                << arguments;
        }
        for (const char* output : {"OUT.TXD", "OUT.PDF", "pages"})
            EXPECT_FALSE(std::filesystem::exists(inputs.folder.Path() / output)) << output;
    }
    // Git's side of a deleted file stays an empty dictionary.
    const ToolRun removed = inputs.Run("diff SAMPLE.TXD /dev/null");
    EXPECT_EQ(removed.exitCode, 1) << removed.err;
    EXPECT_TRUE(removed.out.starts_with("diff SAMPLE.TXD\n")) << removed.out;
    EXPECT_NE(removed.out.find("\n- Customer: FILE,"), std::string::npos) << removed.out;
}

TEST(KestrianDocNoExportTest, DocsCleanWithAFileWithoutASectionHeaderRemovesNothing) {
    NoExportFolder inputs;
    ASSERT_EQ(inputs.Run("docs SAMPLE.TXD -o pages --diagram none").exitCode, 0);
    std::vector<std::filesystem::path> pages;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(inputs.folder.Path() / "pages")) {
        pages.push_back(entry.path());
    }
    ASSERT_FALSE(pages.empty());
    for (const std::string name : {"JUNK.TXD", "EMPTY.TXD"}) {
        const ToolRun run = inputs.Run("docs " + name + " -o pages --diagram none --clean");
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(run.out, "");
        for (const auto& page : pages) EXPECT_TRUE(std::filesystem::exists(page)) << page;
    }
}

}  // namespace
}  // namespace dictionary

#endif
