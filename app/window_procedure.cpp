#include "app/window_procedure.h"

namespace app {

void ProcedureWindow::OpenStandard(int firstField) {
    FIRSTFIELD = firstField;
    ERRORS = &GlobalErrors();
    VCRREQUEST = &GlobalNavigationRequest;
    AttachToolbar(toolbar_);
    GlobalRequest.store(0);
    GlobalResponse.store(0);
    window_.Open();
    OPENED = 1;
}

void RunProcedure(WindowObject& window) { GlobalResponse.store(window.Execute()); }

}  // namespace app
