#include "runtime/gui/gui_thread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace rt::gui {
namespace {

// One piece of work handed to the GUI thread, and whether it has run.
struct Task {
    std::function<void()> work;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool ran = false;
};

// The hand-over to the GUI thread: a queue guarded by a mutex of our own and
// an event counter that wakes the GUI thread's event loop. Nothing that a
// program thread creates is freed by Qt on the GUI thread, so the hand-over
// is plain to see for the thread sanitizer.
class GuiChannel {
  public:
    GuiChannel() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
    }

    ~GuiChannel() {
        if (fd_ >= 0) ::close(fd_);
    }

    // On the GUI thread: stops taking work; what is still queued is answered
    // as not run, so that nobody waits for it.
    void Close() {
        notifier_.reset();
        std::deque<std::shared_ptr<Task>> left;
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
            left.swap(queue_);
        }
        for (auto& task : left) Finish(*task, false);
    }

    bool Submit(const std::shared_ptr<Task>& task) {
        {
            std::lock_guard lock(mutex_);
            if (closed_) return false;
            queue_.push_back(task);
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof one);
        return true;
    }

  private:
    void Drain() {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(fd_, &count, sizeof count);
        for (;;) {
            std::shared_ptr<Task> task;
            {
                std::lock_guard lock(mutex_);
                if (queue_.empty()) return;
                task = queue_.front();
                queue_.pop_front();
            }
            task->work();
            Finish(*task, true);
        }
    }

    static void Finish(Task& task, bool ran) {
        {
            std::lock_guard lock(task.mutex);
            task.done = true;
            task.ran = ran;
        }
        task.finished.notify_all();
    }

    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::mutex mutex_;
    std::deque<std::shared_ptr<Task>> queue_;
    bool closed_ = false;
};

std::mutex channelMutex;
std::shared_ptr<GuiChannel> channel;

std::shared_ptr<GuiChannel> CurrentChannel() {
    std::lock_guard lock(channelMutex);
    return channel;
}

}  // namespace

bool OnGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

bool GuiRunning() {
    return CurrentChannel() != nullptr;
}

void SetGuiRunning(bool running) {
    std::shared_ptr<GuiChannel> old;
    {
        std::lock_guard lock(channelMutex);
        old = std::move(channel);
        if (running) channel = std::make_shared<GuiChannel>();
    }
    if (old) old->Close();
}

bool GuiInvoke(const std::function<void()>& work) {
    if (OnGuiThread()) {
        work();
        return true;
    }
    std::shared_ptr<GuiChannel> target = CurrentChannel();
    if (!target) return false;
    auto task = std::make_shared<Task>();
    task->work = [&work] { work(); };
    if (!target->Submit(task)) return false;
    target.reset();
    std::unique_lock lock(task->mutex);
    task->finished.wait(lock, [&] { return task->done; });
    return task->ran;
}

void GuiPost(std::function<void()> work) {
    if (OnGuiThread() && QCoreApplication::instance() == nullptr) {
        work();
        return;
    }
    std::shared_ptr<GuiChannel> target = CurrentChannel();
    if (!target) return;
    auto task = std::make_shared<Task>();
    task->work = std::move(work);
    target->Submit(task);
}

}  // namespace rt::gui
