// Routing and lifecycle of the window framework, driven by scripted events.
#include "framework/window_object.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <new>
#include <vector>

#include "runtime/events.h"
#include "tests/support/scripted_dialogs.h"

namespace {

using namespace framework;
namespace ev = rt::event;

class ScriptedHost : public WindowHost {
  public:
    std::deque<rt::Event> script;
    rt::Event current;
    std::vector<rt::Event> posted;
    int displays = 0;
    int cycles = 0;
    int beeps = 0;
    int selected = 0;
    bool refused = false;

    bool Accept() override {
        if (script.empty()) return false;
        current = script.front();
        script.pop_front();
        return true;
    }
    void Cycle() override { ++cycles; }
    int Event() const override { return current.number; }
    int Control() const override { return current.control; }
    int KeyCode() const override { return current.keyCode; }
    void SetKeyCode(int keyCode) override { current.keyCode = keyCode; }
    void PostToWindow(int eventNumber, int control) override {
        posted.push_back(rt::Event{eventNumber, control, 0, 0});
    }
    void Select(int control) override { selected = control; }
    int FocusedControl() const override { return selected; }
    void Display() override { ++displays; }
    bool RedisplayRefused() const override { return refused; }
    void Beep() override { ++beeps; }
};

// Records which operations ran, and lets a test force Setup to fail.
class RecordingWindow : public WindowObject {
  public:
    using WindowObject::WindowObject;
    std::vector<std::string> calls;
    std::uint8_t setupResult = 0;
    std::vector<std::uint8_t> refreshForces;

    std::uint8_t Setup() override {
        calls.push_back("Setup");
        WindowObject::Setup();
        return setupResult;
    }
    void EventLoop() override {
        calls.push_back("EventLoop");
        WindowObject::EventLoop();
    }
    std::uint8_t Teardown() override {
        calls.push_back("Teardown");
        return WindowObject::Teardown();
    }
    void Refresh(std::uint8_t force) override {
        refreshForces.push_back(static_cast<std::uint8_t>(force + FORCEDRESET));
        WindowObject::Refresh(force);
    }
    std::uint8_t OnFieldEvent() override {
        calls.push_back("OnFieldEvent");
        return 0;
    }
};

TEST(WindowObject, FailedSetupSkipsLoopButNotTeardownAndAnswersCancelled) {
    ScriptedHost host;
    host.script.push_back({ev::OpenWindow, 0, 0, 0});
    RecordingWindow window(host);
    window.setupResult = 1;
    EXPECT_EQ(window.Execute(), response::Cancelled);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"Setup", "Teardown"}));
    EXPECT_EQ(window.DEAD, 1);
    EXPECT_EQ(host.script.size(), 1u);  // the loop never ran
}

TEST(WindowObject, SetupSetsActionsAndTeardownRunsOnce) {
    ScriptedHost host;
    host.current.keyCode = rt::key::MouseRight;
    RecordingWindow window(host);
    window.REQUEST = 2;
    EXPECT_EQ(window.WindowObject::Setup(), 0);
    EXPECT_EQ(window.ORIGINALREQUEST, 2);
    EXPECT_EQ(window.INSERTACTION, 2);
    EXPECT_EQ(window.DELETEACTION, 2);
    EXPECT_EQ(window.CHANGEACTION, 1);
    EXPECT_EQ(window.CANCELACTION, 3);
    EXPECT_EQ(window.AUTOTOOLBAR, 1);
    EXPECT_EQ(host.current.keyCode, 0);  // a right click is forgotten
    EXPECT_NE(window.BROWSES, nullptr);
    EXPECT_EQ(window.WindowObject::Teardown(), 0);
    EXPECT_EQ(window.DEAD, 1);
    EXPECT_EQ(window.WindowObject::Teardown(), result::Finished);
}

TEST(WindowObject, ExecuteReturnsTheResponseSet) {
    ScriptedHost host;
    RecordingWindow window(host);
    window.RESPONSE = response::Completed;
    EXPECT_EQ(window.Execute(), response::Completed);
}

TEST(WindowObject, FirstSizedEventDoesNotRefreshLaterOnesDo) {
    ScriptedHost host;
    host.script = {{ev::Sized, 0, 0, 0}, {ev::Sized, 0, 0, 0}};
    RecordingWindow window(host);
    window.Execute();
    EXPECT_EQ(window.refreshForces.size(), 1u);
    EXPECT_EQ(window.INITED & 2, 2);
}

TEST(WindowObject, LostFocusWithResetOnGainFocusForcesTheNextRefresh) {
    ScriptedHost host;
    host.script = {{ev::OpenWindow, 0, 0, 0}, {ev::LoseFocus, 0, 0, 0}, {ev::GainFocus, 0, 0, 0}};
    RecordingWindow window(host);
    window.RESETONGAINFOCUS = 1;
    window.Execute();
    ASSERT_EQ(window.refreshForces.size(), 2u);
    EXPECT_EQ(window.refreshForces[0], 0);  // first display
    EXPECT_EQ(window.refreshForces[1], 1);  // forced by the lost focus
    EXPECT_EQ(window.FORCEDRESET, 0);
}

TEST(WindowObject, GainFocusBeforeOpenDoesTheFirstDisplay) {
    ScriptedHost host;
    host.script = {{ev::GainFocus, 0, 0, 0}, {ev::OpenWindow, 0, 0, 0}};
    RecordingWindow window(host);
    window.FIRSTFIELD = 7;
    window.Execute();
    EXPECT_EQ(window.refreshForces.size(), 1u);  // OpenWindow does not display again
    EXPECT_EQ(window.INITED & 1, 1);
    EXPECT_EQ(host.selected, 7);
}

TEST(WindowObject, AcceptedButtonClosesWithItsResponseAndFinishesTheEvent) {
    ScriptedHost host;
    RecordingWindow window(host);
    window.WindowObject::Setup();
    window.BUTTONS->push_back(framework::ButtonAction{12, framework::response::Completed});
    host.current = {ev::Accepted, 12, 0, 0};
    EXPECT_EQ(window.DispatchEvent(), result::Finished);
    EXPECT_EQ(window.RESPONSE, response::Completed);
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0].number, ev::CloseWindow);
    // A control that is not a button carries on to its field event.
    host.current = {ev::Accepted, 13, 0, 0};
    EXPECT_EQ(window.DispatchEvent(), result::CarryOn);
    EXPECT_EQ(window.calls.back(), "OnFieldEvent");
}

TEST(WindowObject, FinishedEventsSkipTheDefaultHandling) {
    ScriptedHost host;
    RecordingWindow window(host);
    window.WindowObject::Setup();
    window.BUTTONS->push_back(framework::ButtonAction{4, framework::response::Cancelled});
    host.script = {{ev::Accepted, 4, 0, 0}, {ev::Timer, 0, 0, 0}};
    std::atomic<std::int32_t> navigation{9};
    window.VCRREQUEST = &navigation;
    window.EventLoop();
    EXPECT_EQ(host.cycles, 1);
    EXPECT_EQ(navigation.load(), 0);  // a cancelling close clears the navigation request
}

TEST(WindowObject, OkControlPostsCompletedOutsideRecordForms) {
    ScriptedHost host;
    RecordingWindow window(host);
    window.OKCONTROL = 3;
    host.current = {ev::Accepted, 3, 0, 0};
    EXPECT_EQ(window.OnAccepted(), 0);
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0].number, ev::Completed);
}

TEST(WindowObject, WindowEventResultEndsTheLoop) {
    class Ending : public RecordingWindow {
      public:
        using RecordingWindow::RecordingWindow;
        std::uint8_t OnWindowEvent() override {
            return Host().Event() == ev::Timer ? result::EndLoop : 0;
        }
    };
    ScriptedHost host;
    host.script = {{ev::Timer, 0, 0, 0}, {ev::Timer, 0, 0, 0}};
    Ending window(host);
    window.Execute();
    EXPECT_EQ(host.script.size(), 1u);
}

TEST(WindowObject, RefreshIsSkippedWhileRedisplayIsRefused) {
    ScriptedHost host;
    host.refused = true;
    RecordingWindow window(host);
    window.FORCEDRESET = 1;
    window.WindowObject::Refresh(0);
    EXPECT_EQ(host.displays, 0);
    EXPECT_EQ(window.FORCEDRESET, 1);
    host.refused = false;
    window.WindowObject::Refresh(0);
    EXPECT_EQ(host.displays, 1);
    EXPECT_EQ(window.FORCEDRESET, 0);
}

TEST(WindowObject, RejectedBeepsAndReselects) {
    ScriptedHost host;
    RecordingWindow window(host);
    host.current = {ev::Rejected, 5, 0, 0};
    window.DispatchEvent();
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.selected, 5);
}

TEST(WindowObject, CloseRequestsGoToOnCloseRequest) {
    class Refusing : public RecordingWindow {
      public:
        using RecordingWindow::RecordingWindow;
        std::uint8_t OnCloseRequest() override { return result::Declined; }
    };
    ScriptedHost host;
    Refusing window(host);
    host.current = {ev::CloseWindow, 0, 0, 0};
    EXPECT_EQ(window.DispatchEvent(), result::Declined);
    host.current = {ev::CloseDown, 0, 0, 0};
    EXPECT_EQ(window.DispatchEvent(), result::Declined);
}

// Running out of memory in a window's work ends that window with a message,
// not the program.
TEST(WindowObject, RunningOutOfMemoryEndsTheWindowWithAMessage) {
    class Starved : public RecordingWindow {
      public:
        using RecordingWindow::RecordingWindow;
        std::uint8_t OnWindowEvent() override { throw std::bad_alloc(); }
    };
    testsupport::ScopedDialogs dialogs;
    ScriptedHost host;
    host.script = {{ev::Timer, 0, 0, 0}, {ev::Timer, 0, 0, 0}};
    Starved window(host);
    EXPECT_EQ(window.Execute(), response::Cancelled);
    EXPECT_EQ(window.calls.back(), "Teardown");
    EXPECT_EQ(window.DEAD, 1);
    EXPECT_EQ(host.script.size(), 1u);
    const std::vector<rt::MessageRequest> boxes = dialogs->Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error 8 (Insufficient Memory)");
}

}  // namespace
