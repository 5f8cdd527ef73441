// The dialog service on Qt: each dialog runs on the GUI thread while the
// asking program thread waits for the answer.
#pragma once

#include "runtime/dialogs.h"

namespace rt::gui {

class QtDialogService final : public DialogService {
  public:
    QtDialogService();
    ~QtDialogService() override;

    unsigned Message(const MessageRequest& request) override;
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
    std::optional<std::string> SaveFile(const OpenFileRequest& request) override;
    // The print dialog or the page setup of the program-wide printer: what
    // the user chooses is kept for every later print.
    bool PrinterSetup(const PrinterDialogRequest& request) override;
    int Popup(const PopupRequest& request) override;
    int Choose(const ChooserRequest& request) override;
};

}  // namespace rt::gui
