// Window procedures that live above the shell (the dictionary window, the
// print options) register themselves here; the shell starts them by hook.
#pragma once

namespace app {

using WindowProcedure = void (*)();

// The dictionary window, started on a thread of its own when a parse has
// completed. Until one is registered a minimal window stands in.
void SetDictionaryWindowProcedure(WindowProcedure procedure);
WindowProcedure DictionaryWindowProcedure();

// The print options, called on the frame's thread by File > Print. Nothing
// happens until one is registered.
void SetPrintProcedure(WindowProcedure procedure);
WindowProcedure PrintProcedure();

// The minimal dictionary window: the dictionary's name and what it holds.
void MinimalDictionaryWindow();

}  // namespace app
