#include "runtime/core/ide_settings.h"

#include <gtest/gtest.h>

#include "runtime/core/profile.h"
#include "tests/support/scoped_settings.h"

namespace {

TEST(IdeSettings, LiveUnderTheCurrentDrivesRootWhateverTheirLetterCase) {
    testsupport::TempFolder root;
    testsupport::ScopedEnv driveRoot("KESTRIAN_DRIVE_ROOT", root.Path());
    EXPECT_EQ(rt::IdeSettingsPath(), root / "Velmora4/BIN/Velmora4.INI");
    testsupport::WriteFile(root / "velmora4/bin/VELMORA4.ini", "[Environment]\nautopick=on\n");
    EXPECT_EQ(rt::IdeSettingsPath(), root / "velmora4/bin/VELMORA4.ini");
    EXPECT_EQ(rt::GetProfileString("Environment", "autopick", "", rt::kIdeSettingsFile), "on");
}

}  // namespace
