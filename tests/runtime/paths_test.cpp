#include "runtime/core/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scoped_settings.h"

namespace rt {
namespace {

using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteFile;

TEST(SettingsFolderTest, FollowsXdgConfigHomeElseHome) {
    TempFolder temp;
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", temp.Path() + "/");
        EXPECT_EQ(SettingsFolder(), temp.Path() + "/kestrian");
    }
    ScopedEnv home("HOME", temp.Path());
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(SettingsFolder(), temp.Path() + "/.config/kestrian");
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(SettingsFolder(), temp.Path() + "/.config/kestrian");
}

TEST(ResolveDrivePathTest, PlacesRootedPathsUnderDriveRoot) {
    TempFolder temp;
    ScopedEnv root("KESTRIAN_DRIVE_ROOT", temp.Path() + "/");
    EXPECT_EQ(DriveRoot(), temp.Path());
    EXPECT_EQ(ResolveDrivePath("\\Velmora4\\BIN\\Velmora4.INI"),
              temp.Path() + "/Velmora4/BIN/Velmora4.INI");
    EXPECT_EQ(ResolveDrivePath("C:\\x\\y.txt"), temp.Path() + "/x/y.txt");
    EXPECT_EQ(ResolveDrivePath(""), "");
}

TEST(ResolveDrivePathTest, FindsExistingComponentsWhateverTheirCase) {
    TempFolder temp;
    ScopedEnv root("KESTRIAN_DRIVE_ROOT", temp.Path());
    WriteFile(temp / "velmora4/Bin/VELMORA4.ini", "x");
    EXPECT_EQ(ResolveDrivePath("\\Velmora4\\BIN\\Velmora4.INI"),
              temp.Path() + "/velmora4/Bin/VELMORA4.ini");
    // Below the first missing component the rest is kept as given.
    EXPECT_EQ(ResolveDrivePath("\\VELMORA4\\Missing\\Velmora4.INI"),
              temp.Path() + "/velmora4/Missing/Velmora4.INI");
}

TEST(ResolveDrivePathTest, PrefersExactSpellingAndUsesSlashRootByDefault) {
    TempFolder temp;
    WriteFile(temp / "Data/a.txt", "1");
    WriteFile(temp / "data/a.txt", "2");
    EXPECT_EQ(MatchPathCase(temp / "data/A.TXT"), temp.Path() + "/data/a.txt");
    EXPECT_EQ(MatchPathCase(temp / "DATA/A.TXT"), temp.Path() + "/Data/a.txt");
    ScopedEnv root("KESTRIAN_DRIVE_ROOT", std::nullopt);
    EXPECT_EQ(DriveRoot(), "/");
    EXPECT_EQ(ResolveDrivePath(temp.Path() + "/DATA/a.txt"), temp.Path() + "/Data/a.txt");
}

TEST(ShortPathNameTest, IsThePathWhenItExistsElseBlank) {
    TempFolder temp;
    WriteFile(temp / "long folder name/file.txt", "x");
    EXPECT_EQ(ShortPathName(temp / "long folder name"), temp / "long folder name");
    EXPECT_EQ(ShortPathName(temp / "missing"), "");
    EXPECT_EQ(ShortPathName(""), "");
    EXPECT_EQ(CurrentDirectory(), std::filesystem::current_path().string());
}

}  // namespace
}  // namespace rt
