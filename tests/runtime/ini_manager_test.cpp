#include "runtime/ini_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scoped_settings.h"

namespace rt {
namespace {

using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteFile;

// A window that records what the settings object does to it.
class FakeWindow : public rt::PlacementTarget {
  public:
    bool iconized = false;
    bool maximized = false;
    bool resizable = true;
    int x = 10, y = 20, width = 300, height = 200;
    std::vector<std::string> calls;

    bool IsIconized() const override { return iconized; }
    bool IsMaximized() const override { return maximized; }
    bool HasResizableFrame() const override { return resizable; }
    int X() const override { return x; }
    int Y() const override { return y; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void SetX(int value) override { Record(x, value, "x="); }
    void SetY(int value) override { Record(y, value, "y="); }
    void SetWidth(int value) override { Record(width, value, "w="); }
    void SetHeight(int value) override { Record(height, value, "h="); }
    void SetMaximized(bool value) override {
        maximized = value;
        calls.push_back(value ? "max" : "normal");
    }

  private:
    void Record(int& field, int value, const char* what) {
        field = value;
        calls.push_back(what + std::to_string(value));
    }
};

class IniManagerTest : public ::testing::Test {
  protected:
    TempFolder temp;
    ScopedEnv xdg{"XDG_CONFIG_HOME", temp.Path()};
    std::string file = temp / "kestrian/KESTRIAN.INI";
    IniManager ini;

    void SetUp() override { ini.Init("kestrian.INI  "); }
};

TEST_F(IniManagerTest, InitKeepsNameWithoutTrailingBlanksCutAt259) {
    EXPECT_EQ(ini.FileName(), "kestrian.INI");
    IniManager other;
    other.Init(std::string(300, 'a'));
    EXPECT_EQ(other.FileName().size(), 259u);
}

TEST_F(IniManagerTest, UpdateAndFetchSingleValues) {
    EXPECT_EQ(ini.TryFetch("Defaults", "LastDictionaryUsed"), "");
    EXPECT_EQ(ini.Fetch("Defaults", "LastDictionaryUsed"), "---Unknown---");
    ini.Update("Defaults  ", "LastDictionaryUsed ", "C:\\APPS\\SHOP.DCT   ");
    EXPECT_EQ(ini.TryFetch("defaults", "lastdictionaryused"), "C:\\APPS\\SHOP.DCT");
    EXPECT_EQ(ini.Fetch("Defaults", "LastDictionaryUsed"), "C:\\APPS\\SHOP.DCT");
    // "kestrian.INI" and "KESTRIAN.INI" are one file.
    EXPECT_EQ(ReadFile(temp / "kestrian/kestrian.INI"),
              "[Defaults]\nLastDictionaryUsed=C:\\APPS\\SHOP.DCT\n");
}

TEST_F(IniManagerTest, ReadingCutsNamesAndValues) {
    const std::string name63(63, 'k');
    WriteFile(temp / "kestrian/kestrian.INI",
              "[" + name63 + "]\n" + name63 + "=" + std::string(1500, 'v') + "\n");
    EXPECT_EQ(ini.TryFetch(name63 + "extra", name63 + "more").size(), 1023u);
    EXPECT_EQ(ini.Fetch(name63, name63).size(), 999u);
}

TEST_F(IniManagerTest, UpdateWindowOfNormalWindowWritesAllInOrder) {
    FakeWindow window;
    ini.UpdateWindow("Main", window);
    EXPECT_EQ(ReadFile(temp / "kestrian/kestrian.INI"),
              "[Main]\nMaximize=No\nXPos=10\nYPos=20\nHeight=200\nWidth=300\n");
}

TEST_F(IniManagerTest, UpdateWindowOfMaximizedWindowWritesOnlyMaximize) {
    FakeWindow window;
    ini.UpdateWindow("Main", window);
    window.maximized = true;
    window.x = 0;
    window.width = 1024;
    ini.UpdateWindow("Main", window);
    EXPECT_EQ(ReadFile(temp / "kestrian/kestrian.INI"),
              "[Main]\nMaximize=Yes\nXPos=10\nYPos=20\nHeight=200\nWidth=300\n");
}

TEST_F(IniManagerTest, UpdateWindowOfIconizedWindowDoesNothing) {
    FakeWindow window;
    window.iconized = true;
    ini.UpdateWindow("Main", window);
    EXPECT_EQ(ini.TryFetch("Main", "Maximize"), "");
}

TEST_F(IniManagerTest, FetchWindowRestoresNormalPlacement) {
    WriteFile(file, "[Main]\nMaximize=No\nXPos=5\nYPos=-7\nHeight=480\nWidth=640\n");
    FakeWindow window;
    window.maximized = true;
    ini.FetchWindow("Main", window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"normal", "x=5", "y=-7", "w=640", "h=480"}));
}

TEST_F(IniManagerTest, FetchWindowMaximizesAfterPlacingTheNormalFrame) {
    WriteFile(file, "[Main]\nMaximize=Yes\nXPos=5\nYPos=6\nHeight=480\nWidth=640\n");
    FakeWindow window;
    ini.FetchWindow("Main", window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"x=5", "y=6", "w=640", "h=480", "max"}));
}

TEST_F(IniManagerTest, FetchWindowWithMissingOrOddMaximizeDoesNothing) {
    for (const char* content : {"[Main]\nXPos=5\nYPos=6\n", "[Main]\nMaximize=yes\nXPos=5\n",
                                "[Main]\nMaximize=\nXPos=5\n", "[Main]\nMaximize=1\nXPos=5\n"}) {
        WriteFile(file, content);
        FakeWindow window;
        window.maximized = true;
        ini.FetchWindow("Main", window);
        EXPECT_TRUE(window.calls.empty()) << content;
    }
}

TEST_F(IniManagerTest, FetchWindowWithoutXPosKeepsPositionAndSize) {
    WriteFile(file, "[Main]\nMaximize=Yes\nYPos=6\nWidth=640\n");
    FakeWindow window;
    ini.FetchWindow("Main", window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"max"}));
}

TEST_F(IniManagerTest, FetchWindowOnFixedFrameMovesOnly) {
    WriteFile(file, "[_PreviewWindow_]\nMaximize=Yes\nXPos=5\nYPos=6\nHeight=480\nWidth=640\n");
    FakeWindow window;
    window.resizable = false;
    ini.FetchWindow("_PreviewWindow_", window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"x=5", "y=6"}));

    WriteFile(file, "[_PreviewWindow_]\nMaximize=No\n");
    window.calls.clear();
    window.maximized = true;
    ini.FetchWindow("_PreviewWindow_", window);
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(IniManagerTest, FetchWindowSkipsValuesThatAreNotUsable) {
    WriteFile(file, "[Main]\nMaximize=No\nXPos=12.9\nYPos=abc\nWidth=0\nHeight=-5\n");
    FakeWindow window;
    ini.FetchWindow("Main", window);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"x=12"}));
    EXPECT_EQ(window.y, 20);
    EXPECT_EQ(window.width, 300);
    EXPECT_EQ(window.height, 200);
}

TEST_F(IniManagerTest, SavedPlacementRoundTrips) {
    FakeWindow saved;
    saved.x = 33, saved.y = 44, saved.width = 555, saved.height = 666;
    ini.UpdateWindow("Main", saved);
    FakeWindow restored;
    ini.FetchWindow("Main", restored);
    EXPECT_EQ(restored.x, 33);
    EXPECT_EQ(restored.y, 44);
    EXPECT_EQ(restored.width, 555);
    EXPECT_EQ(restored.height, 666);
    EXPECT_FALSE(restored.maximized);
}

TEST_F(IniManagerTest, WriteFailuresAreIgnored) {
    WriteFile(file, "[Main]\nMaximize=No\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    FakeWindow window;
    ini.UpdateWindow("Main", window);
    EXPECT_EQ(ReadFile(file), "[Main]\nMaximize=No\n");
}

}  // namespace
}  // namespace rt
