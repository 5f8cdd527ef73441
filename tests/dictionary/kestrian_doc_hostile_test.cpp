// kestrian-doc on inputs that are no export, or that once broke a command:
// every command ends with a message and exit code 2 (1 for a report with
// nothing to print), or reads them as an export; none ends by a signal or
// hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/tool_run.h"

#if defined(KESTRIAN_DOC_PATH) && defined(KESTRIAN_SOURCE_DIR)

namespace dictionary {
namespace {

using dict_test::TempFolder;
using dict_test::ToolRun;
using dict_test::WriteBytes;

constexpr const char* kCommands[] = {"model", "writeback", "lists", "report --format text",
                                     "report"};

ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    return dict_test::RunToolIn(KESTRIAN_DOC_PATH, folder, arguments);
}

void MakeSparse(const std::string& path, std::uintmax_t size) {
    { std::ofstream create(path, std::ios::binary); }
    std::filesystem::resize_file(path, size);
}

TEST(KestrianDocHostileTest, ASparseGigabyteIsRefusedAsNoExport) {
    TempFolder folder;
    MakeSparse(folder.File("SPARSE.TXD"), std::uintmax_t{1} << 30);
    for (const char* command : kCommands) {
        ToolRun run = RunTool(folder, std::string(command) + " SPARSE.TXD");
        EXPECT_EQ(run.exitCode, 2) << command << ": " << run.err;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_NE(run.err.find("SPARSE.TXD: it holds NUL bytes, so it is no dictionary export"),
                  std::string::npos)
            << command << ": " << run.err;
    }
}

TEST(KestrianDocHostileTest, ANulByteAfterTheFirstBlockIsRefusedToo) {
    TempFolder folder;
    std::string bytes = "[DICTIONARY]\r\nVERSION 1\r\n";
    bytes.append(100000, 'x');
    bytes.push_back('\0');
    bytes.append("\r\n");
    WriteBytes(folder.File("LATE.TXD"), bytes);
    ToolRun run = RunTool(folder, "model LATE.TXD");
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("no dictionary export"), std::string::npos) << run.err;
}

TEST(KestrianDocHostileTest, AFifoIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("PIPE.TXD").c_str(), 0600), 0);
    for (const char* command : kCommands) {
        // No writer ever opens the pipe: a read would wait for ever.
        ToolRun run = RunTool(folder, std::string(command) + " PIPE.TXD");
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_NE(run.err.find("PIPE.TXD: Error 5 (Access Denied)"), std::string::npos)
            << command << ": " << run.err;
    }
}

// Inputs made here, and every input the fuzz targets once crashed on.
std::vector<std::pair<std::string, std::string>> HostileExports() {
    std::vector<std::pair<std::string, std::string>> inputs = {
        {"empty", ""},
        {"only-blanks", std::string(70000, ' ')},
        {"one-long-line", "[FILES]\r\n" + std::string(300000, 'A') + " FILE,DRIVER('DOS')\r\n"},
        {"deep-brackets", "[FILES]\r\nF FILE," + std::string(50000, '(') + "\r\n"},
        {"open-quote", "[FILES]\r\nF FILE,NAME('" + std::string(50000, 'q') + "\r\n"},
        {"lone-carriage-returns", "[FILES]\rF FILE\rFIELD LONG\r"},
        {"repeated-headers",
         "[FILES]\n[FILES]\n[KEYS]\n[LONGDESC]\n[LONGDESC]\n!x\n[RELATIONS]\n"
         "[RELATIONS]\nRELATION\nRELATION\n[FILES]\nF FILE\n"},
        {"group-ends-without-group", "[FILES]\r\nF FILE\r\nEND\r\nEND\r\nEND\r\n"},
    };
    const std::filesystem::path found = std::filesystem::path(KESTRIAN_SOURCE_DIR) / "fuzz/corpus";
    for (const char* target : {"export", "model_views"}) {
        for (const auto& entry : std::filesystem::directory_iterator(found / target)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("crash-", 0) == 0 || name.rfind("timeout-", 0) == 0 ||
                name.rfind("slow-", 0) == 0) {
                inputs.emplace_back(name, dict_test::ReadBytes(entry.path().string()));
            }
        }
    }
    return inputs;
}

TEST(KestrianDocHostileTest, HostileExportsEndWithACodeNotASignal) {
    TempFolder folder;
    for (const auto& [name, bytes] : HostileExports()) {
        WriteBytes(folder.File("IN.TXD"), bytes);
        for (const char* command : kCommands) {
            ToolRun run = RunTool(folder, std::string(command) + " IN.TXD");
            // 1 is a report of no files.
            EXPECT_TRUE(run.exitCode >= 0 && run.exitCode <= 2)
                << name << ", " << command << ": exit " << run.exitCode << " " << run.err;
            if (run.exitCode != 0) {
                EXPECT_NE(run.err, "") << name << ", " << command;
            }
        }
    }
}

}  // namespace
}  // namespace dictionary

#endif
