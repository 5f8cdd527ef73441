// A table model over one immutable snapshot of a list control's rows. The
// program hands a whole snapshot over in one call; the model only points at
// it, so a list of any length costs no widget and no copy per row.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "runtime/core/list_format.h"
#include "runtime/core/list_rows.h"

namespace rt::gui {

class ListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Roles beyond Qt's own, read by the list's delegate.
    enum Role {
        SelectedForegroundRole = Qt::UserRole + 1,
        SelectedBackgroundRole,
    };

    explicit ListModel(QObject* parent = nullptr);

    void SetRows(std::shared_ptr<const ListRows> rows);
    void SetFormat(ListFormat format);
    const ListFormat& Format() const { return format_; }
    const ListRows& Rows() const { return *rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const ListColumn* Column(int column) const;

    std::shared_ptr<const ListRows> rows_;
    ListFormat format_;
};

// A colour number in the system's order (0x00BBGGRR) as a Qt colour; an
// invalid colour for -1 (the list's default).
QColor ColourFromNumber(std::int32_t number);

}  // namespace rt::gui
