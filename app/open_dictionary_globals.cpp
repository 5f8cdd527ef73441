// The parts of File > Open that work on the program's globals.
#include "app/dictionary_acquisition.h"
#include "framework/globals.h"

namespace app {

Acquisition AcquireDictionaryForFrame(const AcquisitionHooks& hooks) {
    AcquisitionState state{framework::DictionaryPath.Get(), framework::TxdPath.Get(),
                           framework::TempExport.load() != 0};
    const Acquisition result = AcquireDictionary(state, hooks);
    framework::DictionaryPath.Set(state.dictionaryPath);
    framework::TxdPath.Set(state.txdPath);
    framework::TempExport.store(state.tempExport ? 1 : 0);
    return result;
}

}  // namespace app
