// File > Open: choose a dictionary, have a .DCT exported by the IDE, and
// start the parse of the text export.
#include "app/dictionary_acquisition.h"
#include "app/dictionary_commands.h"
#include "app/frame_services.h"
#include "app/globals.h"
#include "app/parse_window.h"
#include "runtime/window.h"

namespace app {

void OpenDictionary() {
    AcquisitionHooks hooks;
    hooks.showStatus = ShowStatus;
    hooks.redraw = [] { FrameWindow().Display(); };
    if (AcquireDictionaryForFrame(hooks) != Acquisition::Ready) {
        CancelOpen();
        return;
    }
    // The export is read before the old model is released: releasing writes
    // "TEST.TXD", which may be the very file chosen.
    const std::string txdPath = TxdPath.Get();
    std::shared_ptr<const std::string> bytes = ReadExportOrReport(txdPath);
    if (!bytes) {
        CancelOpen();
        return;
    }
    StartParse(std::move(bytes), txdPath, TempExport.load() != 0);
}

}  // namespace app
