#include "runtime/window_ref.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QSpinBox>
#include <QTextEdit>
#include <QWidget>
#include <cmath>

#include "runtime/dialogs.h"
#include "runtime/event_queue.h"
#include "runtime/gui/dialog_units.h"
#include "runtime/gui/field_controls.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/list_control.h"
#include "runtime/gui/page_image_control.h"
#include "runtime/gui/window_calls_p.h"
#include "runtime/page_images.h"
#include "runtime/program_threads.h"
#include "runtime/text_codec.h"
#include "runtime/text_measure.h"

namespace rt {

namespace {

using gui::Do;
using gui::WithWindow;

QString ControlText(QWidget* widget) {
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) return QString::number(spin->value());
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return widget->windowTitle();
}

void SetControlText(QWidget* widget, const QString& text) {
    if (auto* spin = qobject_cast<gui::SpinControl*>(widget))
        return spin->SetValueQuietly(text.toInt());
    if (auto* combo = qobject_cast<gui::ComboEntryControl*>(widget))
        return combo->SetTextQuietly(text);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
}

// The standard clipboard actions act on the control that has the focus.

}  // namespace

// ---- WindowRef ---------------------------------------------------------------

void WindowRef::SetTitle(const std::string& title) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (QWidget* outer = w.Outer()) outer->setWindowTitle(FromWin1252(title));
    });
}

std::string WindowRef::Title() const {
    return WithWindow<std::string>(id_, {}, [](gui::GuiWindow& w) {
        return w.Outer() ? ToWin1252(w.Outer()->windowTitle()) : std::string();
    });
}

void WindowRef::SetText(int control, const std::string& text) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (control < 0) {
            if (QAction* item = w.MenuItem(control)) item->setText(FromWin1252(text));
        } else if (QWidget* widget = w.Control(control)) {
            SetControlText(widget, FromWin1252(text));
            gui::FitToText(widget);
        }
    });
}

std::string WindowRef::Text(int control) const {
    return WithWindow<std::string>(id_, {}, [&](gui::GuiWindow& w) {
        if (control < 0) {
            QAction* item = w.MenuItem(control);
            if (item == nullptr) return std::string();
            QString text = item->text();
            if (!item->shortcut().isEmpty())
                text += QLatin1Char('\t') +
                        item->shortcut().toString().replace(QLatin1Char('+'), QLatin1Char('-'));
            return ToWin1252(text);
        }
        QWidget* widget = w.Control(control);
        return widget ? ToWin1252(ControlText(widget)) : std::string();
    });
}

void WindowRef::Enable(int control, bool enabled) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (control < 0) {
            if (QAction* item = w.MenuItem(control)) item->setEnabled(enabled);
        } else if (QWidget* widget = w.Control(control)) {
            widget->setEnabled(enabled);
        }
    });
}

bool WindowRef::IsEnabled(int control) const {
    return WithWindow<bool>(id_, false, [&](gui::GuiWindow& w) {
        if (control < 0) {
            QAction* item = w.MenuItem(control);
            return item != nullptr && item->isEnabled();
        }
        QWidget* widget = w.Control(control);
        return widget != nullptr && widget->isEnabled();
    });
}

void WindowRef::Hide(int control, bool hidden) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (control < 0) {
            if (QAction* item = w.MenuItem(control)) item->setVisible(!hidden);
        } else if (QWidget* widget = w.Control(control)) {
            widget->setHidden(hidden);
        }
    });
}

bool WindowRef::IsHidden(int control) const {
    return WithWindow<bool>(id_, true, [&](gui::GuiWindow& w) {
        if (control < 0) {
            QAction* item = w.MenuItem(control);
            return item == nullptr || !item->isVisible();
        }
        QWidget* widget = w.Control(control);
        return widget == nullptr || widget->isHidden();
    });
}

void WindowRef::Select(int control) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (QWidget* widget = w.Control(control)) widget->setFocus();
    });
}

int WindowRef::FocusedControl() const {
    return WithWindow<int>(id_, 0, [](gui::GuiWindow& w) {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? w.ControlNumberOf(focus) : 0;
    });
}

namespace {

void ShowStatusText(gui::GuiWindow& w, int zone, const std::string& text) {
    QLabel* label = w.StatusZone(zone);
    if (label == nullptr) return;
    label->setText(FromWin1252(text));
    // A zone of fixed width grows (never shrinks) to show its whole text.
    const int needed = label->sizeHint().width();
    if (label->minimumWidth() == label->maximumWidth() && needed > label->width())
        label->setFixedWidth(needed);
}

}  // namespace

void WindowRef::SetStatus(int zone, const std::string& text) const {
    Do(id_, [&](gui::GuiWindow& w) { ShowStatusText(w, zone, text); });
}

void WindowRef::SetStatus(const std::vector<std::pair<int, std::string>>& texts) const {
    Do(id_, [&](gui::GuiWindow& w) {
        for (const auto& [zone, text] : texts) ShowStatusText(w, zone, text);
    });
}

void WindowRef::PostStatus(std::vector<std::pair<int, std::string>> texts) const {
    if (id_ == 0) return;
    gui::GuiPost([id = id_, texts = std::move(texts)] {
        if (gui::GuiWindow* w = gui::Find(id))
            for (const auto& [zone, text] : texts) ShowStatusText(*w, zone, text);
    });
}

std::string WindowRef::Status(int zone) const {
    return WithWindow<std::string>(id_, {}, [&](gui::GuiWindow& w) {
        QLabel* label = w.StatusZone(zone);
        return label ? ToWin1252(label->text()) : std::string();
    });
}

void WindowRef::SetMinimumSize(int width, int height) const {
    Do(id_, [&](gui::GuiWindow& w) { w.SetMinimumSize(width, height); });
}

void WindowRef::SetAlertKey(int keyCode, bool on) const {
    Do(id_, [&](gui::GuiWindow& w) { w.SetAlertKey(keyCode, on); });
}

void WindowRef::Display() const {
    Do(id_, [](gui::GuiWindow& w) {
        if (QWidget* outer = w.Outer()) outer->update();
    });
}

void WindowRef::Iconize() const {
    Do(id_, [](gui::GuiWindow& w) {
        if (QWidget* outer = w.Outer()) outer->showMinimized();
    });
}

void WindowRef::Restore() const {
    Do(id_, [](gui::GuiWindow& w) {
        if (QWidget* outer = w.Outer()) outer->showNormal();
    });
}

bool WindowRef::IsVisible() const {
    return WithWindow<bool>(id_, false, [](gui::GuiWindow& w) {
        return w.Outer() != nullptr && w.Outer()->isVisible();
    });
}

void WindowRef::PressKey(int qtKey) const {
    Do(id_, [qtKey](gui::GuiWindow& w) {
        QWidget* target = w.Content() != nullptr ? w.Content() : w.Outer();
        if (target == nullptr) return;
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    });
}

void WindowRef::Click(int mouseKey) const {
    Do(id_, [mouseKey](gui::GuiWindow& w) {
        QWidget* target = w.Content() != nullptr ? w.Content() : w.Outer();
        if (target == nullptr) return;
        const QPointF local(target->width() / 2.0, target->height() / 2.0);
        const QPointF global = target->mapToGlobal(local);
        const Qt::MouseButton button =
            mouseKey == key::MouseRight ? Qt::RightButton : Qt::LeftButton;
        const QEvent::Type type = mouseKey == key::MouseLeftDouble ? QEvent::MouseButtonDblClick
                                                                   : QEvent::MouseButtonPress;
        QMouseEvent click(type, local, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &click);
    });
}

void WindowRef::PostEvent(int eventNumber, int control) const {
    rt::PostEvent(thread_, Event{eventNumber, control, 0, id_});
}

bool WindowRef::IsIconized() const {
    return WithWindow<bool>(
        id_, false, [](gui::GuiWindow& w) { return w.Outer() && w.Outer()->isMinimized(); });
}
bool WindowRef::IsMaximized() const {
    return WithWindow<bool>(
        id_, false, [](gui::GuiWindow& w) { return w.Outer() && w.Outer()->isMaximized(); });
}
bool WindowRef::HasResizableFrame() const {
    return WithWindow<bool>(id_, false, [](gui::GuiWindow& w) {
        return w.Outer() && w.Outer()->minimumSize() != w.Outer()->maximumSize();
    });
}
int WindowRef::X() const {
    return WithWindow<int>(id_, 0,
                           [](gui::GuiWindow& w) { return w.Outer() ? w.Outer()->x() : 0; });
}
int WindowRef::Y() const {
    return WithWindow<int>(id_, 0,
                           [](gui::GuiWindow& w) { return w.Outer() ? w.Outer()->y() : 0; });
}
int WindowRef::Width() const {
    return WithWindow<int>(id_, 0,
                           [](gui::GuiWindow& w) { return w.Outer() ? w.Outer()->width() : 0; });
}
int WindowRef::Height() const {
    return WithWindow<int>(id_, 0,
                           [](gui::GuiWindow& w) { return w.Outer() ? w.Outer()->height() : 0; });
}
void WindowRef::SetX(int x) {
    Do(id_, [x](gui::GuiWindow& w) {
        if (QWidget* o = w.Outer()) o->move(x, o->y());
    });
}
void WindowRef::SetY(int y) {
    Do(id_, [y](gui::GuiWindow& w) {
        if (QWidget* o = w.Outer()) o->move(o->x(), y);
    });
}
void WindowRef::SetWidth(int width) {
    Do(id_, [width](gui::GuiWindow& w) {
        if (QWidget* o = w.Outer()) o->resize(width, o->height());
    });
}
void WindowRef::SetHeight(int height) {
    Do(id_, [height](gui::GuiWindow& w) {
        if (QWidget* o = w.Outer()) o->resize(o->width(), height);
    });
}
void WindowRef::SetMaximized(bool maximized) {
    Do(id_, [maximized](gui::GuiWindow& w) {
        if (QWidget* o = w.Outer()) {
            if (maximized)
                o->showMaximized();
            else
                o->showNormal();
        }
    });
}

// ---- Lists and placements ----------------------------------------------------

namespace {

gui::ListControl* ListAt(gui::GuiWindow& w, int control) {
    return qobject_cast<gui::ListControl*>(w.Control(control));
}
gui::DropListControl* DropListAt(gui::GuiWindow& w, int control) {
    return qobject_cast<gui::DropListControl*>(w.Control(control));
}

void Place(gui::GuiWindow& w, const ControlPlacement& placement) {
    QWidget* widget = w.Control(placement.control);
    if (widget == nullptr) return;
    QRect box = widget->geometry();
    const auto keep = ControlPlacement::kKeep;
    if (placement.x != keep) box.moveLeft(w.DuToPixelsX(placement.x));
    if (placement.y != keep) box.moveTop(w.DuToPixelsY(placement.y));
    if (placement.width != keep) box.setWidth(std::max(0, w.DuToPixelsX(placement.width)));
    if (placement.height != keep) box.setHeight(std::max(0, w.DuToPixelsY(placement.height)));
    if (box != widget->geometry()) widget->setGeometry(box);
    if (placement.hidden) widget->setHidden(*placement.hidden);
    if (placement.enabled) widget->setEnabled(*placement.enabled);
}

void ApplyRows(gui::GuiWindow& w, int control, const std::shared_ptr<const ListRows>& rows) {
    if (auto* list = ListAt(w, control))
        list->SetRows(rows);
    else if (auto* drop = DropListAt(w, control))
        drop->SetRows(rows);
}

void ApplyFormat(gui::GuiWindow& w, int control, const std::string& format) {
    if (auto* list = ListAt(w, control))
        list->SetFormat(format);
    else if (auto* drop = DropListAt(w, control))
        drop->SetFormat(format);
}

void ApplySelection(gui::GuiWindow& w, int control, int row) {
    if (auto* list = ListAt(w, control))
        list->SetSelection(row);
    else if (auto* drop = DropListAt(w, control))
        drop->SetSelection(row);
}

}  // namespace

void WindowRef::SetListRows(int control, std::shared_ptr<const ListRows> rows) const {
    Do(id_, [&](gui::GuiWindow& w) { ApplyRows(w, control, rows); });
}

void WindowRef::SetListFormat(int control, const std::string& format) const {
    Do(id_, [&](gui::GuiWindow& w) { ApplyFormat(w, control, format); });
}

void WindowRef::SetListSelection(int control, int row) const {
    Do(id_, [&](gui::GuiWindow& w) { ApplySelection(w, control, row); });
}

void WindowRef::ShowListSelection(int control) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (auto* list = ListAt(w, control)) list->ShowSelection();
    });
}

void WindowRef::SetLists(const std::vector<ListContents>& lists) const {
    Do(id_, [&](gui::GuiWindow& w) {
        for (const ListContents& contents : lists) {
            if (contents.rows) ApplyRows(w, contents.control, contents.rows);
            if (contents.format) ApplyFormat(w, contents.control, *contents.format);
            if (contents.selection) ApplySelection(w, contents.control, *contents.selection);
        }
    });
}

int WindowRef::ListSelection(int control) const {
    return WithWindow<int>(id_, 0, [&](gui::GuiWindow& w) {
        if (auto* list = ListAt(w, control)) return list->Selection();
        if (auto* drop = DropListAt(w, control)) return drop->Selection();
        return 0;
    });
}

int WindowRef::ListRowCount(int control) const {
    return WithWindow<int>(id_, 0, [&](gui::GuiWindow& w) {
        if (auto* list = ListAt(w, control)) return list->RowCount();
        if (auto* drop = DropListAt(w, control)) return drop->count();
        return 0;
    });
}

void WindowRef::SetChecked(int control, bool checked) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (auto* box = qobject_cast<QCheckBox*>(w.Control(control))) box->setChecked(checked);
    });
}

bool WindowRef::IsChecked(int control) const {
    return WithWindow<bool>(id_, false, [&](gui::GuiWindow& w) {
        auto* box = qobject_cast<QCheckBox*>(w.Control(control));
        return box != nullptr && box->isChecked();
    });
}

void WindowRef::SetListMarks(int control, const std::vector<bool>& marks) const {
    Do(id_, [&](gui::GuiWindow& w) {
        if (auto* list = ListAt(w, control)) list->SetMarks(marks);
    });
}

std::vector<bool> WindowRef::ListMarks(int control) const {
    return WithWindow<std::vector<bool>>(id_, {}, [&](gui::GuiWindow& w) {
        auto* list = ListAt(w, control);
        return list != nullptr ? list->Marks() : std::vector<bool>{};
    });
}

int WindowRef::ListPressRow(int control) const {
    return WithWindow<int>(id_, 0, [&](gui::GuiWindow& w) {
        auto* list = ListAt(w, control);
        return list != nullptr ? list->LastPressRow() : 0;
    });
}

void WindowRef::ApplyPlacements(const std::vector<ControlPlacement>& placements) const {
    Do(id_, [&](gui::GuiWindow& w) {
        QWidget* content = w.Content();
        if (content == nullptr) return;
        // One repaint for the whole batch.
        content->setUpdatesEnabled(false);
        for (const ControlPlacement& placement : placements) Place(w, placement);
        content->setUpdatesEnabled(true);
    });
}

void WindowRef::SetControlPosition(int control, int x, int y, int width, int height) const {
    ApplyPlacements({ControlPlacement::Box(control, x, y, width, height)});
}

ControlBox WindowRef::ControlPosition(int control) const {
    return WithWindow<ControlBox>(id_, {}, [&](gui::GuiWindow& w) {
        QWidget* widget = w.Control(control);
        if (widget == nullptr) return ControlBox{};
        const QRect box = widget->geometry();
        return ControlBox{w.PixelsToDuX(box.x()), w.PixelsToDuY(box.y()),
                          w.PixelsToDuX(box.width()), w.PixelsToDuY(box.height())};
    });
}

int WindowRef::ClientWidth() const {
    return WithWindow<int>(id_, 0, [](gui::GuiWindow& w) {
        return w.Content() != nullptr ? w.PixelsToDuX(w.Content()->width()) : 0;
    });
}

int WindowRef::ClientHeight() const {
    return WithWindow<int>(id_, 0, [](gui::GuiWindow& w) {
        return w.Content() != nullptr ? w.PixelsToDuY(w.Content()->height()) : 0;
    });
}

UnitPoint WindowRef::MousePosition() const {
    return WithWindow<UnitPoint>(id_, {}, [](gui::GuiWindow& w) {
        if (w.Content() == nullptr) return UnitPoint{};
        const QPoint local = w.Content()->mapFromGlobal(w.MouseGlobal());
        return UnitPoint{w.PixelsToDuX(local.x()), w.PixelsToDuY(local.y())};
    });
}

UnitPoint WindowRef::ToScreen(int x, int y) const {
    return WithWindow<UnitPoint>(id_, {}, [&](gui::GuiWindow& w) {
        if (w.Content() == nullptr) return UnitPoint{};
        const QPoint global = w.Content()->mapToGlobal(QPoint(w.DuToPixelsX(x), w.DuToPixelsY(y)));
        return UnitPoint{global.x(), global.y()};
    });
}

// ---- Controls made at run time and page images --------------------------------

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
        const int unitX = gui::DialogBaseUnitX(metrics);
        const int unitY = metrics.height();
        if (unitX <= 0 || unitY <= 0) return UnitsPerInch{};
        return UnitsPerInch{dpiX * 4.0 / unitX, dpiY * 8.0 / unitY};
    });
}

TextMeasure WindowRef::Measure(bool bold) const {
    const QFont font = WithWindow<QFont>(id_, QFont(), [](gui::GuiWindow& w) {
        QFont copy = w.Font();
        // A setter detaches the copy from the window's own font data.
        copy.setPointSizeF(copy.pointSizeF());
        return copy;
    });
    if (IsNull()) return TextMeasure();
    return TextMeasure::ForWindowFont(font, bold);
}

}  // namespace rt
