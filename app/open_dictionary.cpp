// File > Open: choose a dictionary, have a .DCT exported by the IDE, and
// start the parse of the text export.
#include <algorithm>
#include <cctype>

#include "app/dictionary_commands.h"
#include "app/globals.h"
#include "app/parse_window.h"
#include "runtime/dialogs.h"
#include "runtime/paths.h"
#include "runtime/profile.h"
#include "runtime/program_threads.h"

namespace app {
namespace {

constexpr const char* kSettingsFile = "KESTRIAN.INI";

// Ends an Open that did not get as far as a new model: with none loaded the
// chosen path is forgotten and any dictionary window closed.
void CancelOpen() {
    if (Model() != nullptr) return;
    DictionaryPath.Set("");
    if (const int display = DisplayThread.load(); display != 0)
        rt::Post(rt::event::CloseWindow, 0, display);
    DisplayThread.store(0);
}

bool IsDctPath(const std::string& path) {
    if (path.size() < 3) return false;
    std::string tail = path.substr(path.size() - 3);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return tail == "DCT";
}

}  // namespace

void OpenDictionary() {
    DictionaryPath.Set(rt::GetProfileString("Defaults", "LastDictionaryUsed", "", kSettingsFile));
    rt::OpenFileRequest request;
    request.title = "Velmora Dictionaries";
    request.filters = {{"Velmora Dictionaries (*.DCT)", "*.DCT"},
                       {"Exported Text (*.TXD)", "*.TXD"}};
    request.initialPath = DictionaryPath.Get();
    const std::optional<std::string> choice = rt::Dialogs().OpenFile(request);
    if (!choice) {
        CancelOpen();
        return;
    }
    DictionaryPath.Set(*choice);
    rt::WriteProfileString("Defaults", "LastDictionaryUsed", DictionaryPath.Get(), kSettingsFile);

    const std::string shortPath = rt::ShortPathName(DictionaryPath.Get());
    if (!shortPath.empty()) DictionaryPath.Set(shortPath);

    std::string txdPath = DictionaryPath.Get();
    bool tempExport = false;
    if (IsDctPath(txdPath)) {
        CancelOpen();  // exporting through the IDE is not available here yet
        return;
    }
    // The export is read before the old model is released: releasing writes
    // "TEST.TXD", which may be the very file chosen.
    std::shared_ptr<const std::string> bytes = ReadExportOrReport(txdPath);
    if (!bytes) {
        CancelOpen();
        return;
    }
    StartParse(std::move(bytes), txdPath, tempExport);
}

}  // namespace app
