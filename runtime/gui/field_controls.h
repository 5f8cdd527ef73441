// Entry fields of the runtime beyond the plain text: a spin field for whole
// numbers and a text field with a drop-down list of suggestions. Both post
// EVENT:Accepted when the user commits a value (an arrow step, Enter, or
// leaving a changed field); a value set by the program posts nothing.
#pragma once

#include <QComboBox>
#include <QSpinBox>

#include "runtime/gui/control_hooks.h"
#include "runtime/layout.h"

namespace rt::gui {

class SpinControl : public QSpinBox {
    Q_OBJECT

  public:
    SpinControl(QWidget* parent, ControlHooks hooks, const ControlDef& def);
    // Sets the value without posting an event.
    void SetValueQuietly(int value);
};

class ComboEntryControl : public QComboBox {
    Q_OBJECT

  public:
    ComboEntryControl(QWidget* parent, ControlHooks hooks, const ControlDef& def);
    void SetTextQuietly(const QString& text);

  private:
    void Commit();

    ControlHooks hooks_;
    QString committed_;
    bool quiet_ = false;
};

}  // namespace rt::gui
