#include "dictionary/export_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "runtime/core/error_state.h"
#include "tests/support/temp_folder.h"

namespace dictionary {
namespace {

using dict_test::TempFolder;
using dict_test::WriteBytes;

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

TEST(ExportFileTest, EmptyFileGivesEmptyBufferAndEndOfFileAtOnce) {
    TempFolder folder;
    WriteBytes(folder.File("EMPTY.TXD"), "");
    ExportFile file(folder.File("EMPTY.TXD"));
    ASSERT_EQ(file.Open(), 0);
    EXPECT_EQ(file.Size(), 0);
    file.SetToStart();
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.Next(), kRecordNotAvailable);
    EXPECT_EQ(rt::ErrorCode(), kRecordNotAvailable);
    EXPECT_EQ(file.BlockBytes(), 0);

    ExportRead read = ReadExport(folder.File("EMPTY.TXD"));
    EXPECT_EQ(read.error, 0);
    EXPECT_TRUE(read.bytes.empty());
}

TEST(ExportFileTest, ExactlyOneBlockIsReadInOneNext) {
    TempFolder folder;
    std::string bytes = Pattern(kExportBlockSize);
    WriteBytes(folder.File("ONE.TXD"), bytes);
    ExportFile file(folder.File("ONE.TXD"));
    ASSERT_EQ(file.Open(), 0);
    EXPECT_EQ(file.Size(), 65535);
    EXPECT_EQ(file.BlockPosition(), 0);
    file.SetToStart();
    ASSERT_EQ(file.Next(), 0);
    EXPECT_EQ(file.BlockPosition(), 1);
    EXPECT_EQ(file.BlockBytes(), 65535);
    EXPECT_EQ(file.Block(), bytes);
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(ReadExport(folder.File("ONE.TXD")).bytes, bytes);
}

TEST(ExportFileTest, OneByteMoreThanABlockTakesTwoReads) {
    TempFolder folder;
    std::string bytes = Pattern(kExportBlockSize + 1);
    WriteBytes(folder.File("TWO.TXD"), bytes);
    ExportFile file(folder.File("TWO.TXD"));
    ASSERT_EQ(file.Open(), 0);
    file.SetToStart();
    ASSERT_EQ(file.Next(), 0);
    EXPECT_EQ(file.BlockBytes(), 65535);
    EXPECT_FALSE(file.Eof());
    ASSERT_EQ(file.Next(), 0);
    EXPECT_EQ(file.BlockPosition(), 65536);
    EXPECT_EQ(file.BlockBytes(), 1);
    EXPECT_EQ(file.Block(), bytes.substr(65535));
    // The rest of the record is blanks, not the previous block's bytes.
    EXPECT_EQ(file.Line().size(), kExportBlockSize);
    EXPECT_EQ(file.Line().find_first_not_of(' ', 1), std::string_view::npos);
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(ReadExport(folder.File("TWO.TXD")).bytes, bytes);
}

TEST(ExportFileTest, SetToStartReadsAgainFromTheFirstByte) {
    TempFolder folder;
    WriteBytes(folder.File("A.TXD"), "abc");
    ExportFile file(folder.File("A.TXD"));
    ASSERT_EQ(file.Open(), 0);
    ASSERT_EQ(file.Next(), 0);
    file.SetToStart();
    EXPECT_FALSE(file.Eof());
    ASSERT_EQ(file.Next(), 0);
    EXPECT_EQ(file.Block(), "abc");
}

TEST(ExportFileTest, BytesReachTheBufferUnchanged) {
    TempFolder folder;
    std::string bytes = "[DICTIONARY]\r\nA\rB\nC\t\x80\xff\0D\r\n\x1a";
    bytes += std::string("\0\x1a", 2);
    WriteBytes(folder.File("RAW.TXD"), bytes);
    ExportRead read = ReadExport(folder.File("RAW.TXD"));
    ASSERT_EQ(read.error, 0);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(read.bytes.back(), '\x1a');
}

TEST(ExportFileTest, LargeFileIsReadWhole) {
    TempFolder folder;
    std::string bytes = Pattern(5 * kExportBlockSize + 12345);
    WriteBytes(folder.File("BIG.TXD"), bytes);
    EXPECT_EQ(ReadExport(folder.File("BIG.TXD")).bytes, bytes);
}

TEST(ExportFileOpenErrorTest, MissingFileIsFileNotFound) {
    TempFolder folder;
    ExportRead read = ReadExport(folder.File("NONE.TXD"));
    EXPECT_EQ(read.error, 2);
    EXPECT_EQ(rt::ErrorCode(), 2);
    EXPECT_EQ(rt::ErrorText(), "File Not Found");
    EXPECT_TRUE(read.bytes.empty());
}

TEST(ExportFileOpenErrorTest, MissingFolderIsPathNotFound) {
    TempFolder folder;
    EXPECT_EQ(ReadExport(folder.File("NOFOLDER/X.TXD")).error, 3);
    EXPECT_EQ(rt::ErrorText(), "Path Not Found");
    WriteBytes(folder.File("PLAIN"), "x");
    EXPECT_EQ(ReadExport(folder.File("PLAIN/X.TXD")).error, 3);
}

TEST(ExportFileOpenErrorTest, FolderIsAccessDenied) {
    TempFolder folder;
    EXPECT_EQ(ReadExport(folder.Path().string()).error, 5);
    EXPECT_EQ(rt::ErrorText(), "Access Denied");
}

TEST(ExportFileOpenErrorTest, UnreadableFileIsAccessDenied) {
    TempFolder folder;
    ::chmod(folder.Path().c_str(), 0755);
    WriteBytes(folder.File("LOCKED.TXD"), "x");
    ::chmod(folder.File("LOCKED.TXD").c_str(), 0);
    int code = dict_test::WithPermissionsEnforced(
        [&] { return ReadExport(folder.File("LOCKED.TXD")).error; });
    if (code < 0) GTEST_SKIP() << "permissions cannot be enforced here";
    EXPECT_EQ(code, 5);
}

TEST(ExportFileOpenErrorTest, PipeIsRefusedWithoutBlocking) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("PIPE.TXD").c_str(), 0600), 0);
    EXPECT_EQ(ReadExport(folder.File("PIPE.TXD")).error, 5);
}

TEST(ExportFileOpenErrorTest, ErrnoMapping) {
    EXPECT_EQ(OpenErrorCode(EMFILE, "x"), 4);
    EXPECT_EQ(OpenErrorCode(ENFILE, "x"), 4);
    EXPECT_EQ(OpenErrorCode(EACCES, "x"), 5);
    EXPECT_EQ(OpenErrorCode(EPERM, "x"), 5);
    EXPECT_EQ(OpenErrorCode(EISDIR, "x"), 5);
    EXPECT_EQ(OpenErrorCode(ENOTDIR, "x"), 3);
    EXPECT_EQ(OpenErrorCode(ENOENT, "x"), 2);
    EXPECT_EQ(OpenErrorCode(ENOENT, "/no/such/folder/x"), 3);
}

TEST(ExportFileOpenErrorTest, SuccessfulOpenClearsTheError) {
    TempFolder folder;
    WriteBytes(folder.File("A.TXD"), "a");
    ReadExport(folder.File("NONE.TXD"));
    ASSERT_EQ(rt::ErrorCode(), 2);
    ExportFile file(folder.File("A.TXD"));
    EXPECT_EQ(file.Open(), 0);
    EXPECT_EQ(rt::ErrorCode(), 0);
}

}  // namespace
}  // namespace dictionary
