#include "runtime/gui/list_model.h"

#include <QColor>

#include "runtime/text_codec.h"

namespace rt::gui {
namespace {

Qt::Alignment AlignmentOf(Justify justify) {
    switch (justify) {
        case Justify::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Justify::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Justify::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Cells are blank-padded fields: the padding is not shown (it would push a
// right-justified text away from its edge).
QString CellText(const std::string& bytes) {
    const std::size_t last = bytes.find_last_not_of(' ');
    if (last == std::string::npos) return {};
    return FromWin1252(std::string_view(bytes).substr(0, last + 1));
}

QVariant Colour(std::int32_t number) {
    const QColor colour = ColourFromNumber(number);
    return colour.isValid() ? QVariant(colour) : QVariant();
}

}  // namespace

QColor ColourFromNumber(std::int32_t number) {
    if (number < 0) return {};
    const auto value = static_cast<std::uint32_t>(number);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

ListModel::ListModel(QObject* parent)
    : QAbstractTableModel(parent), rows_(std::make_shared<const ListRows>()) {}

void ListModel::SetRows(std::shared_ptr<const ListRows> rows) {
    beginResetModel();
    rows_ = rows ? std::move(rows) : std::make_shared<const ListRows>();
    endResetModel();
}

void ListModel::SetFormat(ListFormat format) {
    beginResetModel();
    format_ = std::move(format);
    endResetModel();
}

const ListColumn* ListModel::Column(int column) const {
    if (column < 0 || column >= static_cast<int>(format_.columns.size())) return nullptr;
    return &format_.columns[static_cast<std::size_t>(column)];
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_->size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    if (!format_.columns.empty()) return static_cast<int>(format_.columns.size());
    // Without a format every data field of a row is a plain column.
    return rows_->empty() ? 1 : std::max<int>(1, static_cast<int>(rows_->front().size()));
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_->size())) return {};
    const ListRow& row = (*rows_)[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    const ListColumn* format = Column(index.column());
    const ListCell* cell = column < row.size() ? &row[column] : nullptr;
    switch (role) {
        case Qt::DisplayRole:
            return cell != nullptr ? CellText(cell->text) : QString();
        case Qt::TextAlignmentRole:
            return static_cast<int>(AlignmentOf(format ? format->justify : Justify::Left));
        default:
            break;
    }
    if (cell == nullptr || format == nullptr || !format->colours) return {};
    switch (role) {
        case Qt::ForegroundRole:
            return Colour(cell->colours.normalForeground);
        case Qt::BackgroundRole:
            return Colour(cell->colours.normalBackground);
        case SelectedForegroundRole:
            return Colour(cell->colours.selectedForeground);
        case SelectedBackgroundRole:
            return Colour(cell->colours.selectedBackground);
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    const ListColumn* format = Column(section);
    if (role == Qt::DisplayRole) return format ? FromWin1252(format->header) : QString();
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(AlignmentOf(format ? format->justify : Justify::Left));
    return {};
}

}  // namespace rt::gui
