// The list control and the drop-down list, both views over a ListModel.
//
// The list is a table view with a header. The program's selection is a row
// number (1-based, 0 for none) that survives new row snapshots; a user's
// choice posts EVENT:NewSelection, the focus arriving posts EVENT:Selected,
// and a left double-click posts EVENT:AlertKey (key code 5) when the window
// alerts that key. The row of the last mouse press is kept (0 for the header
// or the blank area below the rows) so that the window can tell a
// double-click on the header from one on a row. A click on the blank area
// below the rows leaves the selection as it is; Home and End go to the first
// and last row.
//
// With a fixed (`F`) column the list scrolls sideways by whole columns with a
// scroll bar of its own: scrolling hides the leading non-fixed columns, so a
// fixed column never leaves the view. Without one, the view's own scroll bar
// moves column by column as well. Choosing a row (a click, the keys, the
// program) never scrolls sideways while the column of the cell chosen is in
// view.
#pragma once

#include <QComboBox>
#include <QTableView>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/list_rows.h"
#include "runtime/gui/control_hooks.h"
#include "runtime/gui/list_model.h"

class QKeyEvent;
class QScrollBar;

namespace rt::gui {

class ListControl : public QWidget {
    Q_OBJECT

  public:
    ListControl(QWidget* parent, ControlHooks hooks);

    void SetRows(std::shared_ptr<const ListRows> rows);
    void SetFormat(const std::string& format);
    // 1-based; 0 (or a row beyond the last) clears the selection.
    void SetSelection(int row);
    int Selection() const { return selection_; }
    // Scrolls the selected row, as the list holds it now, into view.
    void ShowSelection();
    int LastPressRow() const { return lastPressRow_; }
    // Multiple-selection marks: a click toggles a row's mark and posts
    // EVENT:Accepted; the program sets them all at once without an event.
    void SetMarking(bool marking);
    // The last column at least as wide as the room the others leave, so that
    // its cells reach the list's right edge.
    void SetFillWidth(bool fill);
    // A browsing list never takes a selection: its keys scroll it.
    void SetBrowsing(bool browsing);
    void SetMarks(const std::vector<bool>& marks);
    std::vector<bool> Marks() const;
    int RowCount() const { return model_->rowCount(); }
    QTableView* View() const { return view_; }
    QScrollBar* SidewaysBar() const { return sideways_; }
    ListModel* Model() const { return model_; }
    // Pixels a cell takes beside its text (the style's margins on both
    // sides): added to each column's width from the format, so that a column
    // as wide as its widest text shows that text whole.
    int CellPadding() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplyColumnWidths();
    void UpdateSideways();
    void ScrollSideways(int firstShown);
    void OnCurrentRowChanged(int row);
    // Home and End, the keys the window alerts on, and a browsing list's
    // scrolling keys; true when the key was taken.
    bool HandleKey(const QKeyEvent& key);

    ControlHooks hooks_;
    ListModel* model_;
    QTableView* view_;
    QScrollBar* sideways_;
    int selection_ = 0;
    int lastPressRow_ = 0;
    bool programChange_ = false;
    bool marking_ = false;
    bool fillWidth_ = false;
    bool browsing_ = false;
};

class DropListControl : public QComboBox {
    Q_OBJECT

  public:
    DropListControl(QWidget* parent, ControlHooks hooks);

    void SetRows(std::shared_ptr<const ListRows> rows);
    void SetFormat(const std::string& format);
    void SetSelection(int row);
    int Selection() const { return currentIndex() + 1; }
    ListModel* Model() const { return model_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    ControlHooks hooks_;
    ListModel* model_;
    bool programChange_ = false;
};

}  // namespace rt::gui
