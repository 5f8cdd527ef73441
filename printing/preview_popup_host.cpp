#include "printing/preview_popup_host.h"

#include "runtime/dialogs.h"

namespace printing {

bool WindowPopupHost::IsControlEnabled(int control) const {
    return window_.IsEnabled(control);
}

std::string WindowPopupHost::ControlText(int control) const {
    return window_.Text(control);
}

void WindowPopupHost::PostEvent(int control, int event) {
    window_.PostEvent(event, control);
}

int WindowPopupHost::RuntimePopup(std::string_view text, std::optional<int> x,
                                  std::optional<int> y) {
    return rt::RuntimePopup(std::string(text), x, y);
}

}  // namespace printing
