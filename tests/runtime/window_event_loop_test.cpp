// A runtime window's event loop in a running application (offscreen): the
// timer and queued events share the loop fairly, and the default handling of
// EVENT:CloseWindow ends it unless the event is cycled.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <vector>

#include "runtime/application.h"
#include "runtime/window.h"

namespace {

rt::Layout SmallWindow() {
    rt::Layout layout;
    layout.label = "TEST";
    layout.kind = rt::WindowKind::Popup;
    layout.width = 40;
    layout.height = 20;
    return layout;
}

// Runs `procedure` as the program's thread 1 in an offscreen application.
void RunProgram(const rt::Procedure& procedure) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    rt::RunApplication(procedure, /*keepDialogService=*/true);
}

TEST(WindowEventLoop, TimerTicksAndQueuedEventsTakeTurns) {
    std::vector<int> seen;
    RunProgram([&] {
        rt::Window window(SmallWindow());
        window.Open();
        window.SetTimerPeriod(std::chrono::microseconds(1));
        for (int i = 0; i < 20; ++i) window.Ref().PostEvent(rt::event::FirstApplication);
        int ticks = 0;
        while (window.Accept()) {
            seen.push_back(rt::CurrentEvent());
            if (rt::CurrentEvent() == rt::event::Timer && ++ticks == 30) window.EndLoop();
        }
    });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), rt::event::OpenWindow);
    int queued = 0;
    bool twoTicksInARowWhileBusy = false;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        if (seen[i] == rt::event::FirstApplication) ++queued;
        if (queued < 20 && seen[i] == rt::event::Timer && seen[i - 1] == rt::event::Timer)
            twoTicksInARowWhileBusy = true;
    }
    EXPECT_EQ(queued, 20);  // a short period does not starve the queue
    EXPECT_FALSE(twoTicksInARowWhileBusy);
}

TEST(WindowEventLoop, CloseWindowEndsTheLoopUnlessCycled) {
    int closeRequests = 0;
    bool stillOpenAfterLoop = false;
    RunProgram([&] {
        rt::Window window(SmallWindow());
        window.Open();
        window.Ref().PostEvent(rt::event::CloseWindow);
        window.Ref().PostEvent(rt::event::CloseWindow);
        while (window.Accept()) {
            if (rt::CurrentEvent() != rt::event::CloseWindow) continue;
            // The first request is refused: the runtime's handling is skipped.
            if (++closeRequests == 1) window.Cycle();
        }
        // The loop has ended; the window goes when its owner closes it.
        stillOpenAfterLoop = window.IsOpen() && window.Ref().IsVisible();
        window.Close();
        EXPECT_FALSE(window.Ref().IsVisible());
    });
    EXPECT_EQ(closeRequests, 2);
    EXPECT_TRUE(stillOpenAfterLoop);
}

TEST(WindowEventLoop, OperationsOnAClosedWindowDoNothing) {
    RunProgram([] {
        rt::Window window(SmallWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        window.Close();
        ref.SetText(1, "gone");
        EXPECT_EQ(ref.Text(1), "");
        EXPECT_FALSE(ref.IsVisible());
        EXPECT_FALSE(window.Accept());
    });
}

}  // namespace
