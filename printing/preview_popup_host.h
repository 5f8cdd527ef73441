// The popup menu object's view of a runtime window.
#pragma once

#include "printing/core/popup_manager.h"
#include "runtime/window.h"

namespace printing {

class WindowPopupHost final : public printing::PopupHost {
  public:
    explicit WindowPopupHost(const rt::WindowRef& window) : window_(window) {}
    bool IsControlEnabled(int control) const override;
    std::string ControlText(int control) const override;
    void PostEvent(int control, int event) override;
    int RuntimePopup(std::string_view text, std::optional<int> x, std::optional<int> y) override;

  private:
    const rt::WindowRef& window_;
};

}  // namespace printing
