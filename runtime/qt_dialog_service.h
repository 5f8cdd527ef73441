// The dialog service on Qt: each dialog runs on the GUI thread while the
// asking program thread waits for the answer.
#pragma once

#include <memory>

#include "runtime/dialogs.h"

class QPrinter;

namespace rt {

class QtDialogService final : public DialogService {
  public:
    QtDialogService();
    ~QtDialogService() override;

    unsigned Message(const MessageRequest& request) override;
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
    // Page setup of the program-wide printer: what the user chooses is kept
    // for every later print.
    bool PrinterSetup() override;
    int Popup(const PopupRequest& request) override;

    // The program-wide printer, created on first use. GUI thread only.
    QPrinter& Printer();

  private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace rt
