// The dictionary window in the running program: the sample's lists, a new
// selection, full views and the drop-down file list, the pick popup, Esc,
// Window > Tile and the splitter positions kept between sessions.
#include "display/dictionary_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/layouts.h"
#include "display/core/dictionary_lists.h"
#include "display/core/split_layout.h"
#include "display/dictionary_window_layout.h"
#include "framework/globals.h"
#include "runtime/core/blanks.h"
#include "runtime/core/profile.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/program_threads.h"
#include "tests/e2e/program_harness.h"
#include "tests/support/large_export.h"

namespace {

using e2e::ProgramHarness;
using e2e::SamplePath;
using e2e::WaitUntil;
namespace menu = app::frame_menu;
using namespace display;

// The sample's Files list, sorted by name: four files and the alias ShipTo.
const std::vector<std::string> kSampleFiles = {"Customer", "OrderLine", "Orders", "Product",
                                               "ShipTo"};

// The open dictionary window of the export at `path`, once its lists are built.
rt::WindowRef OpenDictionary(ProgramHarness& h, const std::filesystem::path& path) {
    h.WaitForFrame();
    h.Dialogs().QueueOpenFile(path.string());
    h.Choose(menu::Open);
    rt::WindowRef window;
    EXPECT_TRUE(WaitUntil([&] {
        for (const rt::OpenWindowInfo& info : rt::OpenWindows())
            if (info.label == kDictionaryWindowLabel) window = rt::WindowRef(info.id, info.thread);
        // Built and laid out: the Files list at the grid's top left corner.
        return !window.IsNull() && window.ListRowCount(kFilesList) > 0 &&
               window.ListSelection(kFilesList) == 1 && window.ControlPosition(kFilesList).x == 2;
    }));
    return window;
}

rt::WindowRef OpenSample(ProgramHarness& h) {
    return OpenDictionary(h, SamplePath());
}

// What the lists hold for Files row `row`, built from the loaded model.
DictionaryLists Expected(std::int32_t row) {
    DictionaryLists lists(*framework::Model(), framework::DictionaryPath.Get(),
                          [](std::string_view text) { return static_cast<int>(text.size()); });
    lists.Build(0);
    lists.Build(row);
    return lists;
}

// Chooses Files row `row` as the user's click does.
void ChooseFile(const rt::WindowRef& window, int list, int row) {
    window.SetListSelection(list, row);
    window.PostEvent(rt::event::NewSelection, list);
}

// A left double-click on the column header of `list`, as the mouse gives it.
void DoubleClickHeader(const rt::WindowRef& window, int list) {
    rt::gui::GuiInvoke([&] {
        auto* control =
            qobject_cast<rt::gui::ListControl*>(rt::gui::Find(window.Id())->Control(list));
        QWidget* header = control->View()->horizontalHeader()->viewport();
        QTest::mouseDClick(header, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    });
}

// Runs `work` on the GUI thread with the table view of `list`.
void OnView(const rt::WindowRef& window, int list, const std::function<void(QTableView&)>& work) {
    rt::gui::GuiInvoke([&] {
        auto* control =
            qobject_cast<rt::gui::ListControl*>(rt::gui::Find(window.Id())->Control(list));
        ASSERT_NE(control, nullptr) << list;
        work(*control->View());
    });
}

// A key pressed while `list` has the keyboard.
void KeyOn(const rt::WindowRef& window, int list, Qt::Key key,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    OnView(window, list, [&](QTableView& view) { QTest::keyClick(&view, key, modifiers); });
}

// The rows the Files list shows highlighted.
int HighlightedFiles(const rt::WindowRef& window) {
    int rows = 0;
    OnView(window, kFilesList,
           [&](QTableView& view) { rows = view.selectionModel()->selectedRows().size(); });
    return rows;
}

std::string Setting(const char* key) {
    return rt::GetProfileString("DisplayDictionary", key, "", "KESTRIAN.INI");
}

TEST(DictionaryWindow, OpeningTheSampleShowsItsListsAndASelectionRebuildsThem) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef window = OpenSample(h);
        EXPECT_EQ(window.ListRowCount(kFilesList), static_cast<int>(kSampleFiles.size()));
        EXPECT_EQ(window.ListRowCount(kFileDropList), static_cast<int>(kSampleFiles.size()));
        DictionaryLists first = Expected(1);
        EXPECT_EQ(window.Text(kHeadingText), rt::TrimTrailingSpaces(first.Heading()));
        EXPECT_NE(window.Text(kHeadingText).find("    FILE: Customer"), std::string::npos);
        EXPECT_EQ(window.ListRowCount(kFieldsList), static_cast<int>(first.Fields().rows.size()));
        EXPECT_EQ(window.ListRowCount(kKeysList), static_cast<int>(first.Keys().rows.size()));
        EXPECT_EQ(window.ListRowCount(kRelationsList),
                  static_cast<int>(first.Relations().rows.size()));
        EXPECT_GT(window.ListRowCount(kFieldsList), 0);
        EXPECT_EQ(window.ListSelection(kFieldsList), 0);

        // Orders (row 3): its own fields, keys and relations.
        ChooseFile(window, kFilesList, 3);
        DictionaryLists orders = Expected(3);
        EXPECT_TRUE(WaitUntil(
            [&] { return window.Text(kHeadingText) == rt::TrimTrailingSpaces(orders.Heading()); }));
        EXPECT_EQ(window.ListRowCount(kFieldsList), static_cast<int>(orders.Fields().rows.size()));
        EXPECT_EQ(window.ListRowCount(kKeysList), static_cast<int>(orders.Keys().rows.size()));
        EXPECT_EQ(window.ListRowCount(kRelationsList),
                  static_cast<int>(orders.Relations().rows.size()));
        EXPECT_EQ(window.ListSelection(kFileDropList), 3);

        // The alias shows the aliased file's lists under its own name.
        ChooseFile(window, kFilesList, 5);
        EXPECT_TRUE(WaitUntil([&] {
            return window.Text(kHeadingText).find("    ALIAS: ShipTo") != std::string::npos;
        }));
        EXPECT_EQ(window.ListRowCount(kFieldsList), static_cast<int>(first.Fields().rows.size()));

        // A detail list that gets the focus keeps it and holds no selection.
        window.SetListSelection(kKeysList, 1);
        window.PostEvent(rt::event::Selected, kKeysList);
        EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kKeysList) == 0; }));
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, FullViewsTheDropDownListAndThePickPopup) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef window = OpenSample(h);
        const rt::ControlBox grid = window.ControlPosition(kFilesList);

        // A double-click on the Fields header: it fills the window, the
        // drop-down list stands where the heading was.
        DoubleClickHeader(window, kFieldsList);
        EXPECT_TRUE(WaitUntil([&] { return window.IsHidden(kFilesList); }));
        EXPECT_TRUE(window.IsHidden(kKeysList));
        EXPECT_TRUE(window.IsHidden(kRelationsList));
        EXPECT_FALSE(window.IsHidden(kFileDropList));
        EXPECT_TRUE(window.IsHidden(kHeadingText));
        EXPECT_FALSE(window.IsEnabled(kVSplitUpper));
        EXPECT_GE(window.ControlPosition(kFieldsList).width, window.ClientWidth() - 6);

        // Choosing Product in the drop-down list rebuilds the detail lists.
        ChooseFile(window, kFileDropList, 4);
        EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kFilesList) == 4; }));
        EXPECT_TRUE(WaitUntil([&] {
            return window.ListRowCount(kFieldsList) ==
                   static_cast<int>(Expected(4).Fields().rows.size());
        }));

        // A second double-click returns to the grid as it was.
        DoubleClickHeader(window, kFieldsList);
        EXPECT_TRUE(WaitUntil([&] { return !window.IsHidden(kFilesList); }));
        EXPECT_EQ(window.ControlPosition(kFilesList), grid);
        EXPECT_TRUE(window.IsHidden(kFileDropList));
        EXPECT_TRUE(window.IsEnabled(kVSplitUpper));

        // The pick button and F4: every Files row in a popup below the button.
        h.Dialogs().QueuePopupChoice(2);
        window.PostEvent(rt::event::Accepted, kPickButton);
        ASSERT_TRUE(h.Dialogs().WaitForPopups(1, std::chrono::seconds(20)));
        EXPECT_EQ(h.Dialogs().Popups()[0].menuText, "Customer|OrderLine|Orders|Product|ShipTo");
        EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kFilesList) == 2; }));
        EXPECT_EQ(window.Text(kPickButton), "Pick... (F4)");
        h.Dialogs().QueuePopupChoice(0);
        window.PressKey(Qt::Key_F4);
        ASSERT_TRUE(h.Dialogs().WaitForPopups(2, std::chrono::seconds(20)));
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, SplittersAreSavedOnCloseRestoredOnOpenAndRetiled) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        rt::WindowRef window = OpenSample(h);
        const int width = window.ClientWidth();
        const int height = window.ClientHeight();
        const int yorigin = window.ControlPosition(kHeadingPanel).height + 3;
        // First run: both bars in the middle of the grid.
        const int middleX = width / 2;
        const int middleY = (height - yorigin) / 2 + yorigin;

        // Esc does not close the window; a full view left open at closing
        // still saves the grid's position.
        window.PressKey(Qt::Key_Escape);
        DoubleClickHeader(window, kRelationsList);
        EXPECT_TRUE(WaitUntil([&] { return window.IsHidden(kFilesList); }));
        EXPECT_TRUE(h.DictionaryWindowOpen());
        h.Choose(menu::Close);
        EXPECT_TRUE(WaitUntil([&] { return !h.DictionaryWindowOpen(); }));
        EXPECT_EQ(Setting("VSplit"), std::to_string(middleX));
        EXPECT_EQ(Setting("HSplit"), std::to_string(middleY));

        // Saved positions come back on the next open.
        rt::WriteProfileString("DisplayDictionary", "VSplit", "120", "KESTRIAN.INI");
        rt::WriteProfileString("DisplayDictionary", "HSplit", "90", "KESTRIAN.INI");
        window = OpenSample(h);
        EXPECT_NEAR(window.ControlPosition(kFilesList).width, 120 - 3, 1);
        EXPECT_NEAR(window.ControlPosition(kFilesList).height, 90 - yorigin - 3, 1);

        // Window > Tile puts both bars back in the middle.
        h.Choose(menu::Tile);
        EXPECT_TRUE(WaitUntil([&] {
            return std::abs(window.ControlPosition(kFilesList).width - (middleX - 3)) <= 1;
        }));
        h.Choose(menu::Exit);
        EXPECT_TRUE(WaitUntil([&] { return !h.DictionaryWindowOpen(); }));
    });
    EXPECT_EQ(rt::GetProfileString("DisplayDictionary", "VSplit", "", "KESTRIAN.INI"),
              std::to_string(rt::GetProfileInt("DisplayDictionary", "VSplit", 0, "KESTRIAN.INI")));
}

TEST(DictionaryWindow, ASecondWindowWaitsUntilTheFirstHasClosed) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef first = OpenSample(h);
        const int firstThread = framework::DisplayThread.load();
        // Another dictionary window while the first still holds the display.
        const int secondThread = rt::Start(
            [] { display::KESTR009(*framework::Model(), framework::DictionaryPath.Get()); });
        ASSERT_TRUE(WaitUntil([&] { return h.CountWindows(kDictionaryWindowLabel) == 2; }));
        rt::WindowRef second;
        for (const rt::OpenWindowInfo& info : rt::OpenWindows())
            if (info.thread == secondThread) second = rt::WindowRef(info.id, info.thread);
        // Waiting, it still handles its own events (a detail list that got
        // the focus drops its selection) but builds nothing.
        second.SetListSelection(kKeysList, 1);
        second.PostEvent(rt::event::Selected, kKeysList);
        ASSERT_TRUE(WaitUntil([&] { return second.ListSelection(kKeysList) == 0; }));
        EXPECT_EQ(framework::DisplayThread.load(), firstThread);
        EXPECT_EQ(second.ListRowCount(kFilesList), 0);
        EXPECT_EQ(second.Text(kHeadingText), "");

        first.PostEvent(rt::event::CloseWindow);
        EXPECT_TRUE(WaitUntil([&] { return framework::DisplayThread.load() == secondThread; }));
        EXPECT_TRUE(WaitUntil([&] {
            return second.ListRowCount(kFilesList) == static_cast<int>(kSampleFiles.size());
        }));
        EXPECT_EQ(h.CountWindows(kDictionaryWindowLabel), 1);
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, AClickBelowTheLastRowKeepsTheSelection) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef window = OpenSample(h);
        ChooseFile(window, kFilesList, 3);
        // The window has built what it shows for the choice.
        ASSERT_TRUE(WaitUntil([&] { return window.ListSelection(kFileDropList) == 3; }));
        EXPECT_TRUE(WaitUntil([&] { return HighlightedFiles(window) == 1; }));
        OnView(window, kFilesList, [](QTableView& view) {
            const QPoint below(5, view.viewport()->height() - 2);
            ASSERT_FALSE(view.indexAt(below).isValid());
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, below);
        });
        EXPECT_EQ(HighlightedFiles(window), 1);
        EXPECT_EQ(window.ListSelection(kFilesList), 3);
        // Down still moves on from it.
        window.Select(kFilesList);
        KeyOn(window, kFilesList, Qt::Key_Down);
        EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kFileDropList) == 4; }))
            << window.ListSelection(kFilesList) << " " << window.ListSelection(kFileDropList) << " "
            << HighlightedFiles(window);
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, KeysMoveThroughTheFilesAndTheListsAndToggleAFullView) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef window = OpenSample(h);
        const int last = static_cast<int>(kSampleFiles.size());
        // The first display is over: its heading names the first file.
        ASSERT_TRUE(WaitUntil(
            [&] { return window.Text(kHeadingText).find("FILE: Customer") != std::string::npos; }));
        // End and Home, also with Ctrl, go to the last and the first file.
        const std::pair<Qt::Key, Qt::KeyboardModifiers> ends[] = {
            {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},
            {Qt::Key_End, Qt::ControlModifier},
            {Qt::Key_Home, Qt::ControlModifier}};
        for (const auto& [key, modifiers] : ends) {
            const int row = key == Qt::Key_End ? last : 1;
            KeyOn(window, kFilesList, key, modifiers);
            EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kFileDropList) == row; }))
                << row;
        }
        EXPECT_TRUE(WaitUntil(
            [&] { return window.Text(kHeadingText).find("FILE: Customer") != std::string::npos; }));

        // Tab and Shift+Tab go round the four lists; a detail list keeps the
        // keyboard and takes no selection.
        // The keyboard goes to the active window.
        rt::gui::GuiInvoke([&] {
            QWidget* frame = rt::gui::Frame()->Outer();
            frame->activateWindow();
            QApplication::setActiveWindow(frame);
        });
        window.Select(kFilesList);
        ASSERT_TRUE(WaitUntil([&] { return window.FocusedControl() == kFilesList; }));
        for (int list : {kFieldsList, kKeysList, kRelationsList, kFilesList}) {
            KeyOn(window, window.FocusedControl(), Qt::Key_Tab);
            EXPECT_TRUE(WaitUntil([&] { return window.FocusedControl() == list; })) << list;
        }
        KeyOn(window, kFilesList, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_TRUE(WaitUntil([&] { return window.FocusedControl() == kRelationsList; }));
        EXPECT_EQ(window.ListSelection(kRelationsList), 0);

        // Enter toggles the full view of the list with the keyboard; there
        // the arrows scroll it and leave the file as it is.
        KeyOn(window, kFieldsList, Qt::Key_Return);
        EXPECT_TRUE(WaitUntil([&] { return window.IsHidden(kFilesList); }));
        EXPECT_FALSE(window.IsEnabled(kCrossing));
        EXPECT_TRUE(WaitUntil([&] { return window.FocusedControl() == kFieldsList; }));
        KeyOn(window, kFieldsList, Qt::Key_Down);
        KeyOn(window, kFieldsList, Qt::Key_PageDown);
        EXPECT_EQ(window.ListSelection(kFilesList), 1);
        EXPECT_EQ(window.ListSelection(kFieldsList), 0);
        KeyOn(window, kFieldsList, Qt::Key_F11);
        EXPECT_TRUE(WaitUntil([&] { return !window.IsHidden(kFilesList); }));
        EXPECT_TRUE(window.IsEnabled(kCrossing));
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, TheChooserReachesEveryFileOfALargeDictionary) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const std::filesystem::path path = h.WorkFolder() / "LARGE.TXD";
        std::filesystem::create_directories(h.WorkFolder());
        std::ofstream(path, std::ios::binary) << dict_test::LargeExport(300, 2);
        const rt::WindowRef window = OpenDictionary(h, path);
        ASSERT_EQ(window.ListRowCount(kFilesList), 300);
        h.Dialogs().QueueChoice(300);
        window.PressKey(Qt::Key_F4);
        ASSERT_TRUE(h.Dialogs().WaitForChoosers(1, std::chrono::seconds(20)));
        EXPECT_TRUE(h.Dialogs().Popups().empty());
        const rt::ChooserRequest seen = h.Dialogs().Choosers()[0];
        ASSERT_EQ(seen.items.size(), 300u);
        EXPECT_EQ(seen.current, 1);
        EXPECT_TRUE(WaitUntil([&] { return window.ListSelection(kFilesList) == 300; }));
        EXPECT_TRUE(WaitUntil([&] {
            return window.Text(kHeadingText).find("FILE: " + seen.items[299]) != std::string::npos;
        }));
        EXPECT_EQ(window.Text(kPickButton), "Pick... (F4)");
        h.Choose(menu::Exit);
    });
}

TEST(DictionaryWindow, AtItsSmallestTheHeadingAndListsStayReadable) {
    ProgramHarness harness;
    harness.Run([](ProgramHarness& h) {
        const rt::WindowRef window = OpenSample(h);
        rt::WindowRef sized = window;
        sized.SetWidth(10);
        sized.SetHeight(10);
        EXPECT_TRUE(WaitUntil([&] { return window.ClientWidth() < 440; }));
        // At least the minimum less the frame's borders and title.
        EXPECT_GE(window.ClientWidth(), kMinimumWidth - 10);
        EXPECT_GE(window.ClientHeight(), kMinimumHeight - 25);
        // The heading stops short of the button and still names the file.
        EXPECT_TRUE(WaitUntil([&] {
            const rt::ControlBox heading = window.ControlPosition(kHeadingText);
            return heading.x + heading.width <= window.ControlPosition(kPickButton).x;
        }));
        EXPECT_NE(window.Text(kHeadingText).find("FILE: Customer"), std::string::npos);
        for (int list : {kFilesList, kFieldsList, kKeysList, kRelationsList}) {
            EXPECT_GE(window.ControlPosition(list).width, 40) << list;
            EXPECT_GE(window.ControlPosition(list).height, 30) << list;
        }
        h.Choose(menu::Exit);
    });
}

}  // namespace
