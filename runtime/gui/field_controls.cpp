#include "runtime/gui/field_controls.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "runtime/events.h"
#include "runtime/text_codec.h"

namespace rt::gui {

SpinControl::SpinControl(QWidget* parent, ControlHooks hooks, const ControlDef& def)
    : QSpinBox(parent) {
    setRange(def.low, std::max(def.low, def.high));
    // Typing commits on Enter or on leaving the field, not on every digit.
    setKeyboardTracking(false);
    // A window shows its opening value from the start, so nothing on the
    // window's own thread has to race the user to fill it in.
    bool isNumber = false;
    const int opening = QString::fromStdString(def.text).trimmed().toInt(&isNumber);
    if (isNumber) setValue(opening);
    connect(this, &QSpinBox::valueChanged, this, [hooks = std::move(hooks)](int) {
        if (hooks.post) hooks.post(event::Accepted, 0);
    });
}

void SpinControl::SetValueQuietly(int value) {
    const QSignalBlocker quiet(this);
    setValue(value);
}

ComboEntryControl::ComboEntryControl(QWidget* parent, ControlHooks hooks, const ControlDef& def)
    : QComboBox(parent), hooks_(std::move(hooks)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    if (!def.format.empty()) addItems(FromWin1252(def.format).split(QLatin1Char('|')));
    committed_ = currentText();
    connect(this, &QComboBox::activated, this, [this](int) { Commit(); });
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] { Commit(); });
}

void ComboEntryControl::SetTextQuietly(const QString& text) {
    quiet_ = true;
    setEditText(text);
    committed_ = text;
    quiet_ = false;
}

void ComboEntryControl::Commit() {
    if (quiet_ || currentText() == committed_) return;
    committed_ = currentText();
    if (hooks_.post) hooks_.post(event::Accepted, 0);
}

}  // namespace rt::gui
