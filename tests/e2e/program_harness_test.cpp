// The harness itself: a session after which the program does not end fails
// its test instead of hanging it, and the program is closed down.
#include "tests/e2e/program_harness.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "app/layouts.h"

namespace {

using e2e::ProgramHarness;
using e2e::WaitUntil;
namespace menu = app::frame_menu;

// Exit chosen while the print options lie over the frame on the frame's
// thread: the choice is not the options window's, so it is not taken and
// the program goes on after the driver has returned.
void RunASessionTheProgramOutlives() {
    ProgramHarness harness;
    harness.SetEndDeadline(std::chrono::seconds(2));
    harness.Dialogs().QueueOpenFile(e2e::SamplePath().string());
    harness.Run([](ProgramHarness& h) {
        h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        h.Choose(menu::Print);
        ASSERT_TRUE(WaitUntil([&] { return h.WindowOpen("KESTR004"); }));
        h.Choose(menu::Exit);
    });
}

TEST(ProgramHarness, AProgramThatDoesNotEndAfterTheSessionFailsTheTestAndIsClosedDown) {
    // Returning at all shows that the program was closed down.
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(RunASessionTheProgramOutlives(),
                                           "the program did not end after the session");
}

}  // namespace
