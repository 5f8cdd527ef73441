// The list control and the drop-down list in a window under the offscreen
// platform: row snapshots, formats, selection and its events, the alert on a
// double-click and the row of the last press, sideways scrolling past a
// fixed column. The model is checked on its own first.
#include "runtime/gui/list_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "runtime/gui/list_model.h"
#include "tests/support/gui_program.h"

namespace {

using guitest::OnControl;
using guitest::RunProgram;
using guitest::WaitForEvent;
using rt::gui::ListControl;
using rt::gui::ListModel;

constexpr int kList = 14;
constexpr int kDrop = 8;

rt::ListCell Cell(std::string text, std::int32_t background = -1) {
    rt::ListCell cell;
    cell.text = std::move(text);
    cell.colours.normalBackground = background;
    return cell;
}

std::shared_ptr<const rt::ListRows> Rows(int count, int columns = 3) {
    auto rows = std::make_shared<rt::ListRows>();
    for (int r = 1; r <= count; ++r) {
        rt::ListRow row;
        for (int c = 1; c <= columns; ++c)
            row.push_back(Cell("R" + std::to_string(r) + "C" + std::to_string(c)));
        rows->push_back(std::move(row));
    }
    return rows;
}

// ---- the model ----------------------------------------------------------------

TEST(ListModel, ShowsCellsAsUnicodeWithoutTheirPadding) {
    ListModel model;
    auto rows = std::make_shared<rt::ListRows>();
    rows->push_back({Cell("Price \x80   ", 0xE7E7E7), Cell("  right  ", 0x0000FF)});
    model.SetRows(rows);
    model.SetFormat(rt::ParseListFormat("40L(1)*|~Name~30R*~Value~"));
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(),
              QString::fromUtf8("Price \u20ac"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("  right"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Value");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

struct ColourCase {
    const char* format;
    std::int32_t number;
    QColor expected;  // invalid: the list's default
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.format << " " << c.number;
}

class ListModelColours : public testing::TestWithParam<ColourCase> {};

TEST_P(ListModelColours, BackgroundComesFromTheRowOnlyWithAStar) {
    ListModel model;
    auto rows = std::make_shared<rt::ListRows>();
    rows->push_back({Cell("x", GetParam().number)});
    model.SetRows(rows);
    model.SetFormat(rt::ParseListFormat(GetParam().format));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ListModelColours,
    testing::Values(ColourCase{"10L*", 0xE7E7E7, QColor(0xE7, 0xE7, 0xE7)},
                    ColourCase{"10L*", 0x0000FF, QColor(0xFF, 0, 0)},  // BBGGRR
                    ColourCase{"10L*", 0xFF0000, QColor(0, 0, 0xFF)},
                    ColourCase{"10L*", -1, QColor()}, ColourCase{"10L", 0xE7E7E7, QColor()}));

TEST(ListModel, WithoutAFormatEachDataFieldIsAColumn) {
    ListModel model;
    model.SetRows(Rows(2, 4));
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.data(model.index(1, 3), Qt::DisplayRole).toString(), "R2C4");
    EXPECT_EQ(model.data(model.index(5, 0), Qt::DisplayRole), QVariant());
}

// ---- in a window ------------------------------------------------------------------

rt::Layout ListWindow() {
    rt::Layout layout;
    layout.label = "LISTS";
    layout.kind = rt::WindowKind::Popup;
    layout.width = 300;
    layout.height = 200;
    rt::ControlDef drop = rt::MakeControl(kDrop, rt::ControlKind::DropList, {}, 5, 2, 100, 12);
    drop.format = "120L(2)@s40@";
    rt::ControlDef list = rt::MakeControl(kList, rt::ControlKind::List, {}, 5, 20, 200, 150);
    list.format = "L~Files~";
    layout.controls = {drop, list};
    layout.alertKeys = {rt::key::MouseLeftDouble};
    return layout;
}

// The list with two columns and ten rows.
void ShowTenRows(const rt::WindowRef& ref) {
    ref.SetListFormat(kList, "40L~A~40L~B~");
    ref.SetListRows(kList, Rows(10));
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent mouse(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &mouse);
}

// Clicks (or double-clicks) row `row` (1-based) of the list.
void ClickRow(const rt::Window& window, int row, bool twice = false) {
    OnControl<ListControl>(window, kList, [&](ListControl& list) {
        QTableView* view = list.View();
        const QPoint at = view->visualRect(list.Model()->index(row - 1, 0)).center();
        SendMouse(view->viewport(), QEvent::MouseButtonPress, at);
        SendMouse(view->viewport(), QEvent::MouseButtonRelease, at);
        if (twice) SendMouse(view->viewport(), QEvent::MouseButtonDblClick, at);
    });
}

TEST(ListControl, TakesTwentyThousandRowsInOneCallAndKeepsItsSelection) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ref.SetListFormat(kList, "40L(1)*F|~File~40L(1)*|~Prefix~40L~Driver~");
        ref.SetListSelection(kList, 3);
        ref.SetListRows(kList, Rows(20000));
        EXPECT_EQ(ref.ListRowCount(kList), 20000);
        EXPECT_EQ(ref.ListSelection(kList), 3);
        ref.SetListSelection(kList, 19999);
        EXPECT_EQ(ref.ListSelection(kList), 19999);
        ref.SetListSelection(kList, 0);
        EXPECT_EQ(ref.ListSelection(kList), 0);
        // A new snapshot replaces the old one; the selected row number stays.
        ref.SetListSelection(kList, 2);
        ref.SetListRows(kList, Rows(5));
        EXPECT_EQ(ref.ListRowCount(kList), 5);
        EXPECT_EQ(ref.ListSelection(kList), 2);
        OnControl<ListControl>(window, kList, [](ListControl& list) {
            EXPECT_EQ(list.View()->selectionModel()->currentIndex().row(), 1);
            EXPECT_EQ(list.Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole), "Prefix");
        });
    });
}

TEST(ListControl, SeveralListsAreFilledInOneCallAndWhatIsNotGivenStays) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ShowTenRows(ref);
        ref.SetListSelection(kList, 4);
        auto rows = Rows(6, 1);
        ref.SetLists({{kDrop, rows, std::nullopt, 5},
                      {kList, nullptr, std::nullopt, 2},
                      {kList, Rows(3), "30L~X~", std::nullopt}});
        EXPECT_EQ(ref.ListRowCount(kDrop), 6);
        EXPECT_EQ(ref.ListSelection(kDrop), 5);
        EXPECT_EQ(ref.ListRowCount(kList), 3);
        // The selection set before the new rows in the same call holds.
        EXPECT_EQ(ref.ListSelection(kList), 2);
        OnControl<ListControl>(window, kList, [](ListControl& list) {
            EXPECT_EQ(list.Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole), "X");
            EXPECT_EQ(list.View()->selectionModel()->currentIndex().row(), 1);
        });
        // Nothing given changes nothing.
        ref.SetLists({{kList, nullptr, std::nullopt, std::nullopt}});
        EXPECT_EQ(ref.ListRowCount(kList), 3);
        EXPECT_EQ(ref.ListSelection(kList), 2);
    });
}

TEST(ListControl, AUsersClickPostsNewSelectionAndTheProgramsDoesNot) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ShowTenRows(ref);
        ref.SetListSelection(kList, 1);
        ClickRow(window, 4);
        ASSERT_TRUE(WaitForEvent(window, rt::event::NewSelection, kList).has_value());
        EXPECT_EQ(ref.ListSelection(kList), 4);
        EXPECT_EQ(ref.ListPressRow(kList), 4);
        // Setting the selection posts nothing: the next NewSelection is the
        // next click's.
        ref.SetListSelection(kList, 7);
        ClickRow(window, 5);
        ASSERT_TRUE(WaitForEvent(window, rt::event::NewSelection, kList).has_value());
        EXPECT_EQ(ref.ListSelection(kList), 5);
    });
}

TEST(ListControl, FocusArrivingPostsSelected) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        window.Ref().Select(kDrop);
        window.Ref().Select(kList);
        EXPECT_TRUE(WaitForEvent(window, rt::event::Selected, kList).has_value());
    });
}

TEST(ListControl, ADoubleClickAlertsAndThePressRowTellsHeaderFromRow) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ShowTenRows(ref);
        ClickRow(window, 2, /*twice=*/true);
        EXPECT_EQ(WaitForEvent(window, rt::event::AlertKey, kList), rt::key::MouseLeftDouble);
        EXPECT_EQ(ref.ListPressRow(kList), 2);

        OnControl<ListControl>(window, kList, [](ListControl& list) {
            QWidget* header = list.View()->horizontalHeader()->viewport();
            SendMouse(header, QEvent::MouseButtonPress, QPoint(5, 3));
            SendMouse(header, QEvent::MouseButtonRelease, QPoint(5, 3));
            SendMouse(header, QEvent::MouseButtonDblClick, QPoint(5, 3));
        });
        EXPECT_EQ(WaitForEvent(window, rt::event::AlertKey, kList), rt::key::MouseLeftDouble);
        EXPECT_EQ(ref.ListPressRow(kList), 0);

        // Without the alert key a double-click raises nothing.
        ref.SetAlertKey(rt::key::MouseLeftDouble, false);
        ClickRow(window, 3, /*twice=*/true);
        EXPECT_FALSE(
            WaitForEvent(window, rt::event::AlertKey, kList, std::chrono::milliseconds(300))
                .has_value());
    });
}

TEST(ListControl, AFixedColumnStaysWhileTheOthersScrollByWholeColumns) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ref.SetListRows(kList, Rows(3, 4));
        ref.SetListFormat(kList, "80L*F|~A~80L*|~B~80L~C~80L~D~");  // wider than the list
        OnControl<ListControl>(window, kList, [](ListControl& list) {
            QScrollBar* bar = list.SidewaysBar();
            ASSERT_FALSE(bar->isHidden());
            EXPECT_EQ(bar->maximum(), 2);
            bar->setValue(2);
            EXPECT_FALSE(list.View()->isColumnHidden(0));
            EXPECT_TRUE(list.View()->isColumnHidden(1));
            EXPECT_TRUE(list.View()->isColumnHidden(2));
            EXPECT_FALSE(list.View()->isColumnHidden(3));
        });
        // Narrow columns fit: no sideways bar, every column shown.
        ref.SetListFormat(kList, "20L*F|~A~20L~B~20L~C~20L~D~");
        OnControl<ListControl>(window, kList, [](ListControl& list) {
            EXPECT_TRUE(list.SidewaysBar()->isHidden());
            for (int c = 0; c < 4; ++c) EXPECT_FALSE(list.View()->isColumnHidden(c));
        });
    });
}

TEST(ListControl, ColumnWidthsFollowTheFormatInDialogUnits) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        window.Ref().SetListFormat(kList, "40L~A~|60L|~B~");
        OnControl<ListControl>(window, kList, [&](ListControl& list) {
            rt::gui::GuiWindow* gui = rt::gui::Find(window.Ref().Id());
            QHeaderView* header = list.View()->horizontalHeader();
            // With the cell's own margins and the border.
            EXPECT_EQ(header->sectionSize(0), gui->DuToPixelsX(40) + list.CellPadding() + 1);
            EXPECT_EQ(header->sectionSize(1), gui->DuToPixelsX(60) + list.CellPadding() + 1);
        });
    });
}

TEST(DropList, ShowsTheRowsAndPostsNewSelectionOnAUsersChoice) {
    RunProgram([] {
        rt::Window window(ListWindow());
        window.Open();
        const rt::WindowRef ref = window.Ref();
        ref.SetListRows(kDrop, Rows(4, 1));
        ref.SetListSelection(kDrop, 3);
        EXPECT_EQ(ref.ListSelection(kDrop), 3);
        EXPECT_EQ(ref.ListRowCount(kDrop), 4);
        OnControl<rt::gui::DropListControl>(window, kDrop, [](rt::gui::DropListControl& drop) {
            EXPECT_EQ(drop.currentText(), "R3C1");
            drop.setCurrentIndex(1);
            emit drop.activated(1);  // as the user's pick does
        });
        EXPECT_TRUE(WaitForEvent(window, rt::event::NewSelection, kDrop).has_value());
        EXPECT_EQ(ref.ListSelection(kDrop), 2);
    });
}

}  // namespace
