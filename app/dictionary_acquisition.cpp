#include "app/dictionary_acquisition.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "runtime/core/paths.h"
#include "runtime/core/profile.h"

namespace app {

rt::OpenFileRequest DictionaryDialogRequest(const std::string& lastDictionaryUsed) {
    rt::OpenFileRequest request;
    request.title = kDictionaryDialogTitle;
    request.filters = {{"Velmora Dictionaries (*.DCT)", "*.DCT"},
                       {"Exported Text (*.TXD)", "*.TXD"}};
    request.initialPath = DialogStartPath(lastDictionaryUsed);
    return request;
}

std::string DialogStartPath(const std::string& lastDictionaryUsed) {
    namespace fs = std::filesystem;
    if (lastDictionaryUsed.empty()) return {};
    std::error_code error;
    const fs::path last(lastDictionaryUsed);
    fs::path folder = last.parent_path();
    if (folder.empty() || fs::is_directory(folder, error)) return lastDictionaryUsed;
    while (!folder.empty() && !fs::is_directory(folder, error)) {
        const fs::path up = folder.parent_path();
        if (up == folder) return {};
        folder = up;
    }
    return folder.string();
}

bool IsDctPath(std::string_view path) {
    if (path.size() < 3) return false;
    std::string tail;
    for (char c : path.substr(path.size() - 3)) {
        tail += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return tail == "DCT";
}

std::string TempExportPath() {
    return rt::ShortPathName(rt::CurrentDirectory()) + "/" + kTempExportName;
}

Acquisition AcquireDictionary(AcquisitionState& state, const AcquisitionHooks& hooks,
                              std::optional<std::string> chosen) {
    state.dictionaryPath =
        rt::GetProfileString(kDefaultsSection, kLastDictionaryKey, "", kProgramSettingsFile);
    std::optional<std::string> choice =
        chosen ? std::move(chosen)
               : rt::Dialogs().OpenFile(DictionaryDialogRequest(state.dictionaryPath));
    if (!choice) return Acquisition::Cancelled;
    state.dictionaryPath = std::move(*choice);

    if (hooks.redraw) hooks.redraw();
    rt::WriteProfileString(kDefaultsSection, kLastDictionaryKey, state.dictionaryPath,
                           kProgramSettingsFile);

    std::string shortPath = rt::ShortPathName(state.dictionaryPath);
    if (!shortPath.empty()) state.dictionaryPath = std::move(shortPath);

    if (!IsDctPath(state.dictionaryPath)) {
        state.txdPath = state.dictionaryPath;
        state.tempExport = false;
        return Acquisition::Ready;
    }
    state.txdPath = TempExportPath();
    state.tempExport = true;
    const IdeExportSettings settings{hooks.showStatus, hooks.launcher, hooks.ddeTimeout};
    return ExportThroughIde(state.dictionaryPath, state.txdPath, settings) ? Acquisition::Ready
                                                                           : Acquisition::Failed;
}

}  // namespace app
