// A minimal error state, linked only while runtime/error_state.cpp does not
// exist, so that the programs and tests that set errors can be built.
#include <string>

#include "runtime/error_state.h"

namespace rt {

namespace {
thread_local int tCode = 0;
thread_local std::string tDriverCode;
thread_local std::string tDriverText;
}  // namespace

std::string_view RuntimeErrorText(int code) {
    switch (code) {
        case 2:
            return "File Not Found";
        case 3:
            return "Path Not Found";
        case 4:
            return "Too Many Open Files";
        case 5:
            return "Access Denied";
        case 30:
            return "Entry Not Found";
        case 33:
            return "Record Not Available";
        default:
            return {};
    }
}

void SetError(int code) {
    tCode = code;
    tDriverCode.clear();
    tDriverText.clear();
}

void SetFileError(int code, std::string driverCode, std::string driverText) {
    tCode = code;
    tDriverCode = std::move(driverCode);
    tDriverText = std::move(driverText);
}

void ClearError() {
    SetError(0);
}

int ErrorCode() {
    return tCode;
}
std::string ErrorText() {
    return std::string(RuntimeErrorText(tCode));
}
std::string FileErrorCode() {
    return tDriverCode;
}
std::string FileErrorText() {
    return tDriverText;
}

}  // namespace rt
