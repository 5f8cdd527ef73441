// The parts of File > Open that work on the program's globals.
#include "app/dictionary_acquisition.h"
#include "app/globals.h"
#include "runtime/events.h"
#include "runtime/program_threads.h"

namespace app {

Acquisition AcquireDictionaryForFrame(const AcquisitionHooks& hooks) {
    AcquisitionState state{DictionaryPath.Get(), TxdPath.Get(), TempExport.load() != 0};
    const Acquisition result = AcquireDictionary(state, hooks);
    DictionaryPath.Set(state.dictionaryPath);
    TxdPath.Set(state.txdPath);
    TempExport.store(state.tempExport ? 1 : 0);
    return result;
}

void CancelOpen() {
    if (Model() != nullptr) return;
    DictionaryPath.Set("");
    if (const std::int32_t thread = DisplayThread.load(); thread != 0) {
        rt::Post(rt::event::CloseWindow, 0, thread);
    }
    DisplayThread.store(0);
}

}  // namespace app
