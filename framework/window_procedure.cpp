#include "framework/window_procedure.h"

namespace framework {

std::uint8_t ProcedureWindow::Setup() {
    REQUEST = GlobalRequest.load();
    const std::uint8_t base = WindowObject::Setup();
    if (base != 0) return base;
    FIRSTFIELD = firstField_;
    ERRORS = &GlobalErrors();
    VCRREQUEST = &GlobalNavigationRequest;
    AttachToolbar(toolbar_);
    GlobalRequest.store(0);
    GlobalResponse.store(0);
    window_.Open();
    OPENED = 1;
    Prepare();
    SetAlertKeys();
    return 0;
}

void RunProcedure(WindowObject& window) {
    GlobalResponse.store(window.Execute());
}

}  // namespace framework
