// WindowRef operations on controls made at run time, spin fields and
// page-image controls.
#include <QScreen>
#include <QSpinBox>
#include <cmath>

#include "runtime/dialog_units.h"
#include "runtime/page_image_control.h"
#include "runtime/page_images.h"
#include "runtime/text_codec.h"
#include "runtime/window.h"
#include "runtime/window_calls_p.h"

namespace rt {

using detail::Do;
using detail::WithWindow;

void WindowRef::CreateControls(const std::vector<ControlDef>& controls) const {
    if (controls.empty()) return;
    Do(id_, [&](gui::GuiWindow& w) {
        for (const ControlDef& def : controls) w.AddControl(def);
    });
}

void WindowRef::DestroyControls(const std::vector<int>& controls) const {
    if (controls.empty()) return;
    Do(id_, [&](gui::GuiWindow& w) {
        for (int number : controls) w.RemoveControl(number);
    });
}

bool WindowRef::HasControl(int control) const {
    return WithWindow<bool>(id_, false,
                            [&](gui::GuiWindow& w) { return w.Control(control) != nullptr; });
}

void WindowRef::SetRange(int control, int low, int high) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (auto* spin = qobject_cast<QSpinBox*>(w.Control(control))) {
            const QSignalBlocker quiet(spin);
            spin->setRange(low, std::max(low, high));
        }
    });
}

void WindowRef::SetTip(int control, const std::string& tip) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (QWidget* widget = w.Control(control)) widget->setToolTip(FromWin1252(tip));
    });
}

void WindowRef::ShowPageImages(const std::vector<PageImageView>& views) const {
    if (views.empty()) return;
    Do(id_, [&](gui::GuiWindow& w) {
        for (const PageImageView& view : views) {
            auto* image = qobject_cast<gui::PageImageControl*>(w.Control(view.control));
            if (image == nullptr) continue;
            image->SetPage(view.pages, view.page);
            image->SetScale(view.scale);
            image->SetFocusBorder(view.focus);
            if (view.scroll) image->ScrollTo(QPointF(view.scrollX, view.scrollY));
        }
    });
}

PagePoint WindowRef::LastPagePress(int control) const {
    return WithWindow<PagePoint>(id_, {}, [&](gui::GuiWindow& w) {
        auto* image = qobject_cast<gui::PageImageControl*>(w.Control(control));
        if (image == nullptr) return PagePoint{};
        return PagePoint{image->LastPress().x(), image->LastPress().y()};
    });
}

UnitPoint WindowRef::PageUnits(const PageImages& pages, int page) const {
    const QSizeF thousandths = pages.PageSize(page);
    return WithWindow<UnitPoint>(id_, {}, [&](gui::GuiWindow& w) {
        QWidget* content = w.Content();
        const int dpiX = content != nullptr ? content->logicalDpiX() : 96;
        const int dpiY = content != nullptr ? content->logicalDpiY() : 96;
        const auto px = [](double thou, int dpi) {
            return static_cast<int>(std::lround(thou * dpi / 1000.0));
        };
        return UnitPoint{w.PixelsToDuX(px(thousandths.width(), dpiX)),
                         w.PixelsToDuY(px(thousandths.height(), dpiY))};
    });
}

UnitsPerInch WindowRef::InchUnits() const {
    return WithWindow<UnitsPerInch>(id_, {}, [](gui::GuiWindow& w) {
        QWidget* content = w.Content();
        const int dpiX = content != nullptr ? content->logicalDpiX() : 96;
        const int dpiY = content != nullptr ? content->logicalDpiY() : 96;
        const QFontMetrics metrics(w.Font());
        const int unitX = DialogBaseUnitX(metrics);
        const int unitY = metrics.height();
        if (unitX <= 0 || unitY <= 0) return UnitsPerInch{};
        return UnitsPerInch{dpiX * 4.0 / unitX, dpiY * 8.0 / unitY};
    });
}

}  // namespace rt
