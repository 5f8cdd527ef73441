// The program started in-process: the frame, its menu, the splash, About
// and Exit, driven through posted menu choices.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/layouts.h"
#include "framework/globals.h"
#include "runtime/core/program_title.h"
#include "runtime/program_threads.h"
#include "tests/e2e/program_harness.h"

namespace {

using e2e::ProgramHarness;
using e2e::WaitUntil;
namespace menu = app::frame_menu;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Frame, StartsWithItsMenuAndOnlyOpenOfTheDictionaryCommandsEnabled) {
    ProgramHarness harness;
    const int code = harness.Run([](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        EXPECT_EQ(frame.Title(), rt::kProgramTitle);
        EXPECT_EQ(std::string(rt::kProgramTitle).size(), 41u);
        EXPECT_EQ(frame.Text(menu::Open), "&Open...\tCtrl-O");
        EXPECT_EQ(frame.Text(menu::Close), "&Close\tCtrl-W");
        EXPECT_EQ(frame.Text(menu::Print), "&Print...\tCtrl-P");
        EXPECT_EQ(frame.Text(menu::PrintSetup), "P&rint Setup...");
        EXPECT_EQ(frame.Text(menu::Exit), "E&xit");
        EXPECT_EQ(frame.Text(menu::About), "&About...");
        EXPECT_TRUE(frame.IsEnabled(menu::Open));
        EXPECT_FALSE(frame.IsEnabled(menu::Close));
        EXPECT_FALSE(frame.IsEnabled(menu::Print));
        EXPECT_TRUE(frame.IsEnabled(menu::Tile));
        EXPECT_TRUE(WaitUntil([&] { return !frame.Status(3).empty(); }));
        EXPECT_NE(frame.Status(3).find(", "), std::string::npos);
        EXPECT_TRUE(frame.Status(4).find("AM") != std::string::npos ||
                    frame.Status(4).find("PM") != std::string::npos);
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(code, 0);
}

TEST(Frame, ExitSavesThePlacementAndTheNextStartRestoresIt) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        rt::WindowRef frame = h.WaitForFrame();
        frame.SetX(40);
        frame.SetY(30);
        frame.SetWidth(700);
        frame.SetHeight(500);
        EXPECT_TRUE(WaitUntil([&] { return frame.Width() == 700; }));
        h.Choose(menu::Exit);
    });
    const std::string ini = ReadFile(harness.SettingsFolder() / "kestrian.INI");
    EXPECT_NE(ini.find("[Main]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Maximize=No"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Width=700"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Height=500"), std::string::npos) << ini;
}

TEST(Frame, AMenuChoiceClosesTheSplash) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::Tile);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::Exit);
    });
}

rt::WindowRef FindWindow(const std::string& label) {
    for (const auto& info : rt::OpenWindows())
        if (info.label == label) return rt::WindowRef(info.id, info.thread);
    return {};
}

// One program run per click kind: the program's globals live for a process.
class SplashClick : public testing::TestWithParam<int> {};

TEST_P(SplashClick, ClosesTheSplashAndTheAboutBox) {
    const int click = GetParam();
    ProgramHarness harness;
    harness.Run([click](ProgramHarness& h) {
        h.WaitForFrame();
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        FindWindow("P1$WINDOW").Click(click);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::About);
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        FindWindow("P1$WINDOW").Click(click);
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::Exit);
    });
}

INSTANTIATE_TEST_SUITE_P(Frame, SplashClick,
                         testing::Values(rt::key::MouseLeft, rt::key::MouseRight,
                                         rt::key::MouseLeftDouble));

TEST(Frame, AboutOpensAnotherWindowOnANewThread) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        int splashThread = 0;
        for (const auto& info : rt::OpenWindows())
            if (info.label == "P1$WINDOW") splashThread = info.thread;
        h.Choose(menu::About);
        // The choice closes the splash; the About box stands on a thread of its own.
        EXPECT_TRUE(WaitUntil([&] {
            for (const auto& info : rt::OpenWindows())
                if (info.label == "P1$WINDOW" && info.thread != splashThread) return true;
            return false;
        }));
        EXPECT_EQ(framework::AboutRequested.load(), 1);
        EXPECT_TRUE(WaitUntil([&] { return h.CountWindows("P1$WINDOW") == 1; }));
        // A second About opens a second box.
        h.Choose(menu::About);
        EXPECT_TRUE(WaitUntil([&] { return h.CountWindows("P1$WINDOW") == 2; }));
        h.Choose(menu::Exit);
    });
    EXPECT_EQ(rt::LiveThreadCount(), 0);
}

TEST(Frame, TileWithoutADictionaryWindowDoesNothing) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::Tile);  // also closes the splash, as any menu choice does
        EXPECT_TRUE(WaitUntil([&] { return !h.WindowOpen("P1$WINDOW"); }));
        h.Choose(menu::Tile);
        h.Choose(menu::About);  // handled after the second Tile
        EXPECT_TRUE(WaitUntil([&] { return h.WindowOpen("P1$WINDOW"); }));
        EXPECT_EQ(framework::DisplayThread.load(), 0);
        EXPECT_EQ(rt::OpenWindows().size(), 2u);  // the frame and the About box
        EXPECT_TRUE(h.WaitForFrame().IsVisible());
        h.Choose(menu::Exit);
    });
}

TEST(Frame, IconizeAndRestoreSetAndClearFrameIconized) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        frame.Iconize();
        EXPECT_TRUE(WaitUntil([] { return framework::FrameIconized.load() == 1; }));
        frame.Restore();
        EXPECT_TRUE(WaitUntil([] { return framework::FrameIconized.load() == 0; }));
        h.Choose(menu::Exit);
    });
}

TEST(Frame, PrintSetupAsksForThePrinterSetupDialog) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::PrintSetup);
        EXPECT_TRUE(WaitUntil([&] { return h.Dialogs().PrinterSetupCount() == 1; }));
        h.Choose(menu::Exit);
    });
}

}  // namespace
