// File > Open: choose a dictionary, have a .DCT exported by the IDE, and
// start the parse of the text export.
#include "app/dictionary_acquisition.h"
#include "app/dictionary_commands.h"
#include "app/frame_services.h"
#include "app/globals.h"
#include "app/parse_window.h"
#include "dictionary/export_file.h"
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
    // The export is opened before the old model is released, so that an
    // export that cannot be opened leaves the loaded dictionary as it was.
    std::unique_ptr<dict::ExportFile> exportFile = OpenExportOrReport(TxdPath.Get());
    if (!exportFile) {
        CancelOpen();
        return;
    }
    StartParse(std::move(exportFile), TempExport.load() != 0);
}

}  // namespace app
