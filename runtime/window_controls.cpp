// WindowRef operations on list controls and on the placement of controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "runtime/list_control.h"
#include "runtime/window.h"
#include "runtime/window_calls_p.h"

namespace rt {
namespace {

using detail::Do;
using detail::WithWindow;

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

}  // namespace rt
