#include "runtime/core/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <thread>
#include <vector>

#include "tests/support/scoped_settings.h"

namespace rt {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteFile;

class ProfileTest : public ::testing::Test {
  protected:
    TempFolder temp;
    ScopedEnv xdg{"XDG_CONFIG_HOME", temp / "config"};
    ScopedEnv drive{"KESTRIAN_DRIVE_ROOT", temp / "drive"};
    std::string settings = temp / "config/kestrian";
};

TEST_F(ProfileTest, MissingFileGivesDefaultAndFirstWriteCreatesSettingsFolder) {
    EXPECT_EQ(GetProfileString("Defaults", "LastDictionaryUsed", "none", "KESTRIAN.INI"), "none");
    EXPECT_FALSE(fs::exists(settings));
    ASSERT_TRUE(WriteProfileString("Defaults", "LastDictionaryUsed", "/a/b.TXD", "KESTRIAN.INI"));
    EXPECT_EQ(ReadFile(settings + "/KESTRIAN.INI"), "[Defaults]\nLastDictionaryUsed=/a/b.TXD\n");
    EXPECT_EQ(GetProfileString("defaults", "lastdictionaryused", "", "KESTRIAN.INI"), "/a/b.TXD");
}

TEST_F(ProfileTest, BareNamesDifferingInCaseAreOneFile) {
    ASSERT_TRUE(WriteProfileString("Main", "XPos", "10", "kestrian.INI"));
    ASSERT_TRUE(WriteProfileString("DisplayDictionary", "VSplit", "142", "KESTRIAN.INI"));
    EXPECT_EQ(GetProfileString("main", "xpos", "", "KESTRIAN.ini"), "10");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(settings)) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"kestrian.INI"});
    EXPECT_EQ(ProfilePath("KESTRIAN.INI"), settings + "/kestrian.INI");
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineByteForByte) {
    const std::string original =
        "; KESTRIAN settings\r\n[Main]\r\nMaximize=No\r\nXPos=5\r\n\r\n"
        "[Other]  ; note\r\nweird line\r\nk = v \r\n";
    WriteFile(settings + "/KESTRIAN.INI", original);
    ASSERT_TRUE(WriteProfileString("MAIN", "xpos", "77", "KESTRIAN.INI"));
    EXPECT_EQ(ReadFile(settings + "/KESTRIAN.INI"),
              "; KESTRIAN settings\r\n[Main]\r\nMaximize=No\r\nXPos=77\r\n\r\n"
              "[Other]  ; note\r\nweird line\r\nk = v \r\n");
    ASSERT_TRUE(WriteProfileString("Main", "YPos", "3", "KESTRIAN.INI"));
    ASSERT_TRUE(WriteProfileString("New", "a", "b", "KESTRIAN.INI"));
    EXPECT_EQ(ReadFile(settings + "/KESTRIAN.INI"),
              "; KESTRIAN settings\r\n[Main]\r\nMaximize=No\r\nXPos=77\r\nYPos=3\r\n\r\n"
              "[Other]  ; note\r\nweird line\r\nk = v \r\n[New]\r\na=b\r\n");
    EXPECT_EQ(GetProfileString("other", "K", "", "KESTRIAN.INI"), "v");
}

TEST_F(ProfileTest, WindowsPathsLiveUnderTheDriveRoot) {
    WriteFile(temp / "drive/VELMORA4/bin/velmora4.ini", "[Environment]\nautopick=on\n");
    EXPECT_EQ(GetProfileString("Environment", "autopick", "", "\\Velmora4\\BIN\\Velmora4.INI"),
              "on");
    ASSERT_TRUE(
        WriteProfileString("Environment", "autopick", "off", "\\Velmora4\\BIN\\Velmora4.INI"));
    EXPECT_EQ(ReadFile(temp / "drive/VELMORA4/bin/velmora4.ini"), "[Environment]\nautopick=off\n");
    // Windows does not create folders for a profile file, and neither do we.
    EXPECT_FALSE(WriteProfileString("S", "k", "v", "\\NoSuchFolder\\x.INI"));
    EXPECT_FALSE(fs::exists(temp / "drive/NoSuchFolder"));
}

TEST_F(ProfileTest, ReadOnlyFileOrFolderIsRefusedAndLeftUntouched) {
    const std::string file = temp / "ro/file.ini";
    WriteFile(file, "[S]\nk=old\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(WriteProfileString("S", "k", "new", file));
    EXPECT_EQ(ReadFile(file), "[S]\nk=old\n");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(temp / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteProfileString("S", "k", "new", file));
    EXPECT_FALSE(WriteProfileString("S", "k", "new", temp / "ro/other.ini"));
    fs::permissions(temp / "ro", fs::perms::owner_all);
    EXPECT_EQ(ReadFile(file), "[S]\nk=old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp / "ro"), fs::directory_iterator()), 1);
}

TEST_F(ProfileTest, FileThatIsAFolderOrBadNamesFailQuietly) {
    fs::create_directories(temp / "dir.ini");
    EXPECT_EQ(GetProfileString("S", "k", "dflt", temp / "dir.ini"), "dflt");
    EXPECT_FALSE(WriteProfileString("S", "k", "v", temp / "dir.ini"));
    EXPECT_FALSE(WriteProfileString("S", "k", "two\nlines", temp / "f.ini"));
    EXPECT_FALSE(WriteProfileString("S", "k=1", "v", temp / "f.ini"));
    EXPECT_FALSE(WriteProfileString("S", "k", "v", ""));
    EXPECT_EQ(GetProfileString("S", "k", "dflt", ""), "dflt");
    EXPECT_FALSE(fs::exists(temp / "f.ini"));
}

TEST_F(ProfileTest, KeepsPermissionsAndWritesThroughSymbolicLinks) {
    const std::string real = temp / "real.ini";
    WriteFile(real, "[S]\nk=1\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, temp / "link.ini");
    ASSERT_TRUE(WriteProfileString("S", "k", "2", temp / "link.ini"));
    EXPECT_TRUE(fs::is_symlink(temp / "link.ini"));
    EXPECT_EQ(ReadFile(real), "[S]\nk=2\n");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ProfileTest, WritesFromSeveralThreadsAreAllKept) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 10; ++i) {
                WriteProfileString("T" + std::to_string(t), "k" + std::to_string(i),
                                   std::to_string(i), "KESTRIAN.INI");
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(GetProfileString("T" + std::to_string(t), "k" + std::to_string(i), "",
                                       "KESTRIAN.INI"),
                      std::to_string(i));
        }
    }
}

TEST_F(ProfileTest, GetProfileIntReadsLeadingDecimalNumber) {
    WriteFile(settings + "/WIN.INI", "[intl]\niTime=1\niTLzero= -7x\nbad=abc\nblank=\n");
    EXPECT_EQ(GetProfileInt("intl", "iTime", 0, "win.ini"), 1);
    EXPECT_EQ(GetProfileInt("intl", "iTLzero", 1, "WIN.INI"), -7);
    EXPECT_EQ(GetProfileInt("intl", "bad", 5, "WIN.INI"), 0);
    EXPECT_EQ(GetProfileInt("intl", "blank", 5, "WIN.INI"), 5);
    EXPECT_EQ(GetProfileInt("intl", "missing", 5, "WIN.INI"), 5);
}

}  // namespace
}  // namespace rt
