// The frame with a dictionary window open: its menu's keys reach the frame
// (not the child's system menu), and the status bar shows the longest date
// whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QtTest/QTest>

#include "app/layouts.h"
#include "framework/globals.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "tests/e2e/program_harness.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;
namespace menu = app::frame_menu;

// Presses a key with modifiers in the frame, as the keyboard does: shortcut
// handling included.
void PressInFrame(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    rt::gui::GuiInvoke([&] {
        rt::gui::GuiWindow* frame = rt::gui::Frame();
        if (frame == nullptr || frame->Outer() == nullptr) return;
        // The user's keys go to the active window: the frame, with the
        // dictionary window active inside it.
        QApplication::setActiveWindow(frame->Outer());
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != frame->Outer()) target = frame->Outer();
        QTest::keyClick(target, key, modifiers);
    });
}

TEST(FrameKeys, CtrlWClosesTheOpenDictionary) {
    ProgramHarness harness;
    harness.Dialogs().QueueOpenFile(SamplePath().string());
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        h.Choose(menu::Open);
        ASSERT_TRUE(WaitUntil([&] { return h.DictionaryWindowOpen(); }));
        ASSERT_TRUE(WaitUntil([&] { return frame.IsEnabled(menu::Close); }));
        PressInFrame(Qt::Key_W, Qt::ControlModifier);
        EXPECT_TRUE(WaitUntil([&] { return !h.DictionaryWindowOpen(); }));
        EXPECT_TRUE(WaitUntil([&] { return framework::Model() == nullptr; }));
        EXPECT_TRUE(WaitUntil([&] { return !frame.IsEnabled(menu::Close); }));
        h.Choose(menu::Exit);
    });
}

TEST(FrameKeys, TheDateZoneShowsTheLongestDateWhole) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef frame = h.WaitForFrame();
        ASSERT_TRUE(WaitUntil([&] { return !frame.Status(3).empty(); }));
        const std::string longest = "Wednesday, September 16, 2026";
        frame.SetStatus(3, longest);
        const bool fits = rt::gui::GuiCall<bool>([&] {
            QLabel* zone = rt::gui::Frame()->StatusZone(3);
            const int text = zone->fontMetrics().horizontalAdvance(QString::fromStdString(longest));
            return zone->minimumWidth() >= text + 2 * zone->frameWidth();
        });
        EXPECT_TRUE(fits);
        h.Choose(menu::Exit);
    });
}

}  // namespace
