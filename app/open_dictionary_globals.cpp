// The parts of File > Open that work on the program's globals.
#include "app/dictionary_acquisition.h"
#include "framework/globals.h"

namespace app {

Acquisition AcquireDictionaryForFrame(const AcquisitionHooks& hooks) {
    AcquisitionState state{DictionaryPath.Get(), TxdPath.Get(), TempExport.load() != 0};
    const Acquisition result = AcquireDictionary(state, hooks);
    DictionaryPath.Set(state.dictionaryPath);
    TxdPath.Set(state.txdPath);
    TempExport.store(state.tempExport ? 1 : 0);
    return result;
}

}  // namespace app
