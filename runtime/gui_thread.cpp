#include "runtime/gui_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>

namespace rt {
namespace {
std::atomic<bool> guiRunning{false};
}

bool OnGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

bool GuiRunning() {
    return guiRunning.load();
}
void SetGuiRunning(bool running) {
    guiRunning.store(running);
}

bool GuiInvoke(const std::function<void()>& work) {
    if (OnGuiThread()) {
        work();
        return true;
    }
    if (!guiRunning.load()) return false;
    return QMetaObject::invokeMethod(QCoreApplication::instance(), work,
                                     Qt::BlockingQueuedConnection);
}

void GuiPost(std::function<void()> work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        work();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

}  // namespace rt
