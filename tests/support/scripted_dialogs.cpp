#include "tests/support/scripted_dialogs.h"

#include <utility>

namespace testsupport {

void ScriptedDialogs::QueueMessageAnswer(unsigned button) {
    std::lock_guard lock(mutex_);
    messageAnswers_.push_back(button);
}

void ScriptedDialogs::QueueOpenFile(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    openFileAnswers_.push_back(std::move(path));
}

void ScriptedDialogs::QueuePrinterSetup(bool accepted, std::function<void()> choice) {
    std::lock_guard lock(mutex_);
    printerSetupAnswers_.emplace_back(accepted, std::move(choice));
}

void ScriptedDialogs::QueueSaveFile(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    saveFileAnswers_.push_back(std::move(path));
}

std::optional<std::string> ScriptedDialogs::SaveFile(const rt::OpenFileRequest& request) {
    std::optional<std::string> answer;
    {
        std::lock_guard lock(mutex_);
        saveFileRequests_.push_back(request);
        if (!saveFileAnswers_.empty()) {
            answer = std::move(saveFileAnswers_.front());
            saveFileAnswers_.pop_front();
        }
    }
    seen_.notify_all();
    return answer;
}

std::vector<rt::PrinterDialogRequest> ScriptedDialogs::PrinterDialogs() const {
    std::lock_guard lock(mutex_);
    return printerDialogs_;
}

std::vector<rt::OpenFileRequest> ScriptedDialogs::SaveFileRequests() const {
    std::lock_guard lock(mutex_);
    return saveFileRequests_;
}

void ScriptedDialogs::QueuePopupChoice(int item) {
    std::lock_guard lock(mutex_);
    popupAnswers_.push_back(item);
}

int ScriptedDialogs::Popup(const rt::PopupRequest& request) {
    int answer = 0;
    {
        std::lock_guard lock(mutex_);
        popups_.push_back(request);
        if (!popupAnswers_.empty()) {
            answer = popupAnswers_.front();
            popupAnswers_.pop_front();
        }
    }
    seen_.notify_all();
    return answer;
}

std::vector<rt::PopupRequest> ScriptedDialogs::Popups() const {
    std::lock_guard lock(mutex_);
    return popups_;
}

void ScriptedDialogs::QueueChoice(int item) {
    std::lock_guard lock(mutex_);
    choiceAnswers_.push_back(item);
}

int ScriptedDialogs::Choose(const rt::ChooserRequest& request) {
    int answer = 0;
    {
        std::lock_guard lock(mutex_);
        choosers_.push_back(request);
        if (!choiceAnswers_.empty()) {
            answer = choiceAnswers_.front();
            choiceAnswers_.pop_front();
        }
    }
    seen_.notify_all();
    return answer;
}

std::vector<rt::ChooserRequest> ScriptedDialogs::Choosers() const {
    std::lock_guard lock(mutex_);
    return choosers_;
}

unsigned ScriptedDialogs::Message(const rt::MessageRequest& request) {
    unsigned answer = request.defaultButton;
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(request);
        if (!messageAnswers_.empty()) {
            answer = messageAnswers_.front();
            messageAnswers_.pop_front();
        }
    }
    seen_.notify_all();
    return answer;
}

std::optional<std::string> ScriptedDialogs::OpenFile(const rt::OpenFileRequest& request) {
    std::optional<std::string> answer;
    {
        std::lock_guard lock(mutex_);
        openFileRequests_.push_back(request);
        if (!openFileAnswers_.empty()) {
            answer = std::move(openFileAnswers_.front());
            openFileAnswers_.pop_front();
        }
    }
    seen_.notify_all();
    return answer;
}

bool ScriptedDialogs::PrinterSetup(const rt::PrinterDialogRequest& request) {
    std::pair<bool, std::function<void()>> answer{false, {}};
    {
        std::lock_guard lock(mutex_);
        ++printerSetupCount_;
        printerDialogs_.push_back(request);
        if (!printerSetupAnswers_.empty()) {
            answer = std::move(printerSetupAnswers_.front());
            printerSetupAnswers_.pop_front();
        }
    }
    if (answer.first && answer.second) answer.second();
    seen_.notify_all();
    return answer.first;
}

std::vector<rt::MessageRequest> ScriptedDialogs::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<rt::OpenFileRequest> ScriptedDialogs::OpenFileRequests() const {
    std::lock_guard lock(mutex_);
    return openFileRequests_;
}

std::size_t ScriptedDialogs::PrinterSetupCount() const {
    std::lock_guard lock(mutex_);
    return printerSetupCount_;
}

bool ScriptedDialogs::WaitForMessages(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return seen_.wait_for(lock, timeout, [&] { return messages_.size() >= count; });
}

bool ScriptedDialogs::WaitForOpenFiles(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return seen_.wait_for(lock, timeout, [&] { return openFileRequests_.size() >= count; });
}

bool ScriptedDialogs::WaitForPopups(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return seen_.wait_for(lock, timeout, [&] { return popups_.size() >= count; });
}

bool ScriptedDialogs::WaitForChoosers(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return seen_.wait_for(lock, timeout, [&] { return choosers_.size() >= count; });
}

ScopedDialogs::ScopedDialogs()
    : dialogs_(std::make_shared<ScriptedDialogs>()), previous_(rt::SetDialogService(dialogs_)) {}

ScopedDialogs::~ScopedDialogs() {
    rt::SetDialogService(std::move(previous_));
}

}  // namespace testsupport
