#include "runtime/gui/chooser_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "runtime/text_codec.h"

namespace rt::gui {
namespace {

constexpr int kEntryRole = Qt::UserRole + 1;  // the entry's 1-based number
constexpr int kShownRows = 20;

}  // namespace

ChooserDialog::ChooserDialog(QWidget* parent, const ChooserRequest& request)
    : QDialog(parent), filter_(new QLineEdit(this)), entries_(new QListWidget(this)) {
    setWindowTitle(FromWin1252(request.title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(filter_);
    layout->addWidget(entries_);
    filter_->setPlaceholderText(QStringLiteral("Type to search"));
    filter_->setClearButtonEnabled(true);
    entries_->setUniformItemSizes(true);
    entries_->setFocusPolicy(Qt::NoFocus);
    int widest = 0;
    for (std::size_t i = 0; i < request.items.size(); ++i) {
        auto* item = new QListWidgetItem(FromWin1252(request.items[i]), entries_);
        item->setData(kEntryRole, static_cast<int>(i + 1));
        widest = std::max(widest, entries_->fontMetrics().horizontalAdvance(item->text()));
    }
    if (request.current >= 1 && request.current <= entries_->count())
        entries_->setCurrentRow(request.current - 1);
    else if (entries_->count() > 0)
        entries_->setCurrentRow(0);
    const int rows = std::min(std::max(entries_->count(), 1), kShownRows);
    entries_->setMinimumSize(
        widest + entries_->verticalScrollBar()->sizeHint().width() + 4 * entries_->frameWidth() + 8,
        rows * (entries_->fontMetrics().height() + 2) + 2 * entries_->frameWidth());
    filter_->installEventFilter(this);
    QObject::connect(filter_, &QLineEdit::textChanged, this,
                     [this](const QString& text) { Narrow(text); });
    QObject::connect(entries_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    filter_->setFocus();
}

void ChooserDialog::Narrow(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < entries_->count(); ++row) {
        QListWidgetItem* item = entries_->item(row);
        const bool shown = item->text().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr) first = item;
    }
    QListWidgetItem* current = entries_->currentItem();
    if (current == nullptr || current->isHidden()) entries_->setCurrentItem(first);
    if (entries_->currentItem() != nullptr) entries_->scrollToItem(entries_->currentItem());
}

int ChooserDialog::Chosen() const {
    const QListWidgetItem* item = entries_->currentItem();
    if (item == nullptr || item->isHidden()) return 0;
    return item->data(kEntryRole).toInt();
}

void ChooserDialog::PlaceAt(const QPoint& corner) {
    adjustSize();
    QScreen* screen = QGuiApplication::screenAt(corner);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    QRect box(corner, frameGeometry().size());
    if (screen != nullptr) {
        const QRect room = screen->availableGeometry();
        box.moveRight(std::min(box.right(), room.right()));
        box.moveBottom(std::min(box.bottom(), room.bottom()));
        box.moveLeft(std::max(box.left(), room.left()));
        box.moveTop(std::max(box.top(), room.top()));
    }
    move(box.topLeft());
}

bool ChooserDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                // The list moves; the text field keeps the keyboard.
                QApplication::sendEvent(entries_, event);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (Chosen() != 0) accept();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace rt::gui
