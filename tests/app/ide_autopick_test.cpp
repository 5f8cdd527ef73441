#include "app/ide_autopick.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "runtime/core/profile.h"
#include "tests/support/scoped_settings.h"

namespace {

class AutopickTest : public ::testing::Test {
  protected:
    std::string File() const { return root_ / "Velmora4/BIN/Velmora4.INI"; }
    std::string Autopick() const {
        return rt::GetProfileString("Environment", "autopick", "<none>", File());
    }

    testsupport::TempFolder root_;
    testsupport::ScopedEnv driveRoot_{"KESTRIAN_DRIVE_ROOT", root_.Path()};
};

TEST_F(AutopickTest, IsOffWhileSuspendedAndBackAfterwards) {
    testsupport::WriteFile(File(), "[Environment]\r\nautopick=on\r\nother=1\r\n");
    {
        app::AutopickSuspension suspension;  // the IDE's own name for its settings file
        EXPECT_EQ(suspension.SavedValue(), "on");
        EXPECT_TRUE(suspension.SwitchedOff());
        EXPECT_EQ(Autopick(), "off");
    }
    EXPECT_EQ(testsupport::ReadFile(File()), "[Environment]\r\nautopick=on\r\nother=1\r\n");
}

TEST_F(AutopickTest, RestoresOnceOnly) {
    testsupport::WriteFile(File(), "[Environment]\r\nautopick=on\r\n");
    app::AutopickSuspension suspension(File());
    EXPECT_TRUE(suspension.Restore());
    EXPECT_EQ(Autopick(), "on");
    rt::WriteProfileString("Environment", "autopick", "changed by the IDE", File());
    EXPECT_TRUE(suspension.Restore());
    EXPECT_EQ(Autopick(), "changed by the IDE");
}

TEST_F(AutopickTest, LongValuesComeBackWhole) {
    const std::string value = "C:\\Velmora4\\Projects\\Accounts Receivable\\AR.PRJ";
    testsupport::WriteFile(File(), "[Environment]\r\nautopick=" + value + "\r\n");
    { app::AutopickSuspension suspension; }
    EXPECT_EQ(Autopick(), value);
}

TEST_F(AutopickTest, MissingFileKeyOrValueIsLeftAlone) {
    {
        app::AutopickSuspension suspension;
        EXPECT_FALSE(suspension.SwitchedOff());
    }
    EXPECT_FALSE(std::filesystem::exists(File()));
    for (const std::string content :
         {"[Environment]\r\nother=1\r\n", "[Environment]\r\nautopick=  \r\n",
          "[Other]\r\nautopick=on\r\n"}) {
        testsupport::WriteFile(File(), content);
        { app::AutopickSuspension suspension; }
        EXPECT_EQ(testsupport::ReadFile(File()), content);
    }
}

TEST_F(AutopickTest, ReadOnlySettingsAreNotTouched) {
    testsupport::WriteFile(File(), "[Environment]\r\nautopick=on\r\n");
    ASSERT_EQ(chmod(File().c_str(), 0444), 0);
    {
        app::AutopickSuspension suspension;
        EXPECT_EQ(suspension.SavedValue(), "on");
        EXPECT_FALSE(suspension.SwitchedOff());
        EXPECT_EQ(Autopick(), "on");
    }
    EXPECT_EQ(testsupport::ReadFile(File()), "[Environment]\r\nautopick=on\r\n");
    struct stat info {};
    ASSERT_EQ(stat(File().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
}

}  // namespace
