// The searchable chooser: a text field above a list of entries. Typing
// narrows the list to the entries holding the text (any letter case); the
// arrows and Page keys move in the list while the text field keeps the
// keyboard; Enter or a double-click chooses, Esc cancels.
#pragma once

#include <QDialog>
#include <vector>

#include "runtime/dialogs.h"

class QLineEdit;
class QListWidget;

namespace rt::gui {

class ChooserDialog : public QDialog {
    Q_OBJECT

  public:
    ChooserDialog(QWidget* parent, const ChooserRequest& request);

    // Puts the dialog's top left corner at `corner` (screen pixels), moved
    // as little as needed to keep it whole on that screen.
    void PlaceAt(const QPoint& corner);
    // The chosen entry (1-based), 0 for none.
    int Chosen() const;
    QLineEdit* Filter() const { return filter_; }
    QListWidget* Entries() const { return entries_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Narrow(const QString& text);

    QLineEdit* filter_;
    QListWidget* entries_;
};

}  // namespace rt::gui
