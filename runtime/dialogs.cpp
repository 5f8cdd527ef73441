#include "runtime/dialogs.h"

#include <atomic>

namespace rt {
namespace {

class HeadlessDialogs final : public DialogService {
  public:
    unsigned Message(const MessageRequest& request) override { return request.defaultButton; }
    std::optional<std::string> OpenFile(const OpenFileRequest&) override { return std::nullopt; }
    bool PrinterSetup(const PrinterDialogRequest&) override { return false; }
};

std::shared_ptr<DialogService>& Slot() {
    static std::shared_ptr<DialogService> service = std::make_shared<HeadlessDialogs>();
    return service;
}

}  // namespace

DialogService& Dialogs() {
    return *std::atomic_load(&Slot());
}

std::shared_ptr<DialogService> SetDialogService(std::shared_ptr<DialogService> service) {
    if (!service) service = std::make_shared<HeadlessDialogs>();
    return std::atomic_exchange(&Slot(), std::move(service));
}

int RuntimePopup(const std::string& menuText, std::optional<int> x, std::optional<int> y) {
    const std::shared_ptr<DialogService> service = std::atomic_load(&Slot());
    return service->Popup(PopupRequest{menuText, x, y});
}

int RuntimeChooser(const ChooserRequest& request) {
    const std::shared_ptr<DialogService> service = std::atomic_load(&Slot());
    return service->Choose(request);
}

unsigned Message(const std::string& text, const std::string& caption, Icon icon, unsigned buttons,
                 unsigned defaultButton) {
    // Holds the service for the whole call, so that replacing it meanwhile is safe.
    const std::shared_ptr<DialogService> service = std::atomic_load(&Slot());
    return service->Message(MessageRequest{text, caption, icon, buttons, defaultButton});
}

}  // namespace rt
