#include "runtime/core/file_ops.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/ide_stand_in.h"

namespace {

std::string Cwd() {
    return std::filesystem::current_path().string();
}

TEST(SetCurrentDirectory, EntersAnExistingFolderOnly) {
    testsupport::TempFolder folder;
    const std::string before = Cwd();
    ASSERT_TRUE(rt::SetCurrentDirectory(folder.Path()));
    EXPECT_EQ(std::filesystem::canonical(Cwd()), std::filesystem::canonical(folder.Path()));
    EXPECT_FALSE(rt::SetCurrentDirectory((folder / "missing")));
    EXPECT_FALSE(rt::SetCurrentDirectory(""));
    EXPECT_EQ(std::filesystem::canonical(Cwd()), std::filesystem::canonical(folder.Path()));
    ASSERT_TRUE(rt::SetCurrentDirectory(before));
}

TEST(RemoveFile, DeletesFilesButNotFolders) {
    testsupport::TempFolder folder;
    const std::string file = (folder / "Temp.TXD");
    testsupport::WriteFile(file, "x");
    EXPECT_TRUE(rt::RemoveFile(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(rt::RemoveFile(file));
    EXPECT_FALSE(rt::RemoveFile(""));
    std::filesystem::create_directory((folder / "sub"));
    EXPECT_FALSE(rt::RemoveFile((folder / "sub")));
    EXPECT_TRUE(std::filesystem::is_directory((folder / "sub")));
}

}  // namespace
