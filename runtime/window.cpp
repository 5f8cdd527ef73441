#include "runtime/window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>

#include "runtime/dialogs.h"
#include "runtime/event_queue.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/window_calls_p.h"
#include "runtime/program_threads.h"

namespace rt {
namespace {

using gui::Do;
using gui::WithWindow;

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

std::vector<OpenWindowInfo> OpenWindows() {
    return gui::GuiCall<std::vector<OpenWindowInfo>>([] {
        std::vector<OpenWindowInfo> all;
        for (gui::GuiWindow* w : gui::AllWindows())
            all.push_back(OpenWindowInfo{w->Id(), w->OwnerThread(), w->Label(),
                                         w->Outer() != nullptr && w->Outer()->isVisible()});
        return all;
    });
}

void Beep() {
    gui::GuiInvoke([] { QApplication::beep(); });
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
    const std::uint64_t id = gui::GuiCall<std::uint64_t>([&]() -> std::uint64_t {
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
    gui::GuiInvoke([id] { gui::DestroyWindow(id); });
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
                    gui::GuiInvoke([action] { ClipboardAction(action); });
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
