#include "display/dictionary_window.h"

#include "display/dictionary_window_object.h"
#include "framework/window_procedure.h"

namespace display {

void KESTR009() {
    display::DictionaryWindowObject window;
    framework::RunProcedure(window);
}

}  // namespace display
