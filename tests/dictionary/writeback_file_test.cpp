#include "dictionary/writeback_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "runtime/core/error_state.h"
#include "tests/support/temp_folder.h"

namespace dictionary {
namespace {

using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::WriteBytes;

TEST(WritebackFileTest, LinesEndInCarriageReturnLineFeedWithoutTrailingBlanks) {
    TempFolder folder;
    WritebackFile file;
    ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
    EXPECT_EQ(file.Add("[DICTIONARY]"), 0);
    EXPECT_EQ(file.Add("VERSION '4.0'   "), 0);
    EXPECT_EQ(file.Add("     "), 0);
    EXPECT_EQ(file.Add(""), 0);
    EXPECT_EQ(file.Add("  indented\t "), 0);
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")),
              "[DICTIONARY]\r\nVERSION '4.0'\r\n\r\n\r\n  indented\t\r\n");
}

TEST(WritebackFileTest, LongValueIsCutAt255Characters) {
    TempFolder folder;
    WritebackFile file;
    ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
    std::string value(254, 'a');
    value += "bcdef";
    file.Add(value);
    // Blanks that end up at the end of the cut record are dropped too.
    file.Add(std::string(250, 'x') + "     yz");
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")),
              std::string(254, 'a') + "b\r\n" + std::string(250, 'x') + "\r\n");
}

TEST(WritebackFileTest, EmbeddedLineEndsGiveExtraLines) {
    TempFolder folder;
    WritebackFile file;
    ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
    file.Add("\r\n[FILES]\r\n");
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), "\r\n[FILES]\r\n\r\n");
}

TEST(WritebackFileTest, CreateReplacesAnOldFileOnlyWhenClosed) {
    TempFolder folder;
    WriteBytes(folder.File("TEST.TXD"), "old contents, much longer than the new ones\r\n");
    WritebackFile file;
    ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
    file.Add("new");
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")),
              "old contents, much longer than the new ones\r\n");
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), "new\r\n");
    // No temporary is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WritebackFileTest, AbandonedFileLeavesTheOldOneAndNoTemporary) {
    TempFolder folder;
    WriteBytes(folder.File("TEST.TXD"), "old\r\n");
    {
        WritebackFile file;
        ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
        file.Add("new");
    }
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WritebackFileTest, ManyLinesArriveInOrder) {
    TempFolder folder;
    WritebackFile file;
    ASSERT_EQ(file.Create(folder.File("TEST.TXD")), 0);
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        std::string line = "line " + std::to_string(i) + std::string(i % 40, '-');
        file.Add(line);
        expected += line + "\r\n";
    }
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(folder.File("TEST.TXD")), expected);
}

TEST(WritebackFileFailureTest, ReadOnlyFolderCannotBeCreated) {
    TempFolder folder;
    ::chmod(folder.Path().c_str(), 0555);
    int result = dict_test::WithPermissionsEnforced([&] {
        WritebackFile file;
        int created = file.Create(folder.File("TEST.TXD"));
        bool text = rt::ErrorText() == "Access Denied";
        int added = file.Add("x");
        int closed = file.Close();
        return created == 5 && text && added == 5 && closed == 5 ? 1 : 0;
    });
    if (result < 0) GTEST_SKIP() << "permissions cannot be enforced here";
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("TEST.TXD")));
}

TEST(WritebackFileFailureTest, MissingFolderIsPathNotFound) {
    TempFolder folder;
    WritebackFile file;
    EXPECT_EQ(file.Create(folder.File("NONE/TEST.TXD")), 3);
    EXPECT_EQ(file.Add("x"), 5);
}

TEST(WritebackFileFailureTest, FailedWriteReportsAccessDenied) {
    int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    WritebackFile file;
    ASSERT_EQ(file.Attach(fd), 0);
    // Enough lines to force the buffer out before the close.
    int code = 0;
    for (int i = 0; i < 100000 && code == 0; ++i) code = file.Add(std::string(200, 'x'));
    EXPECT_EQ(code, 5);
    EXPECT_EQ(rt::ErrorCode(), 5);
    EXPECT_EQ(file.Add("more"), 5);
    EXPECT_EQ(file.Close(), 5);
    ::close(fd);
}

TEST(WritebackFileFailureTest, FolderInTheWayIsRefusedAndLeftAlone) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("TEST.TXD"));
    std::filesystem::create_directory(folder.File("TEST.TXD/inner"));
    WritebackFile file;
    EXPECT_EQ(file.Create(folder.File("TEST.TXD")), 5);
    EXPECT_EQ(file.FailureReason(), "it is a folder");
    EXPECT_EQ(file.Add("x"), 5);
    EXPECT_EQ(file.Close(), 5);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("TEST.TXD/inner")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WritebackFileTest, AttachedDescriptorStaysOpen) {
    TempFolder folder;
    int fd = ::open(folder.File("OUT").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    {
        WritebackFile file;
        ASSERT_EQ(file.Attach(fd), 0);
        file.Add("a  ");
        ASSERT_EQ(file.Close(), 0);
    }
    EXPECT_EQ(::write(fd, "b", 1), 1);
    ::close(fd);
    EXPECT_EQ(ReadBytes(folder.File("OUT")), "a\r\nb");
}

}  // namespace
}  // namespace dictionary
