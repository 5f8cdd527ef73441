#include "dictionary/export_load.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/core/error_state.h"
#include "tests/support/temp_folder.h"

namespace dictionary {
namespace {

using dict_test::TempFolder;
using dict_test::WriteBytes;

// An export of three blocks with a file in it.
const std::string kExport = "[DICTIONARY]\r\nVERSION 1\r\n" +
                            std::string(2 * kExportBlockSize, ' ') +
                            "\r\n[FILES]\r\nCustomer FILE,DRIVER('DOS'),PRE(CUS)\r\n";

TEST(ExportLoadTest, CheckRefusesWhatIsNoExportWithItsFault) {
    struct Case {
        const char* name;
        std::string bytes;
        int error;
        ExportFault fault;
    };
    const std::vector<Case> cases = {
        {"an export", kExport, 0, ExportFault::None},
        {"empty", "", kInvalidDataFile, ExportFault::NoSectionHeader},
        {"a NUL byte far in", kExport + '\0', kInvalidDataFile, ExportFault::HoldsNul},
        {"NUL bytes and a header", std::string(3, '\0') + "\r\n[FILES]\r\n", kInvalidDataFile,
         ExportFault::HoldsNul},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        WriteBytes(folder.File("IN.TXD"), c.bytes);
        for (bool keep : {false, true}) {
            ExportLoad load(folder.File("IN.TXD"));
            EXPECT_EQ(load.Check(keep), c.error) << c.name;
            EXPECT_EQ(rt::ErrorCode(), c.error) << c.name;
            EXPECT_EQ(load.Fault(), c.fault) << c.name;
        }
    }
    EXPECT_EQ(ExportLoad(folder.File("NONE.TXD")).Check(false), kFileNotFound);
}

TEST(ExportLoadTest, TheModelGetsTheExportsBytesWhetherCheckKeptThemOrNot) {
    TempFolder folder;
    WriteBytes(folder.File("IN.TXD"), kExport);
    for (bool keep : {false, true}) {
        ExportLoad load(folder.File("IN.TXD"));
        ASSERT_EQ(load.Check(keep), 0);
        ASSERT_EQ(load.Read(), 0);
        DictionaryModel model;
        EXPECT_EQ(load.GiveTo(model), kExport) << keep;
    }
}

}  // namespace
}  // namespace dictionary
