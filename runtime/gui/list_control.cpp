#include "runtime/gui/list_control.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "runtime/events.h"
#include "runtime/text_codec.h"

namespace rt::gui {
namespace {

// Paints a cell with the column's indent, the row's selected colours and the
// column's right border line.
class ListDelegate : public QStyledItemDelegate {
  public:
    ListDelegate(QObject* parent, const ListModel& model, std::function<int(int)> duToPixelsX)
        : QStyledItemDelegate(parent), model_(model), duToPixelsX_(std::move(duToPixelsX)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const ListColumn* column = Column(index.column());
        // The whole cell, indent included, takes the row's colour.
        if (cell.state & QStyle::State_Selected) {
            const QColor back = index.data(ListModel::SelectedBackgroundRole).value<QColor>();
            const QColor fore = index.data(ListModel::SelectedForegroundRole).value<QColor>();
            if (back.isValid()) cell.palette.setColor(QPalette::Highlight, back);
            if (fore.isValid()) cell.palette.setColor(QPalette::HighlightedText, fore);
            painter->fillRect(option.rect, cell.palette.color(QPalette::Highlight));
        } else if (cell.backgroundBrush.style() != Qt::NoBrush) {
            painter->fillRect(option.rect, cell.backgroundBrush);
        }
        if (column != nullptr && column->indent > 0) {
            const int indent = duToPixelsX_(column->indent);
            if (column->justify == Justify::Right)
                cell.rect.adjust(0, 0, -indent, 0);
            else if (column->justify == Justify::Left)
                cell.rect.adjust(indent, 0, 0, 0);
        }
        cell.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, cell, QModelIndex());
        if (column != nullptr && column->rightBorder) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->restore();
        }
    }

  private:
    const ListColumn* Column(int column) const {
        const auto& columns = model_.Format().columns;
        if (column < 0 || column >= static_cast<int>(columns.size())) return nullptr;
        return &columns[static_cast<std::size_t>(column)];
    }

    const ListModel& model_;
    std::function<int(int)> duToPixelsX_;
};

// A table whose rows are chosen whole: bringing a row into view moves the
// view up or down, and sideways only when the column of the cell chosen is
// out of view altogether (a wide column is never pushed aside by a click).
class RowView : public QTableView {
  public:
    using QTableView::QTableView;

    void scrollTo(const QModelIndex& index, ScrollHint hint) override {
        const QRect cell = visualRect(index);
        const bool columnInView =
            cell.isValid() && cell.right() >= 0 && cell.left() < viewport()->width();
        const int sideways = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        if (columnInView) horizontalScrollBar()->setValue(sideways);
    }
};

}  // namespace

// ---- ListControl --------------------------------------------------------------

ListControl::ListControl(QWidget* parent, ControlHooks hooks)
    : QWidget(parent),
      hooks_(std::move(hooks)),
      model_(new ListModel(this)),
      view_(new RowView(this)),
      sideways_(new QScrollBar(Qt::Horizontal, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(sideways_);
    sideways_->hide();
    sideways_->setSingleStep(1);
    sideways_->setPageStep(1);

    view_->setModel(model_);
    view_->setItemDelegate(new ListDelegate(view_, *model_, hooks_.duToPixelsX));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setTabKeyNavigation(false);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows one pixel above and below the text: the style's header margins
    // would otherwise make each row taller than that.
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 2);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->horizontalHeader()->setMinimumSectionSize(1);
    setFocusProxy(view_);

    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    view_->horizontalHeader()->viewport()->installEventFilter(this);
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                     [this](const QModelIndex& current) { OnCurrentRowChanged(current.row()); });
    QObject::connect(sideways_, &QScrollBar::valueChanged, this,
                     [this](int value) { ScrollSideways(value); });
}

void ListControl::SetRows(std::shared_ptr<const ListRows> rows) {
    programChange_ = true;
    model_->SetRows(std::move(rows));
    programChange_ = false;
    SetSelection(selection_);
}

void ListControl::SetFormat(const std::string& format) {
    ListFormat parsed = ParseListFormat(format);
    // Setting the same layout again (after a move) keeps the rows in view.
    if (!(parsed == model_->Format())) {
        programChange_ = true;
        model_->SetFormat(std::move(parsed));
        programChange_ = false;
        SetSelection(selection_);
    }
    ApplyColumnWidths();
    UpdateSideways();
}

void ListControl::SetBrowsing(bool browsing) {
    // A list that marks rows keeps the selection mode its marks need.
    if (browsing == browsing_) return;
    browsing_ = browsing;
    if (browsing) SetSelection(0);
    view_->setSelectionMode(browsing ? QAbstractItemView::NoSelection
                                     : QAbstractItemView::SingleSelection);
}

void ListControl::SetSelection(int row) {
    selection_ = browsing_ ? 0 : std::max(row, 0);
    if (marking_) return;  // the marks are the selection
    programChange_ = true;
    QItemSelectionModel* selection = view_->selectionModel();
    if (selection_ >= 1 && selection_ <= model_->rowCount()) {
        const QModelIndex index = model_->index(selection_ - 1, 0);
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view_->scrollTo(index);
    } else {
        selection->clear();
    }
    programChange_ = false;
}

void ListControl::ShowSelection() {
    if (selection_ >= 1 && selection_ <= model_->rowCount())
        view_->scrollTo(model_->index(selection_ - 1, 0));
}

void ListControl::SetMarking(bool marking) {
    if (marking == marking_) return;
    marking_ = marking;
    view_->setSelectionMode(marking ? QAbstractItemView::MultiSelection
                                    : QAbstractItemView::SingleSelection);
    if (!marking) return;
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!programChange_ && hooks_.post) hooks_.post(event::Accepted, 0);
    });
}

void ListControl::SetFillWidth(bool fill) {
    if (fill == fillWidth_) return;
    fillWidth_ = fill;
    ApplyColumnWidths();
}

void ListControl::SetMarks(const std::vector<bool>& marks) {
    if (!marking_) return;
    programChange_ = true;
    QItemSelection selection;
    const int rows = std::min<int>(model_->rowCount(), static_cast<int>(marks.size()));
    for (int row = 0; row < rows; ++row)
        if (marks[static_cast<std::size_t>(row)])
            selection.select(model_->index(row, 0),
                             model_->index(row, std::max(model_->columnCount() - 1, 0)));
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    programChange_ = false;
}

std::vector<bool> ListControl::Marks() const {
    std::vector<bool> marks(static_cast<std::size_t>(model_->rowCount()), false);
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        if (index.row() >= 0 && index.row() < static_cast<int>(marks.size()))
            marks[static_cast<std::size_t>(index.row())] = true;
    return marks;
}

void ListControl::OnCurrentRowChanged(int row) {
    if (programChange_ || browsing_) return;
    selection_ = row + 1;
    if (hooks_.post) hooks_.post(event::NewSelection, 0);
}

bool ListControl::HandleKey(const QKeyEvent& key) {
    const auto alert = [this](int code) {
        if (!hooks_.alerted || !hooks_.alerted(code)) return false;
        if (hooks_.post) hooks_.post(event::AlertKey, code);
        return true;
    };
    QScrollBar* down = view_->verticalScrollBar();
    switch (key.key()) {
        case Qt::Key_Tab:
            return alert(key.modifiers() & Qt::ShiftModifier ? key::ShiftTab : key::Tab);
        case Qt::Key_Backtab:
            return alert(key::ShiftTab);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return alert(key::Enter);
        case Qt::Key_F11:
            return alert(key::F11);
        case Qt::Key_Home:
        case Qt::Key_End: {
            const bool home = key.key() == Qt::Key_Home;
            if (browsing_) {
                down->triggerAction(home ? QAbstractSlider::SliderToMinimum
                                         : QAbstractSlider::SliderToMaximum);
                return true;
            }
            if (marking_ || model_->rowCount() == 0) return false;
            // The user's choice, as a click on that row would make it.
            const QModelIndex index = model_->index(home ? 0 : model_->rowCount() - 1,
                                                    std::max(view_->currentIndex().column(), 0));
            view_->setCurrentIndex(index);
            view_->scrollTo(index);
            return true;
        }
        default:
            break;
    }
    if (!browsing_) return false;
    QScrollBar* across = sideways_->isVisible() ? sideways_ : view_->horizontalScrollBar();
    switch (key.key()) {
        case Qt::Key_Up:
            down->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Down:
            down->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
            down->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_PageDown:
            down->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_Left:
            across->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
            across->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        default:
            return false;
    }
}

int ListControl::CellPadding() const {
    return 2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1);
}

void ListControl::ApplyColumnWidths() {
    const ListFormat& format = model_->Format();
    QHeaderView* header = view_->horizontalHeader();
    bool stretch = format.columns.empty();
    for (int c = 0; c < static_cast<int>(format.columns.size()); ++c) {
        const ListColumn& column = format.columns[static_cast<std::size_t>(c)];
        int width = 0;
        if (column.width >= 0) {
            width = (hooks_.duToPixelsX ? hooks_.duToPixelsX(column.width) : column.width) +
                    CellPadding();
        } else {
            width = view_->fontMetrics().horizontalAdvance(FromWin1252(column.header)) + 12;
            stretch = true;
        }
        if (column.rightBorder) width += 1;
        header->resizeSection(c, width);
    }
    header->setStretchLastSection(stretch || fillWidth_);
    // A list whose format names no column shows no header.
    header->setVisible(
        std::any_of(format.columns.begin(), format.columns.end(),
                    [](const ListColumn& column) { return !column.header.empty(); }));
}

void ListControl::UpdateSideways() {
    const ListFormat& format = model_->Format();
    if (!format.HasFixedColumn()) {
        sideways_->hide();
        ScrollSideways(0);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        return;
    }
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = view_->horizontalHeader();
    int total = 0;
    int scrollable = 0;
    for (int c = 0; c < static_cast<int>(format.columns.size()); ++c) {
        total += header->sectionSize(c);
        if (!format.columns[static_cast<std::size_t>(c)].fixed) ++scrollable;
    }
    if (total <= view_->viewport()->width() || scrollable < 2) {
        sideways_->hide();
        sideways_->setValue(0);
        ScrollSideways(0);
        return;
    }
    sideways_->setRange(0, scrollable - 1);
    sideways_->show();
    ScrollSideways(sideways_->value());
}

void ListControl::ScrollSideways(int firstShown) {
    const ListFormat& format = model_->Format();
    int k = 0;
    for (int c = 0; c < static_cast<int>(format.columns.size()); ++c) {
        if (format.columns[static_cast<std::size_t>(c)].fixed) {
            view_->setColumnHidden(c, false);
            continue;
        }
        view_->setColumnHidden(c, k++ < firstShown);
    }
}

void ListControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateSideways();
}

bool ListControl::eventFilter(QObject* watched, QEvent* event) {
    const bool onRows = watched == view_->viewport();
    const bool onHeader = watched == view_->horizontalHeader()->viewport();
    switch (event->type()) {
        case QEvent::FocusIn:
            if (watched == view_ && hooks_.post) hooks_.post(event::Selected, 0);
            break;
        case QEvent::KeyPress:
            if (watched == view_ && HandleKey(*static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonRelease:
            // The press on the blank area was kept from the view: so is its release.
            if (onRows && lastPressRow_ == 0 && !marking_) return true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!onRows && !onHeader) break;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (onHeader) {
                lastPressRow_ = 0;
            } else {
                const QModelIndex index = view_->indexAt(mouse->position().toPoint());
                lastPressRow_ = index.isValid() ? index.row() + 1 : 0;
            }
            int code = 0;
            if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonDblClick)
                code = key::MouseLeftDouble;
            else if (mouse->button() == Qt::RightButton)
                code = key::MouseRight;
            if (code != 0 && hooks_.alerted && hooks_.alerted(code)) {
                if (hooks_.post) hooks_.post(event::AlertKey, code);
                return true;
            }
            // A click below the rows would clear the selection.
            if (onRows && lastPressRow_ == 0 && !marking_) return true;
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- DropListControl ------------------------------------------------------------

DropListControl::DropListControl(QWidget* parent, ControlHooks hooks)
    : QComboBox(parent), hooks_(std::move(hooks)), model_(new ListModel(this)) {
    setModel(model_);
    setModelColumn(0);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
    QObject::connect(this, &QComboBox::activated, this, [this](int) {
        if (!programChange_ && hooks_.post) hooks_.post(event::NewSelection, 0);
    });
}

void DropListControl::SetRows(std::shared_ptr<const ListRows> rows) {
    const int keep = currentIndex();
    programChange_ = true;
    model_->SetRows(std::move(rows));
    setCurrentIndex(keep < count() ? keep : -1);
    programChange_ = false;
}

void DropListControl::SetFormat(const std::string& format) {
    ListFormat parsed = ParseListFormat(format);
    if (parsed == model_->Format()) return;
    const int keep = currentIndex();
    programChange_ = true;
    model_->SetFormat(std::move(parsed));
    setCurrentIndex(keep < count() ? keep : -1);
    programChange_ = false;
}

void DropListControl::SetSelection(int row) {
    programChange_ = true;
    setCurrentIndex(row >= 1 && row <= count() ? row - 1 : -1);
    programChange_ = false;
}

void DropListControl::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (hooks_.post) hooks_.post(event::Selected, 0);
}

}  // namespace rt::gui
