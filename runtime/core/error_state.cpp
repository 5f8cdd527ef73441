// The current error of each program thread.
#include "runtime/core/error_state.h"

#include <string>
#include <utility>

namespace rt {
namespace {

struct ErrorState {
    int code = 0;
    std::string driverCode;
    std::string driverText;
};

ErrorState& Current() {
    thread_local ErrorState state;
    return state;
}

}  // namespace

void SetError(int code) {
    ErrorState& state = Current();
    state.code = code;
    state.driverCode.clear();
    state.driverText.clear();
}

void SetFileError(int code, std::string driverCode, std::string driverText) {
    ErrorState& state = Current();
    state.code = code;
    state.driverCode = std::move(driverCode);
    state.driverText = std::move(driverText);
}

void ClearError() {
    SetError(0);
}

int ErrorCode() {
    return Current().code;
}

std::string ErrorText() {
    return std::string(RuntimeErrorText(Current().code));
}

std::string FileErrorCode() {
    return Current().driverCode;
}

std::string FileErrorText() {
    return Current().driverText;
}

}  // namespace rt
