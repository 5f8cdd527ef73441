// The runtime popup menu: the scripted service answers for tests, the native
// menu is built from the grammar, and under the offscreen platform a real
// menu returns the item picked with the keyboard (or 0 when dismissed).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "runtime/gui/popup_menu.h"
#include "runtime/gui/qt_dialog_service.h"
#include "tests/support/gui_program.h"
#include "tests/support/scripted_dialogs.h"

namespace {

TEST(RuntimePopup, GoesThroughTheDialogService) {
    testsupport::ScopedDialogs dialogs;
    dialogs->QueuePopupChoice(2);
    EXPECT_EQ(rt::RuntimePopup("Select All|Deselect All|Cancel", 10, 20), 2);
    EXPECT_EQ(rt::RuntimePopup("A|B"), 0);  // nothing queued: dismissed
    EXPECT_TRUE(dialogs->WaitForPopups(2, std::chrono::milliseconds(0)));
    const auto seen = dialogs->Popups();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].menuText, "Select All|Deselect All|Cancel");
    EXPECT_EQ(seen[0].x, 10);
    EXPECT_EQ(seen[0].y, 20);
    EXPECT_FALSE(seen[1].x.has_value());
}

TEST(RuntimePopup, TheNativeMenuHasSeparatorsChecksSubmenusAndNumbers) {
    guitest::RunProgram([] {
        rt::gui::GuiInvoke([] {
            QMenu menu;
            rt::gui::FillMenu(menu, rt::ParseMenuText("|~Off|+On|-Not|-|Sub{\x80uro|Two}Last"));
            const QList<QAction*> actions = menu.actions();
            ASSERT_EQ(actions.size(), 6);
            EXPECT_FALSE(actions[0]->isEnabled());
            EXPECT_EQ(rt::gui::CommandNumber(actions[0]), 1);
            EXPECT_TRUE(actions[1]->isCheckable());
            EXPECT_TRUE(actions[1]->isChecked());
            EXPECT_TRUE(actions[2]->isCheckable());
            EXPECT_FALSE(actions[2]->isChecked());
            EXPECT_EQ(actions[2]->text(), "Not");
            EXPECT_TRUE(actions[3]->isSeparator());
            QMenu* sub = actions[4]->menu();
            ASSERT_NE(sub, nullptr);
            EXPECT_EQ(sub->actions()[0]->text(), QString::fromUtf8("\u20acuro"));
            EXPECT_EQ(rt::gui::CommandNumber(sub->actions()[1]), 5);
            EXPECT_EQ(rt::gui::CommandNumber(actions[5]), 6);
            EXPECT_EQ(rt::gui::CommandNumber(nullptr), 0);
        });
    });
}

// Presses `keys` in the popup menu once it is open.
void PressInPopupWhenOpen(std::vector<int> keys) {
    rt::gui::GuiPost([keys] {
        auto* poll = new QTimer();  // deletes itself below
        QObject::connect(poll, &QTimer::timeout, poll, [poll, keys] {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup == nullptr) return;
            poll->stop();
            for (int key : keys) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(popup, &press);
            }
            poll->deleteLater();
        });
        poll->start(10);
    });
}

TEST(RuntimePopup, ARealMenuReturnsThePickedItemOrZero) {
    int picked = -1;
    int dismissed = -1;
    guitest::RunProgram([&] {
        rt::gui::QtDialogService service;
        PressInPopupWhenOpen({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        picked = service.Popup(rt::PopupRequest{"A|-|B|C", 50, 50});
        PressInPopupWhenOpen({Qt::Key_Escape});
        dismissed = service.Popup(rt::PopupRequest{"A|B", std::nullopt, std::nullopt});
    });
    EXPECT_EQ(picked, 3);  // A, (separator skipped), B, C
    EXPECT_EQ(dismissed, 0);
}

}  // namespace
