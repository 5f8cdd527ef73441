// A dialog service for tests: answers come from scripted queues and every
// request is recorded. Safe to use from several program threads at once.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/dialogs.h"

namespace testsupport {

// The fields of a message request as one comparable, printable value:
// EXPECT_EQ(MessageFields(seen), MessageFields({"text", "caption", ...})).
inline auto MessageFields(const rt::MessageRequest& request) {
    return std::make_tuple(request.text, request.caption, request.icon, request.buttons,
                           request.defaultButton);
}

class ScriptedDialogs : public rt::DialogService {
  public:
    // Answers are used in the order queued. With an empty queue a message box
    // answers its default button, the open-file dialog is cancelled and the
    // printer setup is declined.
    void QueueMessageAnswer(unsigned button);
    void QueueOpenFile(std::optional<std::string> path);
    // An accepted printer dialog runs `choice` first (what the user picked
    // there, e.g. another paper on the program-wide printer).
    void QueuePrinterSetup(bool accepted, std::function<void()> choice = {});
    // The file named in the next save dialog (nullopt cancels it).
    void QueueSaveFile(std::optional<std::string> path);
    // The number of the item chosen in the next popup menu (0 dismisses it;
    // an empty queue dismisses every menu).
    void QueuePopupChoice(int item);
    // The entry chosen in the next searchable chooser (0 cancels it; an
    // empty queue cancels every chooser).
    void QueueChoice(int item);

    unsigned Message(const rt::MessageRequest& request) override;
    std::optional<std::string> OpenFile(const rt::OpenFileRequest& request) override;
    std::optional<std::string> SaveFile(const rt::OpenFileRequest& request) override;
    bool PrinterSetup(const rt::PrinterDialogRequest& request) override;
    int Popup(const rt::PopupRequest& request) override;
    int Choose(const rt::ChooserRequest& request) override;

    // Copies of every request seen so far, in the order they were made.
    std::vector<rt::MessageRequest> Messages() const;
    std::vector<rt::OpenFileRequest> OpenFileRequests() const;
    std::size_t PrinterSetupCount() const;
    std::vector<rt::PrinterDialogRequest> PrinterDialogs() const;
    std::vector<rt::OpenFileRequest> SaveFileRequests() const;
    std::vector<rt::PopupRequest> Popups() const;
    std::vector<rt::ChooserRequest> Choosers() const;

    // Waits until at least `count` message boxes were asked for; false when
    // the time-out passed first.
    bool WaitForMessages(std::size_t count, std::chrono::milliseconds timeout) const;
    // The same for open-file dialogs.
    bool WaitForOpenFiles(std::size_t count, std::chrono::milliseconds timeout) const;
    // The same for popup menus.
    bool WaitForPopups(std::size_t count, std::chrono::milliseconds timeout) const;
    // The same for searchable choosers.
    bool WaitForChoosers(std::size_t count, std::chrono::milliseconds timeout) const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable seen_;
    std::deque<unsigned> messageAnswers_;
    std::deque<std::optional<std::string>> openFileAnswers_;
    std::deque<std::pair<bool, std::function<void()>>> printerSetupAnswers_;
    std::deque<std::optional<std::string>> saveFileAnswers_;
    std::vector<rt::PrinterDialogRequest> printerDialogs_;
    std::vector<rt::OpenFileRequest> saveFileRequests_;
    std::deque<int> popupAnswers_;
    std::vector<rt::PopupRequest> popups_;
    std::deque<int> choiceAnswers_;
    std::vector<rt::ChooserRequest> choosers_;
    std::vector<rt::MessageRequest> messages_;
    std::vector<rt::OpenFileRequest> openFileRequests_;
    std::size_t printerSetupCount_ = 0;
};

// Installs a fresh ScriptedDialogs for its lifetime and puts the previous
// service back when it ends.
class ScopedDialogs {
  public:
    ScopedDialogs();
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

    ScriptedDialogs& operator*() const { return *dialogs_; }
    ScriptedDialogs* operator->() const { return dialogs_.get(); }
    const std::shared_ptr<ScriptedDialogs>& Service() const { return dialogs_; }

  private:
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::shared_ptr<rt::DialogService> previous_;
};

}  // namespace testsupport
