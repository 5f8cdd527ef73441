#include "app/ide_export.h"

#include <QString>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

#include "app/export_command.h"
#include "app/ide_autopick.h"
#include "runtime/core/blanks.h"
#include "runtime/core/error_state.h"
#include "runtime/dde_client.h"
#include "runtime/dialogs.h"
#include "runtime/text_codec.h"

namespace app {
namespace {

constexpr int kRefused = 603;
constexpr int kTimedOut = 605;
constexpr std::size_t kIdeMessageLength = 32;

// Ends the conversation however the export leaves.
class Conversation {
  public:
    explicit Conversation(rt::DdeChannel channel) : channel_(channel) {}
    ~Conversation() {
        if (channel_ != 0) rt::DdeClose(channel_);
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;
    rt::DdeChannel Channel() const { return channel_; }

  private:
    rt::DdeChannel channel_;
};

void Box(const std::string& text, const std::string& caption) {
    rt::Message(text, caption, rt::Icon::None, rt::ButtonOk, rt::ButtonOk);
}

// The IDE's error number as sent: optional blanks and sign, then digits; 0
// when there are none.
int IdeNumber(const std::string& text) {
    const long number = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

// The first 32 characters of the IDE's message, trailing blanks clipped.
std::string IdeMessage(std::string text) {
    if (text.size() > kIdeMessageLength) text.resize(kIdeMessageLength);
    return std::string(rt::TrimTrailingSpaces(text));
}

// The connection loop: up to ten passes of connect, and launch when nobody
// answered. The IDE's autopick setting is off meanwhile.
rt::DdeChannel ReachIde(const IdeExportSettings& settings) {
    AutopickSuspension autopick;
    rt::DdeChannel channel = 0;
    for (int attempts = 0; attempts < kIdeLaunchAttempts;) {
        channel = rt::DdeClient(kIdeService, "");
        if (channel != 0) break;
        ++attempts;
        settings.showStatus("Launching Velmora 4 (Attempt " + std::to_string(attempts) +
                            ")...Please wait");
        const rt::LaunchedProgram program = settings.launcher.launch(kIdeCommandLine);
        if (settings.launcher.settle) settings.launcher.settle(program);
    }
    autopick.Restore();
    return channel;
}

// A file name as program text, for a message box.
std::string ShownPath(const std::string& path) {
    return rt::ToWin1252(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace

void AwaitIdeStart(const rt::LaunchedProgram& program) {
    using Clock = std::chrono::steady_clock;
    const int hundredths = rt::DdeTimeout() > 0 ? rt::DdeTimeout() : kIdeTimeout;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(hundredths * 10);
    while (!program.Ended() && !rt::DdeServerPresent(kIdeService) && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::string UnsafeDictionaryPathMessage(const std::string& dictionaryPath) {
    return "The dictionary " + ShownPath(dictionaryPath) +
           " cannot be exported: Velmora 4 cannot read a path that holds blanks, commas, "
           "brackets or quotes. Copy the dictionary to a folder whose path holds none of these "
           "and open it from there.";
}

std::string UnsafeExportPathMessage(const std::string& txdPath) {
    return "The dictionary cannot be exported to " + ShownPath(txdPath) +
           ": Velmora 4 cannot read a path that holds blanks, commas, brackets or quotes. Start "
           "Kestrian from a folder whose path holds none of these.";
}

bool ExportThroughIde(const std::string& dictionaryPath, const std::string& txdPath,
                      const IdeExportSettings& settings) {
    // The command carries the paths bare; one the IDE would read differently
    // must not reach it, or it would export the wrong file or write elsewhere.
    if (!IsCommandSafePath(dictionaryPath)) {
        Box(UnsafeDictionaryPathMessage(dictionaryPath), "ERROR");
        return false;
    }
    if (!IsCommandSafePath(txdPath)) {
        Box(UnsafeExportPathMessage(txdPath), "ERROR");
        return false;
    }

    rt::SetDdeTimeout(settings.ddeTimeout);
    const Conversation ide(ReachIde(settings));
    settings.showStatus("");
    if (ide.Channel() == 0) {
        Box("Unable to run Velmora 4 after 10 attempts.", "ERROR LAUNCHING Velmora 4");
        return false;
    }

    settings.showStatus("Exporting dictionary...Please wait");
    rt::DdeExecute(ide.Channel(), ExportDctCommand(dictionaryPath, txdPath));
    const int code = rt::ErrorCode();
    const std::string text = rt::ErrorText();
    settings.showStatus("");
    if (code == 0) return true;

    if (code == kRefused) {
        const int number = IdeNumber(rt::DdeRead(ide.Channel(), "GetErrorNum"));
        const std::string message = IdeMessage(rt::DdeRead(ide.Channel(), "GetErrorMsg"));
        Box("Error " + std::to_string(number) + ": " + message, "DDE ERROR");
    } else if (code == kTimedOut) {
        Box("DDE Timeout", "DDE ERROR");
    } else {
        Box("Error " + std::to_string(code) + ": " + text, "ERROR");
    }
    return false;
}

}  // namespace app
