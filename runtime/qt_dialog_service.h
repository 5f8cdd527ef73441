// The dialog service on Qt: each dialog runs on the GUI thread while the
// asking program thread waits for the answer.
#pragma once

#include "runtime/dialogs.h"

namespace rt {

class QtDialogService final : public DialogService {
  public:
    unsigned Message(const MessageRequest& request) override;
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
    bool PrinterSetup() override;
    int Popup(const PopupRequest& request) override;
};

}  // namespace rt
