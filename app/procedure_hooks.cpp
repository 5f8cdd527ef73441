#include "app/procedure_hooks.h"

#include <atomic>

#include "app/dictionary_commands.h"

namespace app {
namespace {
std::atomic<WindowProcedure> dictionaryWindow{MinimalDictionaryWindow};
std::atomic<WindowProcedure> printOptions{nullptr};
}  // namespace

void SetDictionaryWindowProcedure(WindowProcedure procedure) {
    dictionaryWindow.store(procedure != nullptr ? procedure : MinimalDictionaryWindow);
}
WindowProcedure DictionaryWindowProcedure() {
    return dictionaryWindow.load();
}

void SetPrintProcedure(WindowProcedure procedure) {
    printOptions.store(procedure);
}
WindowProcedure PrintProcedure() {
    return printOptions.load();
}

void PrintDictionary() {
    if (WindowProcedure procedure = PrintProcedure()) procedure();
}

}  // namespace app
