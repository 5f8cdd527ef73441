// Runs the built kestrian-doc lists on the bundled sample in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#if defined(KESTRIAN_DOC_PATH) && defined(KESTRIAN_SAMPLES_DIR)

namespace display {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::WriteBytes;

using dict_test::ToolRun;

ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
}

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

class KestrianDocListsTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.File("SAMPLE.TXD"), ReadBytes(KESTRIAN_SAMPLES_DIR "/SAMPLE.TXD"));
    }
    TempFolder folder;
};

TEST_F(KestrianDocListsTest, JsonOfTheFirstFile) {
    ToolRun run = RunTool(folder, "lists SAMPLE.TXD --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_TRUE(out.starts_with("{\n  \"HEADING\": \"SAMPLE.TXD    FILE: Customer\",\n")) << out;
    EXPECT_TRUE(Contains(out,
                         "    {\"NAME\": \"Customer\", \"PREFIX\": \"CUS\", \"DRIVER\": "
                         "\"DOS\", \"PATH\": \"'CUSTOMER.DAT'\", \"ATTRIBUTES\": "
                         "\"C,T,B\", \"ID\": 1, \"NB\": [15198183, 15198183, 15198183, "
                         "15198183, 15198183]},\n"))
        << out;
    EXPECT_TRUE(Contains(out,
                         "{\"NAME\": \"ShipTo\", \"PREFIX\": \"SHP\", \"DRIVER\": \"ALIAS\", "
                         "\"PATH\": \"Customer\", \"ATTRIBUTES\": \"\", \"ID\": 0, \"NB\": "
                         "[15198183, 15198183, 15198183, 15198183, 15198183]}\n  ],\n"))
        << out;
    // Memo first, then fields with the group's members indented.
    EXPECT_TRUE(
        Contains(out, "  \"FIELDS\": [\n    {\"NAME\": \"Notes\", \"TYPE\": \"MEMO(2000)\""))
        << out;
    EXPECT_TRUE(Contains(out,
                         "{\"NAME\": \"    Street\", \"TYPE\": \"    STRING(35),DIM(2)\", "
                         "\"PICTURE\": \"@s35\", \"VALID\": \"\", \"NB\": [-1, -1, -1, -1]}"))
        << out;
    EXPECT_TRUE(Contains(out,
                         "{\"NAME\": \"\", \"TYPE\": \"\", \"ATTRIBUTES\": \"\", \"FIELD\": "
                         "\"+FirstName\", \"NB\": [15198183, 15198183, 15198183, 15198183]}"))
        << out;
    EXPECT_TRUE(Contains(out,
                         "{\"FILE\": \"<->> Orders\", \"LEFTL\": \"Customer <-\", "
                         "\"LEFTR\": \"-> ORD:KeyCust\", \"RIGHTL\": \"Orders <-\", "
                         "\"RIGHTR\": \"-> CUS:KeyCustNo\", \"NB\": [12632256, 12632256, "
                         "12632256, 12632256, 12632256]}"))
        << out;
    EXPECT_TRUE(out.ends_with("]\n}\n"));
}

TEST_F(KestrianDocListsTest, SelectAnAliasAsText) {
    ToolRun run = RunTool(folder, "lists SAMPLE.TXD --select ShipTo");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("SAMPLE.TXD    ALIAS: ShipTo\n\nFiles (5)\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\nFile       Prefix  Driver  Name            Attributes\n"))
        << run.out;
    EXPECT_TRUE(Contains(run.out, "\nShipTo     SHP     ALIAS   Customer\n")) << run.out;
    // The aliased file's fields and keys; no relation names ShipTo.
    EXPECT_TRUE(Contains(run.out, "\nFields (10)\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\nRelations (0)\n")) << run.out;
}

TEST_F(KestrianDocListsTest, TextTablesAreUtf8AndAlignedByCharacter) {
    WriteBytes(folder.File("CAFE.TXD"),
               "[FILES]\r\n"
               "Caf\xE9  FILE,DRIVER('DOS'),PRE(C)\r\n"
               "Tea   FILE,DRIVER('DOS'),PRE(T)\r\n");
    ToolRun run = RunTool(folder, "lists CAFE.TXD");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("CAFE.TXD    FILE: Caf\xC3\xA9\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\nCaf\xC3\xA9  C       DOS\nTea   T       DOS\n")) << run.out;
}

TEST_F(KestrianDocListsTest, BadInputExitsWith2) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"lists NONE.TXD", "NONE.TXD"},
        {"lists SAMPLE.TXD --select Nobody", "Nobody"},
        {"lists SAMPLE.TXD --select", "--select"},
        {"lists", "missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ToolRun run = RunTool(folder, c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
}

}  // namespace
}  // namespace display

#endif
