#include "framework/window_object.h"

#include <new>
#include <string>

#include "runtime/core/error_state.h"
#include "runtime/core/program_title.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"

namespace framework {

WindowObject::~WindowObject() = default;

void WindowObject::AttachToolbar(ToolbarDispatcher& toolbar) {
    TOOLBAR = &toolbar;
    toolbar.Setup();
}

void WindowObject::EventLoop() {
    if (DEAD) return;
    LASTINSERTEDPOSITION.clear();
    while (host_.Accept()) {
        const std::uint8_t outcome = DispatchEvent();
        if (outcome == result::EndLoop) break;
        if (outcome == result::Finished) host_.Cycle();
    }
}

std::uint8_t WindowObject::Setup() {
    ORIGINALREQUEST = REQUEST;
    BROWSES = std::make_unique<std::vector<std::unique_ptr<Browse>>>();
    BUTTONS = std::make_unique<std::vector<ButtonAction>>();
    FILEDROPS = std::make_unique<std::vector<std::unique_ptr<FileDrop>>>();
    scopeOpen_ = true;  // expression bindings live until Teardown
    if (host_.KeyCode() == rt::key::MouseRight) host_.SetKeyCode(0);
    INSERTACTION = 2;
    DELETEACTION = 2;
    CHANGEACTION = 1;
    CANCELACTION = 3;
    AUTOTOOLBAR = 1;
    return 0;
}

std::uint8_t WindowObject::Teardown() {
    if (DEAD || !BROWSES) return result::Finished;
    for (auto& browse : *BROWSES) browse->Kill();
    BROWSES.reset();
    if (FILEDROPS)
        for (auto& drop : *FILEDROPS) drop->Kill();
    FILEDROPS.reset();
    BUTTONS.reset();
    HISTORY.reset();
    if (FILES)
        for (auto& file : *FILES) file->Close();
    FILES.reset();
    if (PRIMARY != nullptr) PRIMARY->Close();
    if (TOOLBAR != nullptr) TOOLBAR->Teardown();
    if (RESIZE != nullptr) RESIZE->Kill();
    DEAD = 1;
    scopeOpen_ = false;
    return 0;
}

void WindowObject::FirstDisplay() {
    if (TRANSLATOR != nullptr) TRANSLATOR->TranslateWindow();
    Refresh(0);
    INITED |= 1;
}

void WindowObject::Refresh(std::uint8_t force) {
    if (host_.RedisplayRefused()) return;
    force = static_cast<std::uint8_t>(force + FORCEDRESET);
    FORCEDRESET = 0;
    if (BROWSES) {
        for (auto& browse : *BROWSES) browse->ResetSort(force);
        for (auto& browse : *BROWSES) browse->UpdateButtons();
    }
    if (FILEDROPS)
        for (auto& drop : *FILEDROPS) drop->ResetQueue(force);
    host_.Display();
}

void WindowObject::RecallHistory(int control) {
    if (!HISTORY) return;
    for (const HistoryEntry& entry : *HISTORY)
        if (entry.control == control) {
            host_.Display();
            return;
        }
}

std::uint8_t WindowObject::Execute() {
    try {
        if (Setup() == 0) EventLoop();
    } catch (const std::bad_alloc&) {
        // What the window was doing (a report, a build of its lists) needs
        // more memory than can be had: the window ends as a Cancel would
        // end it, and the rest of the program goes on.
        constexpr int kInsufficientMemory = 8;
        rt::Message("Error " + std::to_string(kInsufficientMemory) + " (" +
                        std::string(rt::RuntimeErrorText(kInsufficientMemory)) + ")",
                    rt::kProgramTitle, rt::Icon::Error);
        RESPONSE = response::Cancelled;
    }
    Teardown();
    return RESPONSE != response::None ? RESPONSE : response::Cancelled;
}

void WindowObject::SetAlertKeys() {
    if (BROWSES)
        for (auto& browse : *BROWSES) browse->SetAlertKeys();
    // History entries alert HISTORYKEY on their controls; no window here has any.
}

void WindowObject::CloseWithResponse(std::uint8_t response) {
    RESPONSE = response;
    host_.PostToWindow(rt::event::CloseWindow);
    if (response == response::Cancelled && VCRREQUEST != nullptr) VCRREQUEST->store(0);
}

std::uint8_t WindowObject::OnAccepted() {
    const int control = host_.Control();
    if (TOOLBAR != nullptr) {
        std::atomic<std::int32_t> unused{0};
        TOOLBAR->TakeEvent(VCRREQUEST != nullptr ? *VCRREQUEST : unused);
        if (control == kHistoryButton) RecallHistory(host_.FocusedControl());
    }
    if (BUTTONS) {
        for (const ButtonAction& button : *BUTTONS)
            if (button.control == control) {
                CloseWithResponse(button.action);
                return result::Finished;
            }
    }
    if (OKCONTROL != 0 && OKCONTROL == control) {
        // Record forms hand over to the runtime's validation; no window here is one.
        if (ORIGINALREQUEST != 1 && ORIGINALREQUEST != 2) host_.PostToWindow(rt::event::Completed);
    }
    return 0;
}

std::uint8_t WindowObject::OnCompleted() {
    return 0;
}

std::uint8_t WindowObject::OnCloseRequest() {
    return 0;
}

std::uint8_t WindowObject::DispatchEvent() {
    const int control = host_.Control();
    if (control == 0) {
        const std::uint8_t outcome = OnWindowEvent();
        if (outcome != 0) return outcome;
    }
    std::uint8_t outcome = 0;
    switch (host_.Event()) {
        case rt::event::Accepted:
            outcome = OnAccepted();
            break;
        case rt::event::Rejected:
            outcome = OnRejected();
            break;
        case rt::event::Selected:
            outcome = OnSelected();
            break;
        case rt::event::NewSelection:
            outcome = OnNewSelection();
            break;
        case rt::event::AlertKey:
            if (HISTORYKEY != 0 && host_.KeyCode() == HISTORYKEY)
                RecallHistory(host_.FocusedControl());
            break;
        default:
            break;
    }
    if (outcome != 0) return outcome;
    std::uint8_t remembered = 0;
    if (control != 0) remembered = OnFieldEvent();
    if (BROWSES)
        for (auto& browse : *BROWSES) browse->TakeEvent();
    if (FILEDROPS)
        for (auto& drop : *FILEDROPS) drop->TakeEvent();
    return remembered;
}

std::uint8_t WindowObject::OnNewSelection() {
    Refresh(0);
    if (AUTOTOOLBAR && TOOLBAR != nullptr) TOOLBAR->SetTarget();
    return 0;
}

std::uint8_t WindowObject::OnRejected() {
    host_.Beep();
    host_.Display();
    host_.Select(host_.Control());
    return 0;
}

std::uint8_t WindowObject::OnWindowEvent() {
    switch (host_.Event()) {
        case rt::event::OpenWindow:
            if (!(INITED & 1)) FirstDisplay();
            if (FIRSTFIELD != 0) host_.Select(FIRSTFIELD);
            return 0;
        case rt::event::LoseFocus:
            if (RESETONGAINFOCUS) FORCEDRESET = 1;
            return 0;
        case rt::event::GainFocus:
            if (INITED & 1)
                Refresh(0);
            else
                FirstDisplay();
            return 0;
        case rt::event::Sized:
            if (INITED & 2)
                Refresh(0);
            else
                INITED |= 2;
            return 0;
        case rt::event::Completed:
            return OnCompleted();
        case rt::event::CloseWindow:
        case rt::event::CloseDown:
            return OnCloseRequest();
        default:
            return 0;
    }
}

void WindowObject::UpdateBrowses() {
    if (BROWSES)
        for (auto& browse : *BROWSES) browse->UpdateWindow();
}

}  // namespace framework
