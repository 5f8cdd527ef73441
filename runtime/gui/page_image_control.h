// A control that shows one page of a report's page images. The page is read
// from its image file the first time it is painted and drawn on demand, so a
// control costs nothing until it is on screen. It either fills its box (a
// thumbnail) or shows the page at a scale of its natural size, with scroll
// bars for the part that does not fit; after a resize the scroll positions
// stay in proportion. A focus border marks the page that has the focus.
//
// A left or right press posts EVENT:AlertKey with key::MouseLeft or
// key::MouseRight; LastPress tells where on the page it was.
#pragma once

#include <QAbstractScrollArea>
#include <QPicture>
#include <QPointF>
#include <optional>

#include "runtime/gui/control_hooks.h"

namespace rt {
class PageImages;
}

namespace rt::gui {

class PageImageControl : public QAbstractScrollArea {
    Q_OBJECT

  public:
    PageImageControl(QWidget* parent, ControlHooks hooks);

    // The page shown: page `number` of `pages` (which must outlive the
    // control's use of it); a null list or a number out of range shows a
    // blank page.
    void SetPage(const PageImages* pages, int number);
    int PageNumber() const { return number_; }
    // 0: the page fills the control; otherwise the page at this scale of
    // its natural size.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    void SetFocusBorder(bool on);
    bool FocusBorder() const { return focusBorder_; }
    // Scrolls so that the point of the page at (fx, fy), fractions of its
    // width and height, is in the middle of the view (as far as it goes).
    void ScrollTo(QPointF fraction);
    // The point of the page last pressed, as fractions of its size.
    QPointF LastPress() const { return lastPress_; }
    // The page's size on screen in pixels.
    QSize ContentSize() const;
    // How many times the page was read from its file (for tests).
    int Loads() const { return loads_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    QRectF PageRect() const;
    void UpdateScrollBars(std::optional<QPointF> keepCentre);
    QPointF Centre() const;

    ControlHooks hooks_;
    const PageImages* pages_ = nullptr;
    int number_ = 0;
    double scale_ = 0;
    bool focusBorder_ = false;
    std::optional<QPicture> picture_;
    QPointF lastPress_;
    // The point of the page in the middle of the view, kept as the user
    // scrolls, so that a resize can keep it there.
    QPointF centre_{0.5, 0.0};
    bool adjusting_ = false;
    int loads_ = 0;
};

}  // namespace rt::gui
