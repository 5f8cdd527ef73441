// The string control: a text on one line in a box of its own. A text wider
// than a box of a given size is cut with an ellipsis where the box ends, so
// that it never seems to run on under the control beside it, and the whole
// text shows as the control's tip (unless it has a tip of its own). The
// control's text stays the whole text.
#pragma once

#include <QLabel>

namespace rt::gui {

class TextControl : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    // Whether the text is wider than the box and is shown cut.
    bool Cut() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace rt::gui
