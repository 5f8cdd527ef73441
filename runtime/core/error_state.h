// The runtime's "last error": a code and text per program thread, set by the
// file layer, the IDE conversation and other runtime services.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The runtime's text for an error code ("File Not Found" for 2); empty when
// the code has no text.
std::string_view RuntimeErrorText(int code);

// Sets the current thread's error code; the text comes from RuntimeErrorText.
// The driver's own code and text are cleared.
void SetError(int code);
// Sets code and the file driver's own code and text (shown for code 90).
void SetFileError(int code, std::string driverCode, std::string driverText);
void ClearError();  // code 0, driver's code and text cleared

int ErrorCode();
std::string ErrorText();      // text of the current code, "" for 0
std::string FileErrorCode();  // the driver's own code, as text
std::string FileErrorText();  // the driver's own text

}  // namespace rt
