#include "app/ide_menu_registration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "runtime/core/paths.h"
#include "tests/support/scoped_settings.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteFile;

// Runs the test from another current directory and goes back afterwards.
class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const fs::path& folder) : old_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~ScopedCurrentDirectory() {
        std::error_code ec;
        fs::current_path(old_, ec);
    }

  private:
    fs::path old_;
};

class RegisterIdeMenuTest : public ::testing::Test {
  protected:
    TempFolder temp;
    ScopedEnv drive{"KESTRIAN_DRIVE_ROOT", temp / "drive"};
    std::string ini = temp / "drive/Velmora4/BIN/Velmora4.INI";

    std::string Kest() const { return rt::CurrentDirectory() + "\\KESTRIAN %a"; }
};

TEST_F(RegisterIdeMenuTest, NoSettingsFileWritesNothing) {
    RegisterIdeMenu();
    EXPECT_FALSE(fs::exists(temp / "drive"));
    fs::create_directories(temp / "drive/Velmora4/BIN");
    RegisterIdeMenu();
    EXPECT_FALSE(fs::exists(ini));
}

TEST_F(RegisterIdeMenuTest, NoOrBlankAutopickWritesNothing) {
    for (const char* content : {"[Environment]\r\nother=1\r\n", "[Environment]\r\nautopick=   \r\n",
                                "[User Menus]\r\nautopick=on\r\n"}) {
        WriteFile(ini, content);
        RegisterIdeMenu();
        EXPECT_EQ(ReadFile(ini), content);
    }
}

TEST_F(RegisterIdeMenuTest, EntryIsAddedAfterEntriesOneToThree) {
    WriteFile(ini,
              "[Environment]\nautopick=on\n[User Menus]\n1=&Tools/&One|ONE\n2=&Tools/&Two|TWO\n"
              "3=&Tools/&Three|THREE\n");
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini),
              "[Environment]\nautopick=on\n[User Menus]\n1=&Tools/&One|ONE\n2=&Tools/&Two|TWO\n"
              "3=&Tools/&Three|THREE\n4=&Utilities/&Kestrian|KEST\n[User Applications]\nKEST=" +
                  Kest() + "\n");
}

TEST_F(RegisterIdeMenuTest, ExistingEntryIsKeptAndOnlyApplicationRewritten) {
    const std::string before =
        "[Environment]\nautopick=1\n[User Applications]\nKEST=C:\\OLD\\KESTRIAN %a\n"
        "[User Menus]\n1=a|A\n2=b|B\n3=c|C\n4=&Utilities/&Kestrian|KEST\n";
    WriteFile(ini, before);
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini),
              "[Environment]\nautopick=1\n[User Applications]\nKEST=" + Kest() +
                  "\n[User Menus]\n1=a|A\n2=b|B\n3=c|C\n4=&Utilities/&Kestrian|KEST\n");
    // A second start changes nothing more.
    const std::string after = ReadFile(ini);
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini), after);
}

TEST_F(RegisterIdeMenuTest, GapStopsTheScanEvenBeforeOwnEntry) {
    WriteFile(
        ini,
        "[Environment]\nautopick=on\n[User Menus]\n1=a|A\n2=b|B\n4=&Utilities/&Kestrian|KEST\n");
    RegisterIdeMenu();
    EXPECT_EQ(
        ReadFile(ini),
        "[Environment]\nautopick=on\n[User Menus]\n1=a|A\n2=b|B\n4=&Utilities/&Kestrian|KEST\n"
        "3=&Utilities/&Kestrian|KEST\n[User Applications]\nKEST=" +
            Kest() + "\n");
}

TEST_F(RegisterIdeMenuTest, EmptyEntryCountsAsTheEnd) {
    WriteFile(ini, "[Environment]\nautopick=on\n[User Menus]\n1=a|A\n2=\n");
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini),
              "[Environment]\nautopick=on\n[User Menus]\n1=a|A\n2=&Utilities/&Kestrian|KEST\n"
              "[User Applications]\nKEST=" +
                  Kest() + "\n");
}

TEST_F(RegisterIdeMenuTest, DifferentlyWrittenEntryCountsAsAnother) {
    WriteFile(ini,
              "[Environment]\nautopick=on\n[User Menus]\n1=&utilities/&kestrian|KEST\n"
              "2=Utilities/Kestrian|KEST\n");
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini),
              "[Environment]\nautopick=on\n[User Menus]\n1=&utilities/&kestrian|KEST\n"
              "2=Utilities/Kestrian|KEST\n3=&Utilities/&Kestrian|KEST\n[User Applications]\nKEST=" +
                  Kest() + "\n");
}

TEST_F(RegisterIdeMenuTest, OtherSectionsAndCommentsSurviveByteForByte) {
    WriteFile(temp / "drive/VELMORA4/bin/velmora4.ini",
              "; Velmora settings\r\n[Environment]\r\nAutoPick = yes \r\nColor=7\r\n\r\n"
              "[user menus]\r\n1=a|A\r\n\r\n; applications below\r\n[Editor]\r\nTabs=4\r\n"
              "[USER APPLICATIONS]\r\nZED=z.exe\r\n");
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(temp / "drive/VELMORA4/bin/velmora4.ini"),
              "; Velmora settings\r\n[Environment]\r\nAutoPick = yes \r\nColor=7\r\n\r\n"
              "[user menus]\r\n1=a|A\r\n2=&Utilities/&Kestrian|KEST\r\n\r\n; applications below\r\n"
              "[Editor]\r\nTabs=4\r\n[USER APPLICATIONS]\r\nZED=z.exe\r\nKEST=" +
                  Kest() + "\r\n");
    EXPECT_EQ(fs::directory_iterator(temp / "drive")->path().filename(), "VELMORA4");
}

TEST_F(RegisterIdeMenuTest, ReadOnlySettingsFileIsLeftAlone) {
    const std::string before = "[Environment]\nautopick=on\n[User Menus]\n1=a|A\n";
    WriteFile(ini, before);
    fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read);
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp / "drive/Velmora4/BIN"),
                            fs::directory_iterator()),
              1);
}

TEST_F(RegisterIdeMenuTest, ApplicationEntryFollowsTheCurrentDirectory) {
    fs::create_directories(temp / "Long Folder Name");
    ScopedCurrentDirectory cwd(temp / "Long Folder Name");
    WriteFile(ini, "[Environment]\nautopick=on\n");
    RegisterIdeMenu();
    EXPECT_EQ(ReadFile(ini), "[Environment]\nautopick=on\n[User Applications]\nKEST=" +
                                 fs::current_path().string() +
                                 "\\KESTRIAN %a\n[User Menus]\n1=&Utilities/&Kestrian|KEST\n");
}

}  // namespace
}  // namespace app
