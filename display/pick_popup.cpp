#include "display/pick_popup.h"

#include "display/dictionary_window_layout.h"
#include "runtime/dialogs.h"

namespace display {

int ShowPickPopup(const rt::WindowRef& window, const std::string& pickText) {
    if (pickText.empty()) return 0;
    const rt::ControlBox button = window.ControlPosition(kPickButton);
    const rt::UnitPoint corner = window.ToScreen(button.x, button.y + button.height);
    return rt::RuntimePopup(pickText, corner.x, corner.y);
}

}  // namespace display
