#include "runtime/application.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/qt_dialog_service.h"
#include "runtime/program_printer.h"

namespace rt {

bool DisplayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

int RunApplication(Procedure mainProcedure, bool keepDialogService) {
    static int argc = 1;
    static char name[] = "kestrian";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication> owned;
    if (QCoreApplication::instance() == nullptr) owned = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::shared_ptr<DialogService> previous;
    if (!keepDialogService) previous = SetDialogService(std::make_shared<gui::QtDialogService>());

    gui::SetGuiRunning(true);
    Start([procedure = std::move(mainProcedure)] {
        procedure();
        // Whatever windows remain are told to close down; the GUI goes on
        // serving them until they have ended.
        CloseDownOtherThreads(std::chrono::seconds(30));
        gui::GuiPost([] { QCoreApplication::exit(0); });
    });
    QApplication::exec();
    gui::SetGuiRunning(false);
    ReapThreads();
    // Windows of threads that never ended go while Qt is still there.
    gui::DestroyAllWindows();
    ReleaseProgramPrinter();
    if (!keepDialogService) SetDialogService(previous);
    return 0;
}

}  // namespace rt
