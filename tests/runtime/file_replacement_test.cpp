// Writing new contents to whatever stands at a path: links, devices and
// pipes, folders, read-only files, long names. Everything happens inside a
// temporary folder of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <future>
#include <string>

#include "runtime/core/safe_file.h"
#include "tests/support/temp_folder.h"

namespace rt {
namespace {

namespace fs = std::filesystem;
using dict_test::ReadBytes;
using dict_test::TempFolder;
using dict_test::WriteBytes;

// Nothing but the expected names is left in the folder: no temporary.
std::size_t Entries(const TempFolder& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator{}));
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(FileReplacement, PlainFilesNewAndOldAreReplacedWhole) {
    TempFolder folder;
    EXPECT_TRUE(ReplaceFileContents(folder.File("NEW.TXD"), "first"));
    EXPECT_EQ(ReadBytes(folder.File("NEW.TXD")), "first");
    ::chmod(folder.File("NEW.TXD").c_str(), 0640);
    EXPECT_TRUE(ReplaceFileContents(folder.File("NEW.TXD"), "second"));
    EXPECT_EQ(ReadBytes(folder.File("NEW.TXD")), "second");
    EXPECT_EQ(ModeOf(folder.File("NEW.TXD")), 0640u);
    EXPECT_EQ(Entries(folder), 1u);
}

// Scratch files are new files, private to the user; an existing name or a
// missing folder is refused and nothing is left behind.
TEST(FileReplacement, ScratchFilesAreNewAndPrivate) {
    TempFolder folder;
    EXPECT_TRUE(WriteScratchFile(folder.File("page-1.pic"), "picture"));
    EXPECT_EQ(ReadBytes(folder.File("page-1.pic")), "picture");
    EXPECT_EQ(ModeOf(folder.File("page-1.pic")), 0600u);
    EXPECT_FALSE(WriteScratchFile(folder.File("page-1.pic"), "again"));
    EXPECT_EQ(ReadBytes(folder.File("page-1.pic")), "picture");
    EXPECT_FALSE(WriteScratchFile(folder.File("missing/page-2.pic"), "x"));
    EXPECT_EQ(Entries(folder), 1u);
}

TEST(FileReplacement, AbandonedContentsLeaveTheOldFileAndNoTemporary) {
    TempFolder folder;
    WriteBytes(folder.File("A.TXD"), "old");
    {
        FileReplacement file;
        ASSERT_TRUE(file.Open(folder.File("A.TXD")));
        ASSERT_TRUE(file.Write("half of the new"));
        EXPECT_EQ(Entries(folder), 2u);
    }
    EXPECT_EQ(ReadBytes(folder.File("A.TXD")), "old");
    EXPECT_EQ(Entries(folder), 1u);
}

TEST(FileReplacement, LinksStayAndTheirTargetsGetTheContents) {
    TempFolder folder;
    WriteBytes(folder.File("real.TXD"), "old");
    ::chmod(folder.File("real.TXD").c_str(), 0604);
    fs::create_symlink("real.TXD", folder.File("link1"));
    fs::create_symlink(folder.File("link1"), folder.File("link2"));  // a chain
    fs::create_symlink("missing.TXD", folder.File("dangling"));

    EXPECT_TRUE(ReplaceFileContents(folder.File("link2"), "through the chain"));
    EXPECT_TRUE(fs::is_symlink(folder.File("link1")));
    EXPECT_TRUE(fs::is_symlink(folder.File("link2")));
    EXPECT_EQ(ReadBytes(folder.File("real.TXD")), "through the chain");
    EXPECT_EQ(ModeOf(folder.File("real.TXD")), 0604u);

    EXPECT_TRUE(ReplaceFileContents(folder.File("dangling"), "created"));
    EXPECT_TRUE(fs::is_symlink(folder.File("dangling")));
    EXPECT_EQ(ReadBytes(folder.File("missing.TXD")), "created");
    EXPECT_EQ(Entries(folder), 5u);
}

TEST(FileReplacement, APipeIsWrittenInPlaceNeverRenamedOver) {
    TempFolder folder;
    const std::string pipe = folder.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // The reader stands for a device: whatever it is given, it keeps being.
    auto reader = std::async(std::launch::async, [&] { return ReadBytes(pipe); });
    EXPECT_TRUE(ReplaceFileContents(pipe, "into the pipe"));
    EXPECT_EQ(reader.get(), "into the pipe");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Entries(folder), 1u);
}

// The program's own files are plain files or nothing: a pipe no one reads
// or a device is refused at once, where a path the user named takes them.
TEST(FileReplacement, OwnFilesAreNeverAPipeOrADevice) {
    TempFolder folder;
    const std::string pipe = folder.File("TEST.TXD");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, std::string("/dev/null")}) {
        FileReplacement file;
        EXPECT_FALSE(file.Open(path, WriteTarget::Own)) << path;
        EXPECT_EQ(file.Reason(), "it is not a plain file") << path;
    }
    EXPECT_FALSE(ReplaceFileContents(pipe, "x", WriteTarget::Own));
    EXPECT_TRUE(ReplaceFileContents("/dev/null", "x", WriteTarget::Named));
    EXPECT_TRUE(ReplaceFileContents(folder.File("plain.INI"), "x", WriteTarget::Own));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Entries(folder), 2u);
}

TEST(FileReplacement, WhatCannotBeWrittenIsRefusedAndLeftAlone) {
    TempFolder folder;
    fs::create_directory(folder.File("folder"));
    WriteBytes(folder.File("readonly.TXD"), "kept");
    ::chmod(folder.File("readonly.TXD").c_str(), 0444);
    struct Case {
        std::string path;
        int error;
        std::string reason;
    };
    const Case cases[] = {
        {folder.File("folder"), EISDIR, "it is a folder"},
        {folder.File("none/X.TXD"), ENOENT, "its folder does not exist"},
        {folder.File("readonly.TXD/X.TXD"), ENOENT, "its folder does not exist"},
        {folder.File("readonly.TXD"), EACCES, "it is read-only"},
        {"", ENOENT, "no path was given"},
    };
    for (const Case& c : cases) {
        FileReplacement file;
        EXPECT_FALSE(file.Open(c.path)) << c.path;
        EXPECT_EQ(file.ErrorNumber(), c.error) << c.path;
        EXPECT_EQ(file.Reason(), c.reason) << c.path;
        EXPECT_FALSE(file.Commit());
    }
    EXPECT_TRUE(fs::is_directory(folder.File("folder")));
    EXPECT_EQ(ReadBytes(folder.File("readonly.TXD")), "kept");
    EXPECT_EQ(ModeOf(folder.File("readonly.TXD")), 0444u);
    EXPECT_EQ(Entries(folder), 2u);
}

TEST(FileReplacement, TheLongestNamesStillGetATemporary) {
    TempFolder folder;
    for (std::size_t length : {245u, 255u}) {
        const std::string path = folder.File(std::string(length - 4, 'N') + ".TXD");
        EXPECT_TRUE(ReplaceFileContents(path, "long")) << length;
        EXPECT_TRUE(ReplaceFileContents(path, "longer")) << length;
        EXPECT_EQ(ReadBytes(path), "longer");
    }
    EXPECT_EQ(Entries(folder), 2u);
}

TEST(FileReplacement, ProfileTargetsAreCheckedThroughLinks) {
    TempFolder folder;
    fs::create_symlink("missing.INI", folder.File("dangling.INI"));
    fs::create_directory(folder.File("folder.INI"));
    EXPECT_EQ(CheckTarget(folder.File("dangling.INI")), TargetState::Missing);
    EXPECT_EQ(CheckTarget(folder.File("folder.INI")), TargetState::Unusable);
    EXPECT_EQ(CheckTarget(folder.File("none.INI")), TargetState::Missing);
}

}  // namespace
}  // namespace rt

namespace rt {
namespace {

// Many files in groups flushed together: all written, and a failure part way
// stops there, with the files before it replaced and the rest left alone.
TEST(ReplaceFiles, GroupsOfFilesAreReplacedInOrderAndAFailureStopsThere) {
    TempFolder folder;
    fs::create_directory(folder.Path() / "pages");
    std::vector<std::string> names;
    for (int i = 0; i < 120; ++i)
        names.push_back(folder.File("pages/p" + std::to_string(i) + ".md"));
    std::vector<std::string> contents;
    for (const std::string& name : names) contents.push_back("new " + name);
    std::vector<NewContents> files;
    for (std::size_t i = 0; i < names.size(); ++i) files.push_back({names[i], contents[i]});
    WriteBytes(names[7], "old");
    std::string failed;
    std::string reason;
    ASSERT_TRUE(ReplaceFiles(files, failed, reason)) << failed << ": " << reason;
    for (const std::string& name : names) EXPECT_EQ(ReadBytes(name), "new " + name);
    EXPECT_EQ(static_cast<std::size_t>(std::distance(
                  fs::directory_iterator(folder.Path() / "pages"), fs::directory_iterator{})),
              names.size());

    // The 70th names a folder: the first group (48 files) is in place, the
    // second is not, and no temporary is left anywhere.
    fs::create_directory(folder.File("pages/dir.md"));
    files[69].path = folder.File("pages/dir.md");
    for (NewContents& file : files) file.content = "third";
    EXPECT_FALSE(ReplaceFiles(files, failed, reason));
    EXPECT_EQ(failed, folder.File("pages/dir.md"));
    EXPECT_EQ(reason, "it is a folder");
    EXPECT_EQ(ReadBytes(names[0]), "third");
    EXPECT_EQ(ReadBytes(names[47]), "third");
    EXPECT_EQ(ReadBytes(names[48]), "new " + names[48]);
    EXPECT_EQ(ReadBytes(names[119]), "new " + names[119]);
    for (const auto& entry : fs::directory_iterator(folder.Path() / "pages"))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".kestrian-")) << entry.path();
}

}  // namespace
}  // namespace rt
