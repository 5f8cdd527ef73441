#include "bench/paint_watch.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <thread>

#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"

namespace bench {

// Lives on the GUI thread; label and state are set and read there only.
class PaintWatch::Filter final : public QObject {
  public:
    void Arm(std::string label, State state) {
        label_ = std::move(label);
        state_ = std::move(state);
        seen_ = false;
        painted_.store(false);
    }
    bool Painted() const { return painted_.load(); }
    // Valid once Painted() (the flag orders it).
    std::chrono::steady_clock::time_point PaintedAt() const { return paintedAt_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !state_ || seen_) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        rt::gui::GuiWindow* window = Newest();
        if (widget == nullptr || window == nullptr || window->Outer() == nullptr) return false;
        if (!window->Outer()->isAncestorOf(widget) && window->Outer() != widget) return false;
        if (!state_(*window)) return false;
        // The paint cycle goes on with the window's other widgets: its end is
        // when the GUI thread next takes a queued call.
        seen_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                paintedAt_ = std::chrono::steady_clock::now();
                painted_.store(true);
            },
            Qt::QueuedConnection);
        return false;
    }

  private:
    rt::gui::GuiWindow* Newest() const {
        rt::gui::GuiWindow* newest = nullptr;
        for (rt::gui::GuiWindow* w : rt::gui::AllWindows())
            if (w->Label() == label_) newest = w;
        return newest;
    }

    std::string label_;
    State state_;
    bool seen_ = false;
    std::chrono::steady_clock::time_point paintedAt_{};
    std::atomic<bool> painted_{false};
};

PaintWatch::PaintWatch() {
    rt::gui::GuiInvoke([this] {
        filter_ = std::make_unique<Filter>();
        qApp->installEventFilter(filter_.get());
    });
}

PaintWatch::~PaintWatch() {
    // Taken down on the GUI thread while it runs.
    if (!rt::gui::GuiInvoke([this] { filter_.reset(); })) filter_.reset();
}

void PaintWatch::Arm(std::string label, State state) {
    rt::gui::GuiInvoke([&] { filter_->Arm(std::move(label), std::move(state)); });
}

std::optional<std::chrono::steady_clock::time_point> PaintWatch::WaitPainted(
    std::chrono::seconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!filter_->Painted()) {
        if (std::chrono::steady_clock::now() > end) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return filter_->PaintedAt();
}

}  // namespace bench
