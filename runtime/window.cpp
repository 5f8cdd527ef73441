#include "runtime/window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTextEdit>
#include <QWidget>

#include "runtime/dialogs.h"
#include "runtime/event_queue.h"
#include "runtime/field_controls.h"
#include "runtime/gui_thread.h"
#include "runtime/gui_window.h"
#include "runtime/program_threads.h"
#include "runtime/text_codec.h"
#include "runtime/window_calls_p.h"

namespace rt {
namespace {

using detail::Do;
using detail::WithWindow;

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
void ClipboardAction(StandardAction action) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return;
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        if (action == StandardAction::Cut) edit->cut();
        if (action == StandardAction::Copy) edit->copy();
        if (action == StandardAction::Paste) edit->paste();
    } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        if (action == StandardAction::Cut) text->cut();
        if (action == StandardAction::Copy) text->copy();
        if (action == StandardAction::Paste) text->paste();
    }
}

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

std::vector<OpenWindowInfo> OpenWindows() {
    return GuiCall<std::vector<OpenWindowInfo>>([] {
        std::vector<OpenWindowInfo> all;
        for (gui::GuiWindow* w : gui::AllWindows())
            all.push_back(OpenWindowInfo{w->Id(), w->OwnerThread(), w->Label(),
                                         w->Outer() != nullptr && w->Outer()->isVisible()});
        return all;
    });
}

void Beep() {
    GuiInvoke([] { QApplication::beep(); });
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
    GuiPost([id = id_, texts = std::move(texts)] {
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

// ---- Window ------------------------------------------------------------------

Window::Window(Layout layout) : layout_(std::move(layout)) {
    SetTimer(layout_.timer);
}

Window::~Window() {
    Close();
}

void Window::Open() {
    if (!ref_.IsNull()) return;
    const int thread = ThisThread();
    const std::uint64_t id = GuiCall<std::uint64_t>([&]() -> std::uint64_t {
        const std::uint64_t created = gui::CreateWindow(layout_, thread);
        gui::Find(created)->Show();
        return created;
    });
    ref_ = WindowRef(id, thread);
    closed_ = id == 0;
    if (EventQueue* queue = ThisQueue()) queue->PushFront(Event{event::OpenWindow, 0, 0, id});
    lastTick_ = std::chrono::steady_clock::now();
    lastWasTimer_ = true;  // so that EVENT:OpenWindow comes before any tick
}

void Window::Close() {
    if (ref_.IsNull() || closed_) return;
    closed_ = true;
    const std::uint64_t id = ref_.Id();
    GuiInvoke([id] { gui::DestroyWindow(id); });
}

void Window::SetTimer(int hundredths) {
    SetTimerPeriod(std::chrono::microseconds(static_cast<long long>(hundredths) * 10000));
}

void Window::SetTimerPeriod(std::chrono::microseconds period) {
    timerMicros_.store(period.count() > 0 ? period.count() : 0);
    lastTick_ = std::chrono::steady_clock::now();
}

int Window::Timer() const {
    return static_cast<int>(timerMicros_.load() / 10000);
}

void Window::DefaultHandling(const Event& event) {
    switch (event.number) {
        case event::CloseWindow:
        case event::CloseDown:
            EndLoop();
            break;
        case event::Accepted: {
            if (event.control >= 0) break;
            const std::uint64_t id = ref_.Id();
            const StandardAction action = WithWindow<StandardAction>(
                id, StandardAction::None,
                [&](gui::GuiWindow& w) { return w.ActionOf(event.control); });
            switch (action) {
                case StandardAction::Close:
                    ref_.PostEvent(event::CloseWindow);
                    break;
                case StandardAction::PrintSetup:
                    Dialogs().PrinterSetup({"Print Setup", PrinterDialogMode::Print});
                    break;
                case StandardAction::Cut:
                case StandardAction::Copy:
                case StandardAction::Paste:
                    GuiInvoke([action] { ClipboardAction(action); });
                    break;
                case StandardAction::None:
                    break;
            }
            break;
        }
        default:
            break;
    }
}

bool Window::Accept() {
    if (defaultPending_) {
        defaultPending_ = false;
        DefaultHandling(last_);
    }
    EventQueue* queue = ThisQueue();
    if (queue == nullptr) return false;
    using Clock = std::chrono::steady_clock;
    while (!closed_ && !loopEnded_) {
        const long long micros = timerMicros_.load();
        std::optional<Clock::time_point> due;
        if (micros > 0) due = lastTick_ + std::chrono::microseconds(micros);
        std::optional<Event> next;
        // A due timer goes first unless the previous event was a tick, so
        // that neither a busy queue nor a short period starves the other.
        if (due && Clock::now() >= *due && !lastWasTimer_) {
            next.reset();
        } else {
            next = queue->TryPop();
            if (!next) next = queue->WaitUntil(due);
        }
        if (!next) {
            if (!due || Clock::now() < *due) continue;
            lastTick_ = Clock::now();
            next = Event{event::Timer, 0, 0, ref_.Id()};
        }
        // Events raised for another window of this thread (one that has
        // closed, or lies under this one) are not this loop's.
        if (next->window != 0 && next->window != ref_.Id()) continue;
        lastWasTimer_ = next->number == event::Timer;
        last_ = *next;
        last_.window = ref_.Id();
        SetCurrentEvent(last_);
        defaultPending_ = true;
        return true;
    }
    return false;
}

}  // namespace rt
