#include "framework/error_manager.h"

#include <algorithm>
#include <string_view>

#include "framework/error_table.h"
#include "runtime/core/blanks.h"
#include "runtime/core/error_state.h"
#include "runtime/dialogs.h"
#include "runtime/halt.h"

namespace framework {
namespace {

// Replaces every occurrence of `placeholder`, resuming the scan after each
// inserted value so that a value holding the placeholder is left as it is.
// The text never grows past the work buffer.
void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    std::size_t at = text.find(placeholder);
    while (at != std::string::npos) {
        text.replace(at, placeholder.size(), value);
        if (text.size() > ErrorManager::kWorkSize) text.resize(ErrorManager::kWorkSize);
        at = text.find(placeholder, at + value.size());
    }
}

}  // namespace

void ErrorManager::AddErrors(std::span<const std::uint8_t> table) {
    if (!ERRORS) ERRORS = std::make_unique<ErrorQueue>();
    for (const ErrorDefinition& d : ReadErrorTable(table)) {
        ERRORS->Add(ErrorEntry{d.id, std::string(d.message), std::string(d.title), d.fatality});
    }
}

std::uint8_t ErrorManager::HandleSilent() {
    return kCarryOn;
}

std::uint8_t ErrorManager::HandleFatal() {
    const std::string title = CurrentEntry().TITLE;
    rt::Message(Substitute() + kFatalSuffix, title, rt::Icon::Information, rt::ButtonOk,
                rt::ButtonOk);
    rt::Halt(title);
}

std::uint8_t ErrorManager::HandleInform() {
    rt::Message(Substitute(), CurrentEntry().TITLE, rt::Icon::Information, rt::ButtonOk,
                rt::ButtonOk);
    return kInformed;
}

std::uint8_t ErrorManager::HandleOther() {
    return HandleInternal();
}

std::uint8_t ErrorManager::HandleInternal() {
    return HandleFatal();
}

std::uint8_t ErrorManager::HandleAsk() {
    const unsigned answer = rt::Message(Substitute(), CurrentEntry().TITLE, rt::Icon::Warning,
                                        rt::ButtonYes | rt::ButtonNo, rt::ButtonYes);
    return answer == rt::ButtonYes ? kCarryOn : kDeclined;
}

void ErrorManager::Setup() {
    ERRORS = std::make_unique<ErrorQueue>();
    AddErrors(DefaultErrorTable());
}

void ErrorManager::Teardown() {
    ERRORS.reset();
}

void ErrorManager::SetFileName(std::string_view name) {
    FILENAME = rt::TrimTrailingSpaces(name);
}

void ErrorManager::CaptureErrors() {
    SAVEERRORCODE = rt::ErrorCode();
    SAVEERROR = rt::TrimTrailingSpaces(rt::ErrorText());
    SAVEFILEERRORCODE = rt::TrimTrailingSpaces(rt::FileErrorCode());
    SAVEFILEERROR = rt::TrimTrailingSpaces(rt::FileErrorText());
}

std::uint8_t ErrorManager::RaiseError(std::uint16_t id) {
    if (!ERRORS || FindError(id, ERRORS->Records()) != 0) return kNotFound;
    switch (ERRORS->Current()->FATALITY) {
        case 0:
            return HandleSilent();
        case 1:
        case 4:
            return HandleAsk();
        case 2:
            return HandleInternal();
        case 3:
            return HandleFatal();
        case 5:
            return HandleInform();
        default:
            return HandleOther();
    }
}

std::uint8_t ErrorManager::RaiseCapturedError(std::uint16_t id) {
    CaptureErrors();
    return RaiseError(id);
}

unsigned ErrorManager::AskUser(std::uint16_t id, unsigned buttons, unsigned defaultButton) {
    if (!ERRORS || FindError(id, ERRORS->Records()) != 0) return 0;
    return rt::Message(Substitute(), CurrentEntry().TITLE, rt::Icon::Warning, buttons,
                       defaultButton);
}

std::uint8_t ErrorManager::FindError(std::uint16_t id, std::size_t from) {
    if (!ERRORS) return kNotFound;
    for (std::size_t position = std::min(from, ERRORS->Records()); position >= 1; --position) {
        if (ERRORS->Get(position).ID == id) {
            ERRORS->Select(position);
            return 0;
        }
    }
    return kNotFound;
}

std::string ErrorManager::Substitute() {
    if (!ERRORS || ERRORS->Pointer() == 0) return {};
    return SubstituteAt(ERRORS->Pointer());
}

const ErrorEntry& ErrorManager::CurrentEntry() const {
    static const ErrorEntry none;
    const ErrorEntry* current = ERRORS ? ERRORS->Current() : nullptr;
    return current ? *current : none;
}

std::string ErrorManager::SubstituteAt(std::size_t position) {
    const ErrorEntry& entry = ERRORS->Get(position);
    std::string text = entry.MESSAGE.substr(0, kWorkSize);

    ReplaceAll(text, "%FileErrorCode", SAVEFILEERRORCODE);
    ReplaceAll(text, "%FileError", SAVEFILEERROR);
    ReplaceAll(text, "%File", FILENAME);
    const std::string code = std::to_string(SAVEERRORCODE);
    ReplaceAll(text, "%ErrorCode", code);
    if (SAVEERRORCODE == 90) {
        ReplaceAll(text, "%ErrorText", SAVEFILEERROR.str() + " (" + SAVEFILEERRORCODE.str() + ")");
    } else {
        ReplaceAll(text, "%ErrorText", SAVEERROR.str() + " (" + code + ")");
    }
    ReplaceAll(text, "%Error", SAVEERROR);
    ReplaceAll(text, "%Message", MESSAGETEXT);
    ReplaceAll(text, "%Field", FIELDNAME);

    if (text.find("%Previous") != std::string::npos) {
        // The definition this one overrides, filled in the same way.
        std::string previous;
        if (position > 1 && FindError(entry.ID, position - 1) == 0) {
            previous = SubstituteAt(ERRORS->Pointer());
        }
        ERRORS->Select(position);
        ReplaceAll(text, "%Previous", previous);
    }
    return text;
}

}  // namespace framework
