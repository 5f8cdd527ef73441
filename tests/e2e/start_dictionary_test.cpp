// kestrian FILE.TXD: the dictionary named on the command line opens at start.
#include <gtest/gtest.h>

#include <fstream>

#include "app/dictionary_acquisition.h"
#include "app/layouts.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "runtime/core/profile.h"
#include "runtime/program_threads.h"
#include "tests/e2e/program_harness.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;

TEST(StartDictionary, TheNamedExportOpensInTheDictionaryWindowWithoutTheDialog) {
    ProgramHarness harness;
    std::string remembered;
    harness.Run(
        [&](ProgramHarness& h) {
            h.WaitForFrame();
            rt::WindowRef window;
            ASSERT_TRUE(WaitUntil([&] {
                for (const rt::OpenWindowInfo& info : rt::OpenWindows())
                    if (info.label == display::kDictionaryWindowLabel)
                        window = rt::WindowRef(info.id, info.thread);
                // Built and shown: the first file chosen and named in the heading.
                return !window.IsNull() && window.ListRowCount(display::kFilesList) == 5 &&
                       window.ListSelection(display::kFilesList) == 1 &&
                       window.Text(display::kHeadingText).find("FILE: Customer") !=
                           std::string::npos;
            }));
            EXPECT_GT(window.ListRowCount(display::kFieldsList), 0);
            EXPECT_EQ(framework::DictionaryPath.Get(), SamplePath().string());
            EXPECT_TRUE(h.Dialogs().OpenFileRequests().empty());
            remembered = rt::GetProfileString(app::kDefaultsSection, app::kLastDictionaryKey, "",
                                              app::kProgramSettingsFile);
            h.Choose(app::frame_menu::Exit);
        },
        SamplePath().string());
    // Remembered for the next File > Open, as a choice in the dialog is.
    EXPECT_EQ(remembered, SamplePath().string());
}

TEST(StartDictionary, AMissingFileIsReportedAsFileOpenReportsItAndTheFrameStaysEmpty) {
    ProgramHarness harness;
    harness.Run(
        [&](ProgramHarness& h) {
            const rt::WindowRef frame = h.WaitForFrame();
            ASSERT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(20)));
            EXPECT_NE(h.Dialogs().Messages().front().text.find("MISSING.TXD"), std::string::npos);
            EXPECT_EQ(framework::Model(), nullptr);
            EXPECT_FALSE(frame.IsEnabled(app::frame_menu::Close));
            h.Choose(app::frame_menu::Exit);
        },
        (harness.Root() / "MISSING.TXD").string());
}

TEST(StartDictionary, AnEmptyFileIsRefusedAsNoExportAndTheFrameStaysEmpty) {
    ProgramHarness harness;
    const std::string empty = (harness.WorkFolder() / "EMPTY.TXD").string();
    { std::ofstream create(empty); }
    harness.Run(
        [&](ProgramHarness& h) {
            const rt::WindowRef frame = h.WaitForFrame();
            ASSERT_TRUE(h.Dialogs().WaitForMessages(1, std::chrono::seconds(20)));
            EXPECT_EQ(framework::Model(), nullptr);
            EXPECT_FALSE(frame.IsEnabled(app::frame_menu::Close));
            h.Choose(app::frame_menu::Exit);
        },
        empty);
    const auto boxes = harness.Dialogs().Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR OPENING DICTIONARY");
    EXPECT_EQ(boxes[0].text, "Error 36 (Invalid Data File)\nattempting to open " + empty);
}

}  // namespace
